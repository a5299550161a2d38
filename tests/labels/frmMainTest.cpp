#include "../payroll/shell/ShellFixture.h"
#include "LabelFiles.h"
#include "PaintingPrinter.h"
#include "PrinterSupport.h"
#include "RecordSupport.h"
#include "Suppliers.h"
#include "Tessaly.h"
#include "frmMain.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace labelfiles;

namespace {

// The label program's folder, with the process end, the web pages and the printed pages recorded.
class TessalyTest : public ShellTest {
protected:
    // Four customers, a statement list naming one of them and nobody, contracts, cycles,
    // services, two vendors, two employees and the business.
    void writeAllFiles() const {
        writeFile(CustomerDataFile,
                  Bytes<CustomerRecord>({Person(QStringLiteral("Ada"), QStringLiteral("Byrne"), QStringLiteral("12 MAIN ST")),
                                         Business(QStringLiteral("Coral Mill"), QStringLiteral("3 Maintenance Way")),
                                         Person(QStringLiteral("Cy"), QStringLiteral("Dunn"), QStringLiteral("8 Elm Court")),
                                         Person(QString(), QStringLiteral("Okafor"), QStringLiteral("2 Ridge Road"))}));
        writeFile(ContractInfoFile, Bytes<ContractRecord>({Contract(QStringLiteral("Lawn Care"), QStringLiteral("5 Pier Road")),
                                                           Contract(QStringLiteral("Snow Removal")),
                                                           Contract(QStringLiteral("LAWN CARE PLUS"))}));
        writeFile(CycleInfoFile, Bytes<CycleRecord>({Cycle(0, 0), Cycle(1, 2), Cycle(1, 11), Cycle(3, 5)}));
        writeFile(ServicesFile, Bytes<ServiceRecord>({Service(QStringLiteral("Lawn Care")), Service(QStringLiteral("Snow Removal"))}));
        writeFile(StatementFile, "\"Coral Mill\"\r\n\"Nobody Here\"\r\n");
        writeFile(VendorDataFile, Bytes<VendorRecord>({Vendor(QStringLiteral("Bolt Supply")), Vendor(QStringLiteral("Paper Co"))}));
        testrecords::WriteEmployees({testrecords::Employee(1, QStringLiteral("Pat Doe")),
                                     testrecords::Employee(2, QStringLiteral("Lee Park"))});
        writeFile(QStringLiteral("/MyBusinessData.txt"), BusinessData);
    }

    static labels::frmMain& screen() { return Form<labels::frmMain>(); }
    static QStringList selected(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected()) texts.append(list->item(i)->text());
        return texts;
    }
    static QStringList texts(const QListWidget* list) {
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all.append(list->item(i)->text());
        return all;
    }
    static void select(QListWidget* list, std::initializer_list<int> rows) {
        for (int row : rows)
            list->item(row)->setSelected(true);
    }
    static std::vector<bool> enabledTabs() {
        std::vector<bool> enabled;
        for (int tab = 0; tab < labels::frmMain::TabCount; ++tab)
            enabled.push_back(screen().SSTab1->isTabEnabled(tab));
        return enabled;
    }

    RecordingPrinterScope printer;
};

} // namespace

TEST_F(TessalyTest, TabsFollowTheFilesThatCanBeRead) {
    struct Row {
        const char* what;
        std::function<void()> files;
        std::vector<bool> enabled;
        std::size_t told = 0; // messages shown
    } rows[] = {
        {"no files", [] {}, {true, true, false, false, false, false, true, false}, 0},
        {"every file", [this] { writeAllFiles(); }, {true, true, true, true, true, true, true, true}, 0},
        {"a customer file a byte short, vendors a folder",
         [this] {
             writeFile(CustomerDataFile, Bytes<CustomerRecord>({Person(QStringLiteral("Ada"), QStringLiteral("Byrne")),
                                                                  Person(QStringLiteral("Bo"), QStringLiteral("Li"))})
                                               .chopped(1));
             makeFolder(VendorDataFile);
         },
         {true, true, false, true, false, false, true, false}, 0},
        // Junk where the business file was: told, and no label gets it as the sender.
        {"a damaged business file",
         [this] {
             writeAllFiles();
             writeFile(QStringLiteral("/MyBusinessData.txt"), "\x8f\x13\xa0 \"Harlan\x01\r\n");
         },
         {true, true, false, true, true, true, true, true}, 1},
    };
    for (const Row& row : rows) {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        row.files();
        const std::size_t toldBefore = dialogs->messages().size();
        StartTessaly();
        ASSERT_TRUE(ended.empty()) << row.what;
        EXPECT_EQ(enabledTabs(), row.enabled) << row.what;
        EXPECT_EQ(dialogs->messages().size() - toldBefore, row.told) << row.what;
        EXPECT_EQ(screen().SSTab1->currentIndex(), int(labels::frmMain::InstructionsTab));
        EXPECT_EQ(screen().windowTitle(), QStringLiteral("Marrowby Main Screen"));
        for (QListWidget* copies : screen().lstLabelsNeeded)
            EXPECT_EQ(copies->currentItem()->text(), QStringLiteral("1"));
        UnloadAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ReleaseProgramLock();
    }
}

