#include "frmSplash.h"

#include "Controls.h"
#include "DataFiles.h"
#include "Main.h"
#include "Picture.h"
#include "frmSetup.h"
#include "frmStartup.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const std::array<const char*, 5> WelcomeLines = {
    "Kestrova keeps its information in a series of folders.",
    "Click the LOGO to show the Setup Screen.",
    "Enter the information in each folder, then click the Menu button when done.",
    "If you see this screen after initial Setup, one of your files is missing.",
    "An unsuccessful attempt was made to restore it from the Backup Folder. You need to recreate it.",
};

} // namespace

frmSplash::frmSplash() : Screen(QStringLiteral("frmSplash"), QStringLiteral("Splash")) {
    setWindowTitle(ProductName);
    buildFace();
    buildWelcome();
    connect(cmdContinue, &QPushButton::clicked, this, &frmSplash::cmdContinue_Click);
    for (std::size_t i = 0; i < imgLogo.size(); ++i)
        connect(imgLogo[i], &ClickablePicture::clicked, this, [this, i] { imgLogo_Click(int(i)); });
    // In the middle of the screen until the user puts it elsewhere (the saved layout wins).
    centre();
}

void frmSplash::centre() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::buildFace() {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    imgLogo[FaceLogo] = NewControl<ClickablePicture>(face, ControlName(QStringLiteral("imgLogo"), FaceLogo));
    imgLogo[FaceLogo]->setPixmap(KestrovaLogo(128));
    lblTitle = NewControl<QLabel>(face, QStringLiteral("lblTitle"));
    lblTitle->setText(ProductName);
    QFont title = lblTitle->font();
    title.setPointSizeF(title.pointSizeF() * 2.6);
    title.setBold(true);
    lblTitle->setFont(title);
    lblSubtitle = NewControl<QLabel>(face, QStringLiteral("lblSubtitle"));
    lblSubtitle->setText(QStringLiteral("Payroll for the small business"));
    cmdContinue = NewControl<QPushButton>(face, QStringLiteral("cmdContinue"));
    cmdContinue->setText(QStringLiteral("Continue"));
    cmdContinue->setToolTip(QStringLiteral("Starts the Program"));
    fraWelcome = NewControl<QGroupBox>(face, QStringLiteral("fraWelcome"));

    auto* titles = new QVBoxLayout;
    titles->addStretch(1);
    titles->addWidget(lblTitle);
    titles->addWidget(lblSubtitle);
    titles->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo[FaceLogo]);
    top->addSpacing(16);
    top->addLayout(titles, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdContinue);
    auto* page = new QVBoxLayout(face);
    page->addLayout(top);
    page->addWidget(fraWelcome);
    page->addLayout(buttons);
}

void frmSplash::buildWelcome() {
    fraWelcome->setTitle(QStringLiteral("Welcome to ") + ProductName);
    imgLogo[WelcomeLogo] =
        NewControl<ClickablePicture>(fraWelcome, ControlName(QStringLiteral("imgLogo"), WelcomeLogo));
    imgLogo[WelcomeLogo]->setPixmap(KestrovaLogo(64));
    imgLogo[WelcomeLogo]->setToolTip(QStringLiteral("Yes me, I'm the LOGO"));
    auto* lines = new QVBoxLayout;
    for (std::size_t i = 0; i < lblWelcome.size(); ++i) {
        lblWelcome[i] = NewControl<QLabel>(fraWelcome, ControlName(QStringLiteral("lblWelcome"), int(i)));
        // One line each: a window does not grow for the height wrapped lines would need.
        lblWelcome[i]->setText(QString::fromLatin1(WelcomeLines[i]));
        lines->addWidget(lblWelcome[i]);
    }
    auto* frame = new QHBoxLayout(fraWelcome);
    frame->addWidget(imgLogo[WelcomeLogo], 0, Qt::AlignTop);
    frame->addLayout(lines, 1);
    fraWelcome->hide();
}

void frmSplash::cmdContinue_Click() {
    if (BusinessDataExists()) {
        ShowScreen<frmStartup>();
        Unload();
        return;
    }
    fraWelcome->show();
    // The frame makes the splash wider and taller: the whole of it stays in view.
    centre();
}

void frmSplash::imgLogo_Click(int index) {
    if (index == WelcomeLogo) fraWelcome->hide();
    ShowScreen<frmSetup>();
    Unload();
}
