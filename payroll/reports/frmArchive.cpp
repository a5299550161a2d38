#include "frmArchive.h"

#include "Archive.h"
#include "Controls.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "MainMenu.h"
#include "StateTaxTable.h"
#include "StateTaxes.h"
#include "frmSetup.h"
#include "frmTables.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const Instructions[] = {"Select Backup to Copy Important Files to a removalble disk",
                                    "Select Restore to Copy Backed Up Files",
                                    "back to your Quillmoore Folder",
                                    "Insert an disk into the drive selected from the list",
                                    "Click Backup",
                                    "Insert a previously created Archive Disk into",
                                    "the drive selected  from the list",
                                    "Click  Restore"};

QPushButton* Button(QWidget* parent, const char* name, const char* caption, const char* tip) {
    auto* button = NewControl<QPushButton>(parent, QString::fromLatin1(name));
    button->setText(QString::fromLatin1(caption));
    button->setToolTip(QString::fromLatin1(tip));
    return button;
}

// Clears an option without the others taking its place.
void ClearOption(QRadioButton* option) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace

frmArchive::frmArchive() : Screen(QStringLiteral("frmArchive"), QStringLiteral("Payroll")) {
    buildControls();
}

void frmArchive::buildControls() {
    setWindowTitle(QStringLiteral("Backup/ReStore"));
    auto* face = new QWidget(this);
    setCentralWidget(face);
    auto* page = new QVBoxLayout(face);

    auto* options = new QHBoxLayout;
    optArchive = NewControl<QRadioButton>(face, QStringLiteral("optArchive"));
    optArchive->setText(QStringLiteral("Backup"));
    optArchive->setToolTip(QStringLiteral("to a Floppy disk"));
    optReinstall = NewControl<QRadioButton>(face, QStringLiteral("optReinstall"));
    optReinstall->setText(QStringLiteral("Restore"));
    optReinstall->setToolTip(QStringLiteral("From a previously created Floppy"));
    options->addWidget(optArchive);
    options->addWidget(optReinstall);
    options->addStretch(1);
    page->addLayout(options);

    auto* driveLabel = new QLabel(QStringLiteral("Select the Drive to which to Copy to or from"), face);
    page->addWidget(driveLabel);
    auto* drive = new QHBoxLayout;
    Drive1 = NewControl<QComboBox>(face, QStringLiteral("Drive1"));
    Drive1->setToolTip(QStringLiteral("Select a Drive Letter Here"));
    Drive1->setMinimumContentsLength(30);
    driveLabel->setBuddy(Drive1);
    Drive1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const ArchiveRoot& root : ArchiveRoots()) {
        const QString where = QDir::toNativeSeparators(root.path);
        const bool named = !root.name.isEmpty() && root.name != root.path;
        Drive1->addItem(named ? QStringLiteral("%1 (%2)").arg(root.name, where) : where, root.path);
    }
    cmdFolder = Button(face, "cmdFolder", "&Folder...", "Choose any folder to copy to or from");
    drive->addWidget(Drive1, 1);
    drive->addWidget(cmdFolder);
    page->addLayout(drive);

    auto* steps = new QVBoxLayout;
    for (const char* text : Instructions)
        steps->addWidget(new QLabel(QString::fromLatin1(text), face));
    page->addLayout(steps);
    page->addStretch(1);

    auto* buttons = new QHBoxLayout;
    cmdArchive = Button(face, "cmdArchive", "&Backup", "Write Backup Files to Disk");
    cmdReinstall = Button(face, "cmdReinstall", "&Restore", "Read Backup Files from Disk");
    Command2 = Button(face, "Command2", "&Menu", "Return to Menu");
    // Nothing is copied until the user has chosen which way and read its warning.
    cmdArchive->setEnabled(false);
    cmdReinstall->setEnabled(false);
    for (QPushButton* button : {cmdArchive, cmdReinstall, Command2})
        buttons->addWidget(button);
    page->addLayout(buttons);

    connect(optArchive, &QRadioButton::clicked, this, &frmArchive::optArchive_Click);
    connect(optReinstall, &QRadioButton::clicked, this, &frmArchive::optReinstall_Click);
    connect(cmdFolder, &QPushButton::clicked, this, &frmArchive::cmdFolder_Click);
    connect(cmdArchive, &QPushButton::clicked, this, &frmArchive::cmdArchive_Click);
    connect(cmdReinstall, &QPushButton::clicked, this, &frmArchive::cmdReinstall_Click);
    connect(Command2, &QPushButton::clicked, this, &frmArchive::Command2_Click);
}