TEST_F(TessalyTest, LoadingFillsEveryListAndSelectsTheStatementNames) {
    writeAllFiles();
    const QByteArray before = readFile(CustomerDataFile);
    StartTessaly();
    labels::frmMain& s = screen();
    EXPECT_EQ(texts(s.lstAccounts), (QStringList{QStringLiteral("Ada Byrne"), QStringLiteral("Coral Mill"),
                                                 QStringLiteral("Cy Dunn"), QStringLiteral("Okafor")}));
    EXPECT_EQ(selected(s.lstStatementNames), (QStringList{QStringLiteral("Coral Mill"), QStringLiteral("Nobody Here")}));
    EXPECT_EQ(texts(s.lstEmployees), (QStringList{QStringLiteral("Pat Doe"), QStringLiteral("Lee Park")}));
    EXPECT_EQ(texts(s.lstVendors), (QStringList{QStringLiteral("Bolt Supply"), QStringLiteral("Paper Co")}));
    EXPECT_EQ(texts(s.lstServices), (QStringList{QStringLiteral("Lawn Care"), QStringLiteral("Snow Removal")}));
    EXPECT_EQ(s.lstFrequency->currentItem()->text(), QStringLiteral("Monthly"));
    EXPECT_EQ(s.lstMonth->currentItem()->text(), QStringLiteral("June"));
    EXPECT_EQ(s.txtPOBox->text(), QStringLiteral("PO Box 7"));
    EXPECT_TRUE(s.txtName->isReadOnly());
    EXPECT_FALSE(s.Command1[12]->isHidden());
    EXPECT_FALSE(s.ck2ndAddress->isHidden());
    EXPECT_EQ(readFile(CustomerDataFile), before);
}

TEST_F(TessalyTest, EachSearchReplacesThePreviousResult) {
    writeAllFiles();
    StartTessaly();
    labels::frmMain& s = screen();
    struct Row {
        const char* what;
        std::function<void(labels::frmMain&)> search;
        QStringList found;
    } rows[] = {
        {"address holds main",
         [](labels::frmMain& f) {
             f.optSearch[1]->setChecked(true);
             f.txtSearchfor->setText(QStringLiteral("main"));
             f.Command1_Click(6);
         },
         {QStringLiteral("Ada Byrne"), QStringLiteral("Coral Mill")}},
        {"contract service chosen",
         [](labels::frmMain& f) {
             f.lstServices->setCurrentRow(0);
             f.Command1_Click(10);
         },
         {QStringLiteral("Ada Byrne"), QStringLiteral("Cy Dunn")}},
        {"quarterly in June",
         [](labels::frmMain& f) {
             f.lstFrequency->setCurrentRow(Quarterly);
             f.lstMonth->setCurrentRow(5);
             f.Command1_Click(14);
         },
         {QStringLiteral("Coral Mill"), QStringLiteral("Cy Dunn")}},
        {"every cycle",
         [](labels::frmMain& f) {
             f.lstFrequency->setCurrentRow(AllFrequencies);
             f.Command1_Click(14);
         },
         {QStringLiteral("Ada Byrne"), QStringLiteral("Coral Mill"), QStringLiteral("Cy Dunn"), QStringLiteral("Okafor")}},
    };
    for (const Row& row : rows) {
        s.lstAccounts->clearSelection();
        select(s.lstAccounts, {3});
        s.Command1_Click(2);
        EXPECT_FALSE(s.fraSearch->isHidden());
        row.search(s);
        EXPECT_EQ(selected(s.lstAccounts), row.found) << row.what;
        EXPECT_TRUE(s.fraSearch->isHidden()) << row.what;
    }
    // Without search text or a chosen service nothing is searched.
    s.txtSearchfor->clear();
    s.Command1_Click(6);
    s.lstServices->clearSelection();
    s.Command1_Click(10);
    EXPECT_EQ(dialogs->messages(),
              (std::vector<QString>{QStringLiteral("Enter some search Criteria"), QStringLiteral("Enter some search Criteria")}));
    for (QRadioButton* option : s.optSearch)
        EXPECT_FALSE(option->isChecked());
}

