#include "frmReports.h"

#include "Controls.h"
#include "FlexGrid.h"

#include <QAction>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

QLabel* Caption(QWidget* parent, std::array<QLabel*, 18>& labels, int index, const char* text) {
    auto* label = NewControl<QLabel>(parent, ControlName(QStringLiteral("Label1"), index));
    label->setText(QString::fromLatin1(text));
    labels[static_cast<std::size_t>(index)] = label;
    return label;
}

QLabel* Shade(QWidget* parent, const QString& name, QStyle::StandardPixmap pixmap, const QString& tip) {
    auto* picture = NewControl<QLabel>(parent, name);
    picture->setPixmap(parent->style()->standardIcon(pixmap).pixmap(24, 24));
    picture->setToolTip(tip);
    picture->setCursor(Qt::PointingHandCursor);
    picture->setFixedSize(28, 28);
    return picture;
}

QPushButton* Button(QWidget* parent, std::array<QPushButton*, 9>& buttons, int index, const char* caption,
                    const char* hint) {
    auto* button = NewControl<QPushButton>(parent, ControlName(QStringLiteral("cmdReports"), index));
    button->setText(QString::fromLatin1(caption));
    if (hint) button->setToolTip(QString::fromLatin1(hint));
    buttons[static_cast<std::size_t>(index)] = button;
    return button;
}

const char* const PrintHint = "Prints the Completed Report";

} // namespace