void frmArchive::optArchive_Click() {
    chooseWay(optArchive,
              QStringLiteral("Archiving creates a copy of your\r\nFiles on a removable drive\r\n"
                             "such as a Writeable CD Disc\r\nYou should Archive occasionally"),
              QStringLiteral("Archive Procedure"));
}

void frmArchive::optReinstall_Click() {
    chooseWay(optReinstall,
              QStringLiteral("Restores Common Payroll Files\r\nfrom Removable media Source\r\n"
                             "(Latest Archived Disc)\r\n ALL Existing Files ARE REPLACED"),
              QStringLiteral("Restore"));
}

// The option's warning; its OK enables the option's own button only, its Cancel clears
// the option and leaves the buttons as they were.
void frmArchive::chooseWay(QRadioButton* option, const QString& warning, const QString& title) {
    option->setChecked(true);
    if (MsgBox(warning, MsgButtons::OKCancel, title) != MsgAnswer::OK) return ClearOption(option);
    cmdArchive->setEnabled(option == optArchive);
    cmdReinstall->setEnabled(option == optReinstall);
}

void frmArchive::cmdFolder_Click() {
    if (const auto folder =
            PickFolder(QStringLiteral("Select the Folder to Copy to or from"), ArchiveDrive()))
        ChooseFolder(*folder);
}

void frmArchive::ChooseFolder(const QString& folder) {
    int index = Drive1->findData(folder);
    if (index < 0) {
        Drive1->addItem(QDir::toNativeSeparators(folder), folder);
        index = Drive1->count() - 1;
    }
    Drive1->setCurrentIndex(index);
}

QString frmArchive::ArchiveDrive() const {
    return Drive1->currentData().toString();
}

void frmArchive::cmdArchive_Click() {
    copyThenComplete(&frmArchive::Archive);
}

void frmArchive::cmdReinstall_Click() {
    copyThenComplete(&frmArchive::Reinstall);
}

void frmArchive::copyThenComplete(bool (frmArchive::*copy)()) {
    bool done = false;
    {
        WaitCursor wait;
        done = (this->*copy)();
    }
    if (done) ShowRoutineComplete();
}

void frmArchive::Command2_Click() {
    Unload();
    ShowMainMenu();
}

bool frmArchive::Archive() {
    const ArchiveResult result = ArchivePayrollFiles(ArchiveDrive());
    if (result.kind == ArchiveResult::Kind::Done) return true;
    MsgBox(ArchiveReport(result, false), MsgButtons::OK, QStringLiteral("Archive Procedure"));
    return false;
}

bool frmArchive::Reinstall() {
    const ArchiveResult result = ReinstallPayrollFiles(ArchiveDrive());
    if (!result.outcome.copied.isEmpty()) ReloadPayrollFiles();
    MsgBox(ArchiveReport(result, true), MsgButtons::OK, QStringLiteral("Restore"));
    return result.kind == ArchiveResult::Kind::Done;
}

// The screens that hold the tax data and the settings read them again, so that what
// they hold is what was restored and a later save does not write the old back.
void frmArchive::ReloadPayrollFiles() {
    if (IsLoaded<frmTables>()) Form<frmTables>().LoadTables();
    if (!IsLoaded<frmSetup>()) return;
    ReportFileErrors([] { Form<frmSetup>().LoadPayrollInfo(); });
    ReportFileErrors(LoadStateTaxes);
    ReportFileErrors(LoadStateTaxTable);
}

void frmArchive::ShowRoutineComplete() {
    MsgBox(QStringLiteral("Remove the disk from the Drive"), MsgButtons::OK,
           QStringLiteral("Routine Complete"));
    Command2_Click();
}