TEST_F(TessalyTest, RecipientsAreRemovedOnlyWhenTheUserSaysYes) {
    writeAllFiles();
    StartTessaly();
    labels::frmMain& s = screen();
    select(s.lstAccounts, {0, 1, 2});
    s.Command1_Click(9);
    EXPECT_EQ(texts(s.lstRecipients), (QStringList{QStringLiteral("Ada Byrne"), QStringLiteral("Coral Mill"), QStringLiteral("Cy Dunn")}));
    s.lstRecipients->setCurrentRow(1);
    dialogs->answer(MsgAnswer::No).answer(MsgAnswer::Yes);
    s.Command1_Click(13);
    EXPECT_EQ(selected(s.lstAccounts).size(), 3);
    s.Command1_Click(13);
    EXPECT_EQ(texts(s.lstRecipients), (QStringList{QStringLiteral("Ada Byrne"), QStringLiteral("Cy Dunn")}));
    dialogs->answer(MsgAnswer::Yes);
    s.Command1_Click(11);
    EXPECT_TRUE(selected(s.lstAccounts).isEmpty());
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("Delete Recipient"));
    EXPECT_EQ(dialogs->shown[0].text, QStringLiteral("This will remove the current Recipient\r\nfrom the Mailing List"));
    EXPECT_EQ(dialogs->shown[2].title, QStringLiteral("Delete ALL"));
    s.Command1_Click(16);
    EXPECT_TRUE(s.fraRecipients->isHidden());
}

TEST_F(TessalyTest, StatementNamesSelectTheirCustomersAndTheListIsDeletedOnlyWhenAsked) {
    writeAllFiles();
    StartTessaly();
    labels::frmMain& s = screen();
    s.SSTab1->setCurrentIndex(labels::frmMain::StatementTab);
    s.lstStatementNames->item(0)->setSelected(false); // only "Nobody Here"
    s.Command1_Click(15);
    EXPECT_TRUE(selected(s.lstAccounts).isEmpty());
    EXPECT_EQ(s.SSTab1->currentIndex(), int(labels::frmMain::StatementTab));
    EXPECT_TRUE(exists(StatementFile));
    s.ckDeleteStatementList->setChecked(true);
    s.Command1_Click(15);
    EXPECT_FALSE(exists(StatementFile));
    EXPECT_EQ(s.SSTab1->currentIndex(), int(labels::frmMain::StatementTab));
    s.Command1_Click(0);
    s.Command1_Click(15);
    EXPECT_EQ(selected(s.lstAccounts), QStringList{QStringLiteral("Coral Mill")});
    EXPECT_EQ(s.SSTab1->currentIndex(), int(labels::frmMain::CustomerTab));
}

TEST_F(TessalyTest, BusinessStateShowsAsStoredInEitherStyle) {
    writeAllFiles();
    writeFile(QStringLiteral("/MyBusinessData.txt"), QByteArray(BusinessData).replace("\"GA\"", "\"Ohio\""));
    StartTessaly();
    labels::frmMain& s = screen();
    for (int style : {0, 1, 0}) {
        s.optStyle[style]->click();
        EXPECT_EQ(s.txtSt->text(), QStringLiteral("Ohio")) << style;
    }
}