frmReports::frmReports() : Screen(QStringLiteral("frmReports"), QStringLiteral("Payroll")) {
    setWindowTitle(QStringLiteral("Payroll Reports"));
    buildFace();
    buildMenus();
    for (int i = 0; i < static_cast<int>(cmdReports.size()); ++i)
        connect(cmdReports[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdReports_Click(i); });
    for (int i = 0; i < static_cast<int>(optReports.size()); ++i)
        connect(optReports[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { optReports_Click(i); });
    AnswerChoice(lstQuarter, [this](int) { lstQuarter_Click(); });
    for (int index : {LastYearLabelIndex, YearToDateLabelIndex})
        AnswerClick(Label1[static_cast<std::size_t>(index)], [this, index] { Label1_Click(index); });
    AnswerClick(Image2, [this] { Image2_Click(); });
    for (QLabel* shade : Image3)
        AnswerClick(shade, [this] { Image3_Click(); });
    resize(1180, 720);
}

void frmReports::buildFace() {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    auto* column = new QVBoxLayout(face);
    column->addWidget(buildControls());
    column->addWidget(buildDataFrames(), 1);
}

QWidget* frmReports::buildControls() {
    auto* top = new QWidget;
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(0, 0, 0, 0);

    auto* options = new QGroupBox(QStringLiteral("Reports"), top);
    auto* optionColumn = new QVBoxLayout(options);
    static const char* const reportCaptions[] = {"Employee W-2 Wage and Tax Statement",
                                                 "Form 940 - Report Federal FUTA",
                                                 "Quarterly Federal/State Unemployment (Summary)",
                                                 "Form 941 - Employer's Quarterly Tax Return",
                                                 "Quarterly Federal/ State Unemployment (Detail)",
                                                 "State Tax Collected",
                                                 "Local Tax Collected",
                                                 "Support, 401k, Insurance Collected",
                                                 "Form 944 - Employer's Annual Tax Return"};
    for (int i = 0; i < 9; ++i) {
        optReports[static_cast<std::size_t>(i)] =
            NewControl<QRadioButton>(options, ControlName(QStringLiteral("optReports"), i));
        optReports[static_cast<std::size_t>(i)]->setText(QString::fromLatin1(reportCaptions[i]));
        optionColumn->addWidget(optReports[static_cast<std::size_t>(i)]);
    }
    row->addWidget(options);

    auto* dates = new QGroupBox(top);
    auto* dateGrid = new QGridLayout(dates);
    dateGrid->addWidget(Caption(dates, Label1, 0, "Report Dates"), 0, 0, 1, 2);
    dateGrid->addWidget(Caption(dates, Label1, 1, "Click Year or Quarter Below or Enter Start and End Date"), 1, 0, 1, 2);
    DTStart = NewControl<QDateEdit>(dates, QStringLiteral("DTStart"));
    DTEnd = NewControl<QDateEdit>(dates, QStringLiteral("DTEnd"));
    DTStart->setToolTip(QStringLiteral("1st date of the report"));
    DTEnd->setToolTip(QStringLiteral("Final Date of the report"));
    for (QDateEdit* picker : {DTStart, DTEnd}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    }
    Caption(dates, Label1, 2, "Starting Date")->setBuddy(DTStart);
    Caption(dates, Label1, 3, "Ending Date")->setBuddy(DTEnd);
    dateGrid->addWidget(Label1[2], 2, 0);
    dateGrid->addWidget(DTStart, 2, 1);
    dateGrid->addWidget(Label1[3], 3, 0);
    dateGrid->addWidget(DTEnd, 3, 1);
    dateGrid->addWidget(Caption(dates, Label1, 4, "Select a starting and ending (Inclusive) date for the report"), 4, 0, 1, 2);
    Caption(dates, Label1, YearToDateLabelIndex, "Select YTD")->setToolTip(
        QStringLiteral("Date will be 1/1 to Current Date  This Year"));
    Caption(dates, Label1, LastYearLabelIndex, "Select Last Year")->setToolTip(
        QStringLiteral("Date will be 1/1 to 12/31 Last Year"));
    for (int index : {YearToDateLabelIndex, LastYearLabelIndex}) {
        QLabel* link = Label1[static_cast<std::size_t>(index)];
        link->setCursor(Qt::PointingHandCursor);
        QFont font = link->font();
        font.setUnderline(true);
        link->setFont(font);
    }
    dateGrid->addWidget(Label1[YearToDateLabelIndex], 5, 0);
    dateGrid->addWidget(Label1[LastYearLabelIndex], 5, 1);
    dateGrid->addWidget(Caption(dates, Label1, 5, "Select by Quarter"), 6, 0, 1, 2);
    lstQuarter = NewControl<QListWidget>(dates, QStringLiteral("lstQuarter"));
    lstQuarter->setToolTip(QStringLiteral("Select a Quarter for the report"));
    Label1[5]->setBuddy(lstQuarter);
    dateGrid->addWidget(lstQuarter, 7, 0, 1, 2);
    row->addWidget(dates);

    auto* calendar = new QGroupBox(top);
    auto* calendarColumn = new QVBoxLayout(calendar);
    static const std::pair<int, const char*> reminders[] = {
        {6, "Payroll Calendar Events"},
        {7, "Quarterly\nby 4/30, 7/31,10/31, and 1/31 (next year)"},
        {8, "File Forms W-2 and W-3\nBy January 31"},
        {9, "By February 15\nRequest a new W-4 from Exempt Employees"},
        {10, "By February 28"},
        {11, "Before December 1\nRemind Employees to submit new\nW-4 if withholdings have changed"},
        {13, "As Required\n(if Required)"}};
    for (const auto& [index, text] : reminders) {
        QLabel* label = Caption(calendar, Label1, index, text);
        label->setWordWrap(true);
        calendarColumn->addWidget(label);
    }
    calendarColumn->addStretch();
    row->addWidget(calendar);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button(top, cmdReports, 1, "&Load Report Data", "Creates the Report Grid"));
    buttons->addWidget(Button(top, cmdReports, 5, "Pay &Tax(es)", nullptr));
    buttons->addStretch();
    buttons->addWidget(Button(top, cmdReports, 0, "&Menu", "Returns to the Main Menu"));
    row->addLayout(buttons);
    return top;
}

