#include "frmAbout.h"

#include "Controls.h"
#include "Main.h"
#include "Picture.h"
#include "Suppliers.h"
#include "WebPage.h"
#include "frmStartup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout() : Screen(QStringLiteral("frmAbout"), QStringLiteral("About")) {
    setWindowTitle(ProductName + QStringLiteral(" by QUILLMOORE"));
    auto* face = new QWidget(this);
    setCentralWidget(face);
    picLogo = NewControl<QLabel>(face, QStringLiteral("picLogo"));
    picLogo->setPixmap(KestrovaLogo(96));
    lblTitle = NewControl<QLabel>(face, QStringLiteral("lblTitle"));
    lblTitle->setText(ProductName);
    QFont title = lblTitle->font();
    title.setPointSizeF(title.pointSizeF() * 2);
    title.setBold(true);
    lblTitle->setFont(title);
    lblDescription = NewControl<QLabel>(face, QStringLiteral("lblDescription"));
    lblDescription->setText(
        QStringLiteral("QUILLMOORE writes software for the small business: payroll, checkbook, invoicing and "
                       "mailing labels that keep their information in plain files on your own computer."));
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(340);
    cmdVisit = NewControl<QPushButton>(face, QStringLiteral("cmdVisit"));
    cmdVisit->setText(QStringLiteral("&Visit QUILLMOORE on the Web"));
    cmdOK = NewControl<QPushButton>(face, QStringLiteral("cmdOK"));
    cmdOK->setText(QStringLiteral("OK"));

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblDescription);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(picLogo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdVisit);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    auto* page = new QVBoxLayout(face);
    page->addLayout(top, 1);
    page->addLayout(buttons);
    setTabOrder(cmdOK, cmdVisit);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdVisit, &QPushButton::clicked, this, &frmAbout::cmdVisit_Click);
}

void frmAbout::cmdOK_Click() {
    Unload();
    ShowScreen<frmStartup>();
}

void frmAbout::cmdVisit_Click() {
    ConnecttoInternet(Pages::MakerSite);
}