// Lists of thousands of entries: each selection of the screen changes its list's selection
// in one step (today a Clear and a Select at most), never entry by entry, and an open
// recipient list follows a statement transfer.
TEST_F(TessalyTest, SelectionsChangeAListInOneStep) {
    std::vector<CustomerRecord> people;
    QByteArray statement;
    for (int n = 0; n < 60; ++n) {
        people.push_back(Person(QStringLiteral("Ann%1").arg(n), QStringLiteral("Lee"),
                                n % 2 ? QStringLiteral("1 Main St") : QStringLiteral("2 Elm St")));
        if (n % 3 == 0) statement += "\"Ann" + QByteArray::number(n) + " Lee\"\r\n";
    }
    writeFile(CustomerDataFile, Bytes(people));
    writeFile(StatementFile, statement);
    StartTessaly();
    labels::frmMain& s = screen();
    s.optSearch[1]->setChecked(true);
    s.txtSearchfor->setText(QStringLiteral("main"));
    struct Row {
        const char* what;
        std::vector<int> before; // buttons pressed first
        int button;
        QListWidget* list;
        int selected;
    } rows[] = {
        {"Select All of the statement names", {1}, 0, s.lstStatementNames, 20},
        {"Select All of the customers", {4}, 3, s.lstAccounts, 60},
        {"Clear All of the customers", {3}, 4, s.lstAccounts, 0},
        {"a search", {4}, 6, s.lstAccounts, 30},
        {"the statement transfer", {4, 0}, 15, s.lstAccounts, 20},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (int button : row.before)
            s.Command1_Click(button);
        int changes = 0;
        const QMetaObject::Connection counting = QObject::connect(
            row.list->selectionModel(), &QItemSelectionModel::selectionChanged, [&changes] { ++changes; });
        s.Command1_Click(row.button);
        QObject::disconnect(counting);
        EXPECT_LE(changes, 2);
        EXPECT_EQ(selected(row.list).size(), row.selected);
    }
    // The transfer with the recipient list open: the list shows the customers added.
    s.Command1_Click(4);
    s.Command1_Click(9);
    ASSERT_FALSE(s.fraRecipients->isHidden());
    EXPECT_EQ(s.lstRecipients->count(), 0);
    s.Command1_Click(15);
    EXPECT_EQ(texts(s.lstRecipients), selected(s.lstAccounts));
    EXPECT_EQ(s.lstRecipients->count(), 20);
}

TEST_F(TessalyTest, OptionsOfTheScreen) {
    writeAllFiles();
    StartTessaly();
    labels::frmMain& s = screen();
    // General "Clear": copies to 0, the lines stay.
    s.txtGeneral[0]->setText(QStringLiteral("Ada"));
    s.cmdGeneral_Click();
    EXPECT_EQ(s.CopiesOf(labels::frmMain::GeneralCopies), 0);
    EXPECT_EQ(s.txtGeneral[0]->text(), QStringLiteral("Ada"));
    // A return label needs a mailing set; no mailing set, no return label.
    s.ckReturnLabel->setChecked(true);
    EXPECT_TRUE(s.ckMailingSet->isChecked());
    s.ckMailingSet->setChecked(false);
    EXPECT_FALSE(s.ckReturnLabel->isChecked());
    // International style relabels the sender boxes and drops the postal code.
    s.optStyle[1]->click();
    EXPECT_EQ(s.lblAddress[3]->text(), QStringLiteral("Address 3"));
    EXPECT_TRUE(s.txtZip->isHidden() && s.txtZip->text().isEmpty());
    s.optStyle[0]->click();
    EXPECT_EQ(s.lblAddress[4]->text(), QStringLiteral("State"));
    EXPECT_EQ(s.txtSt->maxLength(), 2);
    // The sheet map: the clicked box green, the others white.
    s.txtPrintLabel_Click(4);
    EXPECT_EQ(s.StartPosition(), 4);
    EXPECT_TRUE(s.txtPrintLabel[4]->styleSheet().contains(QStringLiteral("#00ff00")));
    EXPECT_TRUE(s.txtPrintLabel[0]->styleSheet().contains(QStringLiteral("#ffffff")));
    s.ckReturn->setChecked(true);
    EXPECT_FALSE(s.lblFullSheet->isHidden());
    // The supplier's page, after a Yes.
    dialogs->answer(MsgAnswer::Yes);
    s.mnuLabels_Click();
    EXPECT_EQ(dialogs->shown.back().title, QStringLiteral("Order Paper"));
    EXPECT_EQ(opened, QStringList{Pages::AddressLabels});
}