QWidget* frmReports::buildDataFrames() {
    auto* area = new QWidget;
    auto* stack = new QGridLayout(area);
    stack->setContentsMargins(0, 0, 0, 0);
    auto* frames = new QWidget(area);
    auto* column = new QVBoxLayout(frames);
    column->setContentsMargins(0, 0, 0, 0);

    const auto frame = [&](QGroupBox*& box, const char* name, const char* title, FlexGrid*& grid,
                           const char* gridName, const QString& format, int print, int hide, int shade) {
        box = NewControl<QGroupBox>(frames, QString::fromLatin1(name));
        box->setTitle(QString::fromLatin1(title));
        auto* inside = new QVBoxLayout(box);
        grid = NewControl<FlexGrid>(box, QString::fromLatin1(gridName));
        grid->setFormatString(format);
        inside->addWidget(grid, 1);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(Button(box, cmdReports, print, "&Print Report", PrintHint));
        buttons->addWidget(Button(box, cmdReports, hide, "&Hide", nullptr));
        buttons->addStretch();
        Image3[static_cast<std::size_t>(shade)] =
            Shade(box, ControlName(QStringLiteral("Image3"), shade), QStyle::SP_TitleBarShadeButton,
                  QStringLiteral("Window Shade Down"));
        buttons->addWidget(Image3[static_cast<std::size_t>(shade)]);
        inside->addLayout(buttons);
        column->addWidget(box, 1);
        box->hide();
    };
    frame(fraReports, "fraReports", "Payroll Reports Data", fgReports, "fgReports",
          QStringLiteral("^Pay Period   |^Gross Payroll|^Income Tax|^FICA Tax|^Medicare|^FUTA Tax  |^State Tax    "
                         "|^SUTax   |^Local Tax|^Child Spprt|^401k (employee)|^401k (contribution)|^Insurance"),
          2, 3, 0);
    frame(fraEmployees, "fraEmployees", "Employee Earnings and Withholdings", fgEmployeeData, "fgEmployeeData",
          QStringLiteral("^Emp No|^SS Number   |<Employee Name                 |>Gross Earnings|>FIT Withheld "
                         "|>FICA Earnings|>FICA Withheld|>Medicare|>State Tax|>Local Tax|>Insurance"),
          6, 4, 1);
    frame(fraUnemployment, "fraUnemployment", "Federal and State Unempolyment Report", fgUnemployment,
          "fgUnemployment",
          QStringLiteral("^Emp No|^SS Number    |<Employee Name                       |^Report Wages|^Applicable "
                         "State|^    State UT|^Applicable Federal|^Federal UT"),
          7, 8, 2);
    column->addStretch(0);
    stack->addWidget(frames, 0, 0);

    // The shade covers whatever data frame is open.
    fraHide = NewControl<QGroupBox>(area, QStringLiteral("fraHide"));
    fraHide->setTitle(QStringLiteral("Data Privacy Screen"));
    fraHide->setAutoFillBackground(true);
    auto* shadeColumn = new QVBoxLayout(fraHide);
    shadeColumn->addStretch();
    for (const char* text : {"Payroll Data", "Hidden from View"}) {
        auto* label = new QLabel(QString::fromLatin1(text), fraHide);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPointSize(16);
        font.setBold(true);
        label->setFont(font);
        shadeColumn->addWidget(label);
    }
    Image2 = Shade(fraHide, QStringLiteral("Image2"), QStyle::SP_TitleBarUnshadeButton,
                   QStringLiteral("Window Shade Up"));
    shadeColumn->addWidget(Image2, 0, Qt::AlignHCenter);
    shadeColumn->addStretch();
    stack->addWidget(fraHide, 0, 0);
    fraHide->hide();
    return area;
}

void frmReports::buildMenus() {
    QMenu* forms = menuBar()->addMenu(QStringLiteral("IRS Forms"));
    forms->setObjectName(QStringLiteral("mnuForms"));
    QMenu* instructions = menuBar()->addMenu(QStringLiteral("IRS Instructions"));
    instructions->setObjectName(QStringLiteral("mnuInstructions"));
    for (int i = 0; i < static_cast<int>(ReferencePages.size()); ++i) {
        const ReferencePage& page = ReferencePages[static_cast<std::size_t>(i)];
        auto* action = new QAction(QString::fromLatin1(page.caption), this);
        action->setObjectName(QString::fromLatin1(page.name));
        (i < 7 ? forms : instructions)->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { mnuPage_Click(i); });
        mnuPages[static_cast<std::size_t>(i)] = action;
    }
}