TEST_F(TessalyTest, PrintingWarnsOfTooFewLabelsAndClearsTheSelections) {
    writeAllFiles();
    StartTessaly();
    labels::frmMain& s = screen();
    s.txtPrintLabel_Click(27);
    select(s.lstAccounts, {0, 1});
    select(s.lstVendors, {0});
    select(s.lstEmployees, {1});
    s.lstLabelsNeeded[labels::frmMain::GeneralCopies]->setCurrentRow(0);
    s.ckClear->setChecked(true);
    s.ckReturn->setChecked(true);
    dialogs->answerPrintDialog(true).answerPrintDialog(true);
    s.cmdContinue_Click();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{QStringLiteral("Additional Blank Label Forms are needed")});
    // The business sheet, then this run over two sheets.
    ASSERT_EQ(printer->jobs.size(), 3u);
    EXPECT_EQ(printer->textsEqual(QStringLiteral("Harlan Feed & Seed")).size(), 30u);
    EXPECT_EQ(printer->find(QStringLiteral("Lee Park"))->job, 2);
    EXPECT_EQ(printer->find(QStringLiteral("Bolt Supply"))->job, 3);
    EXPECT_FALSE(s.ckReturn->isChecked());
    EXPECT_TRUE(selected(s.lstAccounts).isEmpty() && selected(s.lstVendors).isEmpty());
    EXPECT_EQ(selected(s.lstEmployees), QStringList{QStringLiteral("Lee Park")});
    // A cancelled print dialog prints nothing and keeps the selections.
    select(s.lstAccounts, {0});
    dialogs->answerPrintDialog(false);
    s.cmdContinue_Click();
    EXPECT_EQ(printer->jobs.size(), 3u);
    EXPECT_EQ(selected(s.lstAccounts).size(), 1);
}

TEST_F(TessalyTest, ExitEndsTheProgramWithoutABackup) {
    writeAllFiles();
    StartTessaly();
    closeBox(screen());
    EXPECT_EQ(ended, std::vector<int>{0});
    EXPECT_FALSE(IsLoaded<labels::frmMain>());
    EXPECT_FALSE(exists(QStringLiteral("/Backup/MyBusinessData.txt")));
}

// The sheets through the real printer path; KESTROVA_LABEL_PDF names a folder to keep them.
TEST_F(TessalyTest, SheetsRenderToPdf) {
    writeAllFiles();
    StartTessaly();
    labels::frmMain& s = screen();
    const QString folder = qEnvironmentVariable("KESTROVA_LABEL_PDF", dir.path());
    dialogs->answerPrintDialog(true).answerPrintDialog(true);
    {
        PrinterScope painting(std::make_unique<PaintingBackend>(MakePdfPrinter(folder + QStringLiteral("/FullSheet.pdf"))));
        EXPECT_EQ(s.PrintBusinessLabelSheet(), PrintOutcome::Printed);
    }
    {
        PrinterScope painting(std::make_unique<PaintingBackend>(MakePdfPrinter(folder + QStringLiteral("/MailingSet.pdf"))));
        select(s.lstAccounts, {0, 1, 2});
        s.ckReturnLabel->setChecked(true);
        // A General label whose last line is too wide for a label at 10 points.
        const QStringList general = {QStringLiteral("Rancho Feed"), QStringLiteral("12 Main Street"), QString(),
                                     QStringLiteral("Rancho Santa Margarita"), QStringLiteral("CA"),
                                     QStringLiteral("92688-1234")};
        for (int i = 0; i < general.size(); ++i)
            s.txtGeneral[size_t(i)]->setText(general[i]);
        s.txtPrintLabel_Click(1);
        EXPECT_EQ(s.PrintLabelRun(), PrintOutcome::Printed);
    }
    for (const char* name : {"/FullSheet.pdf", "/MailingSet.pdf"}) {
        QFile pdf(folder + QString::fromLatin1(name));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(pdf.read(4), "%PDF");
    }
}
