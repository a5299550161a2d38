#include "frmTables.h"

#include "Controls.h"
#include "FlexGrid.h"
#include "GridRoutines.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// Every mnemonic of the screen is its own: Alt+T, Alt+I and Alt+H open the menus.
const char* const RateCaptions[] = {"&Social Security Rate", "&Medicare Rate", "State Tax &Rate",
                                    "&Local Tax Rate",       "&FUTA Rate",     "State Unem&ployment Rate"};
const char* const MaximumCaptions[] = {"Social Security Ma&ximum", "State Maxim&um", "L&ocal Maximum",
                                       "FUTA M&aximum", "State U&nemployment Maximum"};
// The allowance frame is reached from its menu with the focus in its first box.
const char* const AllowanceCaptions[] = {"Weekly",    "Biweekly",     "Semimonthly", "Monthly",
                                         "Quarterly", "Semiannually", "Annually",    "Daily or Misc"};

const char* const RowLabels[] = {
    "Single-Weekly",      "Married-Weekly",      "Single-Bi-Weekly",  "Married-Bi-Weekly",
    "Single-SemiMonthly", "Married-SemiMonthly", "Single-Monthly",    "Married-Monthly",
    "Single-Quarterly",   "Married-Quarterly",   "Single-SemiAnnual", "Married-SemiAnnual",
    "Single-Annually",    "Married-Annually",    "Single-Daily",      "Married-Daily"};

const char* const HelpText =
    "To change an amount of the Tax Table, click its cell, type the new amount in the box below the "
    "table and click \"Save Change\"; click \"Save Table\" to keep the table.\n\n"
    "In the Percentage Table the \"%\" columns hold percents. Type a percent as a decimal fraction that "
    "begins with the point: 28% is typed .28 and 10% is typed .10. Amounts are typed as numbers.\n\n"
    "\"Select Column\" puts one entry into all sixteen rows of the selected column; \"Select Single\" "
    "changes one cell.\n\n"
    "Rates are typed as percents (6.2 for 6.20%). A maximum left empty or at zero means no maximum "
    "(\"None\").";

TablesVariant Variant = TablesVariant::Main;

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

void SetTablesVariant(TablesVariant variant) {
    Variant = variant;
}

TablesVariant CurrentTablesVariant() {
    return Variant;
}

frmTables::frmTables()
    : Screen(QStringLiteral("frmTables"), QStringLiteral("Payroll")), variant_(CurrentTablesVariant()) {
    setWindowTitle(QStringLiteral("Payroll Tax Tables"));
    buildFace();
    buildMenus();
    connectEvents();
    bindTables();
    chainTabOrder();
    resize(1240, 720);
}

void frmTables::buildFace() {
    auto* face = new QWidget(this);
    setCentralWidget(face);
    auto* main = new QVBoxLayout(face);

    auto* top = new QHBoxLayout;
    top->addWidget(buildVariables());
    buildAllowanceFrame();
    top->addWidget(fraAllowance);

    auto* commands = new QVBoxLayout;
    const std::pair<int, const char*> buttons[] = {
        {TablesButton::SaveSettings, "Save Settings"}, {TablesButton::ReloadTables, "Reload Tables"}, {TablesButton::LoadDefaultTable, "Load &DefaultTable"}, {TablesButton::Menu, "Menu"}};
    for (const auto& [index, caption] : buttons) {
        if (variant_ == TablesVariant::Creator && index > TablesButton::SelectColumn) continue;
        cmdTables[index] = NewControl<QPushButton>(face, ControlName(QStringLiteral("cmdTables"), index));
        cmdTables[index]->setText(QString::fromLatin1(caption));
        commands->addWidget(cmdTables[index]);
    }
    commands->addStretch();
    top->addLayout(commands);
    top->addStretch();
    main->addLayout(top);

    // The percentage frame covers the tax table when shown; the help frame stands beside them.
    auto* tables = new QHBoxLayout;
    auto* grids = new QVBoxLayout;
    buildPercentageFrame();
    grids->addWidget(buildTaxTablePanel());
    grids->addWidget(fraPercentage);
    grids->addStretch();
    tables->addLayout(grids, 1);
    buildHelpFrame();
    tables->addWidget(fraHelp, 0, Qt::AlignTop);
    main->addLayout(tables, 1);
    fraAllowance->hide();
    fraHelp->hide();
    fraPercentage->hide();
}

QWidget* frmTables::buildVariables() {
    auto* box = new QGroupBox(QStringLiteral("Tax Variables"), centralWidget());
    auto* grid = new QGridLayout(box);
    NewControls(TxtTables, box, QStringLiteral("TxtTables"));
    for (int i = 0; i < TaxBox::RateCount; ++i) {
        grid->addWidget(Caption(QString::fromLatin1(RateCaptions[i]), TxtTables[i], box), i, 0);
        grid->addWidget(TxtTables[i], i, 1);
    }
    for (int i = TaxBox::RateCount; i < TaxBox::Count; ++i) {
        const int row = i - TaxBox::RateCount;
        grid->addWidget(Caption(QString::fromLatin1(MaximumCaptions[row]), TxtTables[i], box), row, 2);
        grid->addWidget(TxtTables[i], row, 3);
    }
    for (QLineEdit* b : TxtTables)
        b->setMinimumWidth(110);
    ckState = NewControl<QCheckBox>(box, QStringLiteral("ckState"));
    ckState->setText(QStringLiteral("State Tax is Flate Rate"));
    ckLocal = NewControl<QCheckBox>(box, QStringLiteral("ckLocal"));
    ckLocal->setText(QStringLiteral("Local Tax is Flate Rate"));
    grid->addWidget(ckState, 5, 2, 1, 2);
    grid->addWidget(ckLocal, 6, 2, 1, 2);
    txtEIN = NewControl<QLineEdit>(box, QStringLiteral("txtEIN"));
    txtEIN->setMinimumWidth(110);
    grid->addWidget(Caption(QStringLiteral("Employer ID (&EIN)"), txtEIN, box), 6, 0);
    grid->addWidget(txtEIN, 6, 1);
    return box;
}

void frmTables::setUpGrid(FlexGrid& grid, const QString& firstHeading, const QString& odd,
                          const QString& even) {
    QString format = u'<' + firstHeading;
    for (int b = 1; b <= 7; ++b)
        format += QStringLiteral("|>") + odd + QStringLiteral("|>") + even;
    grid.setFormatString(format);
    grid.setRows(17);
    grid.setFixedCols(1);
    for (int r = 1; r <= 16; ++r)
        grid.setTextMatrix(r, 0, QString::fromLatin1(RowLabels[r - 1]));

    const QFontMetrics metrics(grid.view()->font());
    const QFontMetrics headingMetrics(grid.view()->horizontalHeader()->font());
    const int labelWidth = std::max(metrics.horizontalAdvance(QStringLiteral("Married-SemiMonthly")),
                                    headingMetrics.horizontalAdvance(firstHeading)) +
                           16;
    // Each column as wide as the widest text it holds: wage bounds run to $9,999,999.99;
    // the percentage table's base taxes stay below a million and its percents below 100 %.
    const bool percentTable = even == QStringLiteral("%");
    const auto widthFor = [&](const QString& heading, const QString& widest) {
        return std::max(metrics.horizontalAdvance(widest), headingMetrics.horizontalAdvance(heading)) + 12;
    };
    const int oddWidth =
        widthFor(odd, percentTable ? QStringLiteral("$999,999.99") : QStringLiteral("$9,999,999.99"));
    const int evenWidth =
        widthFor(even, percentTable ? QStringLiteral("100.0%") : QStringLiteral("$9,999,999.99"));
    grid.setColWidth(0, TwipsFromPixels(labelWidth));
    for (int c = 1; c <= 14; ++c)
        grid.setColWidth(c, TwipsFromPixels(c % 2 == 1 ? oddWidth : evenWidth));
    // All sixteen rows in view without scrolling.
    const int rowsHeight = grid.view()->verticalHeader()->defaultSectionSize() * 16;
    const int headingHeight = grid.view()->horizontalHeader()->sizeHint().height();
    const int scrollBar = grid.view()->horizontalScrollBar()->sizeHint().height();
    grid.setFixedHeight(rowsHeight + headingHeight + scrollBar + 2 * grid.view()->frameWidth() + 2);
}

QWidget* frmTables::buildTaxTablePanel() {
    fraTaxTable = new QWidget(centralWidget());
    fraTaxTable->setObjectName(QStringLiteral("fraTaxTable"));
    auto* layout = new QVBoxLayout(fraTaxTable);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(
        new QLabel(QStringLiteral("Federal Withholding Tax Table (wage brackets)"), fraTaxTable));
    fgTaxTable = NewControl<FlexGrid>(fraTaxTable, QStringLiteral("fgTaxTable"));
    setUpGrid(*fgTaxTable, QStringLiteral("Status and Frequency"), QStringLiteral("Over"),
              QStringLiteral("Less Than"));
    layout->addWidget(fgTaxTable);

    auto* entry = new QHBoxLayout;
    txtChangeRate = NewControl<QLineEdit>(fraTaxTable, QStringLiteral("txtChangeRate"));
    txtChangeRate->setMinimumWidth(120);
    txtChangeRate->setMaximumWidth(180);
    entry->addWidget(Caption(QStringLiteral("Amount for the Selected &Cell:"), txtChangeRate, fraTaxTable));
    entry->addWidget(txtChangeRate);
    for (int index : {TablesButton::SaveTaxTableChange, TablesButton::SaveTaxTable}) {
        cmdTables[index] =
            NewControl<QPushButton>(fraTaxTable, ControlName(QStringLiteral("cmdTables"), index));
        cmdTables[index]->setText(index == TablesButton::SaveTaxTableChange ? QStringLiteral("Save Change")
                                                                            : QStringLiteral("Save Table"));
        entry->addWidget(cmdTables[index]);
    }
    entry->addStretch();
    layout->addLayout(entry);
    return fraTaxTable;
}

void frmTables::buildAllowanceFrame() {
    fraAllowance = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraAllowance"));
    fraAllowance->setTitle(QStringLiteral("Federal Withholding Allowance Table"));
    auto* grid = new QGridLayout(fraAllowance);
    NewControls(txtAllowance, fraAllowance, QStringLiteral("txtAllowance"));
    for (int i = 0; i < AllowanceBox::Count; ++i) {
        const int row = i % 4;
        const int col = (i / 4) * 2;
        grid->addWidget(Caption(QString::fromLatin1(AllowanceCaptions[i]), txtAllowance[i], fraAllowance),
                        row, col);
        grid->addWidget(txtAllowance[i], row, col + 1);
        txtAllowance[i]->setMinimumWidth(100);
    }
    auto* buttons = new QHBoxLayout;
    const std::pair<int, const char*> commands[] = {
        {TablesButton::SaveAllowances, "Save Table"}, {TablesButton::ClearAllowances, "Clear Table"}, {TablesButton::ReloadAllowances, "Reload Table"}, {TablesButton::CloseAllowances, "Close Window"}};
    for (const auto& [index, caption] : commands) {
        cmdTables[index] =
            NewControl<QPushButton>(fraAllowance, ControlName(QStringLiteral("cmdTables"), index));
        cmdTables[index]->setText(QString::fromLatin1(caption));
        buttons->addWidget(cmdTables[index]);
    }
    grid->addLayout(buttons, 4, 0, 1, 4);
}

void frmTables::buildPercentageFrame() {
    fraPercentage = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraPercentage"));
    fraPercentage->setTitle(QStringLiteral("Withholding Pecentage and Flat Rate Table"));
    auto* layout = new QVBoxLayout(fraPercentage);
    fgPercentage = NewControl<FlexGrid>(fraPercentage, QStringLiteral("fgPercentage"));
    setUpGrid(*fgPercentage, QStringLiteral("Status and Freqency"), QStringLiteral("Amount"),
              QStringLiteral("%"));
    layout->addWidget(fgPercentage);

    auto* entry = new QHBoxLayout;
    txtChangePercent = NewControl<QLineEdit>(fraPercentage, QStringLiteral("txtChangePercent"));
    txtChangePercent->setMinimumWidth(120);
    txtChangePercent->setMaximumWidth(180);
    entry->addWidget(
        Caption(QStringLiteral("Entr&y for the Selected Cell:"), txtChangePercent, fraPercentage));
    entry->addWidget(txtChangePercent);
    lblExample = NewControl<QLabel>(fraPercentage, QStringLiteral("lblExample"));
    lblExample->setText(QStringLiteral("Percents as decimals: 28% = .28"));
    entry->addWidget(lblExample);
    entry->addStretch();
    layout->addLayout(entry);
    auto* buttons = new QHBoxLayout;
    const std::pair<int, const char*> commands[] = {{TablesButton::SavePercentageChange, "Save Change"},    {TablesButton::ClearPercentageEntry, "Clear Entry"},
                                                    {TablesButton::SelectSingle, "Select Single"}, {TablesButton::SelectColumn, "Select Column"},
                                                    {TablesButton::SavePercentageTable, "Save Table"},    {TablesButton::ClosePercentage, "Close Window"}};
    for (const auto& [index, caption] : commands) {
        if (variant_ == TablesVariant::Creator && index > TablesButton::SelectColumn) continue;
        cmdTables[index] =
            NewControl<QPushButton>(fraPercentage, ControlName(QStringLiteral("cmdTables"), index));
        cmdTables[index]->setText(QString::fromLatin1(caption));
        buttons->addWidget(cmdTables[index]);
    }
    if (variant_ == TablesVariant::Creator)
        cmdTables[TablesButton::SavePercentageChange]->setText(QStringLiteral("Save Entry"));
    buttons->addStretch();
    layout->addLayout(buttons);
}

void frmTables::buildHelpFrame() {
    fraHelp = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraHelp"));
    fraHelp->setTitle(QStringLiteral("Help!"));
    auto* layout = new QVBoxLayout(fraHelp);
    auto* text = new QLabel(QString::fromLatin1(HelpText), fraHelp);
    text->setObjectName(QStringLiteral("lblHelp"));
    text->setWordWrap(true);
    text->setFixedWidth(300);
    layout->addWidget(text);
    cmdTables[TablesButton::CloseHelp] = NewControl<QPushButton>(fraHelp, ControlName(QStringLiteral("cmdTables"), 4));
    cmdTables[TablesButton::CloseHelp]->setText(QStringLiteral("Close Window"));
    layout->addWidget(cmdTables[TablesButton::CloseHelp], 0, Qt::AlignRight);
}

void frmTables::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& caption) {
        auto* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* tables = menuBar()->addMenu(QStringLiteral("&Tables"));
    mnuAllowance = action(tables, "mnuAllowance", QStringLiteral("&Allowance Table"));
    mnuPercentage = action(tables, "mnuPercentage", QStringLiteral("&Percentage Table"));
    QMenu* internet = menuBar()->addMenu(QStringLiteral("&Internet"));
    mnuTables = action(internet, "mnuTables", QStringLiteral("Load &New Tables"));
    mnuEIN = action(internet, "mnuEIN", QStringLiteral("Obtain &EIN"));
    if (variant_ == TablesVariant::Main)
        mnuStateUTGuide = action(internet, "mnuStateUTGuide", QStringLiteral("State Unemployment Guide"));
    mnuHelp = menuBar()->addAction(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
}

void frmTables::connectEvents() {
    for (int i = 0; i < static_cast<int>(cmdTables.size()); ++i)
        if (cmdTables[i])
            connect(cmdTables[i], &QPushButton::clicked, this, [this, i] { cmdTables_Click(i); });
    connect(fgTaxTable, &FlexGrid::clicked, this, &frmTables::fgTaxTable_Click);
    connect(fgPercentage, &FlexGrid::clicked, this, &frmTables::fgPercentage_Click);
    connect(fgPercentage, &FlexGrid::leaveCell, this, &frmTables::fgPercentage_LeaveCell);
    // A user's tick only: the loaders set the box without this rule.
    if (variant_ == TablesVariant::Main) connect(ckState, &QCheckBox::clicked, this, &frmTables::ckState_Click);
    connect(mnuAllowance, &QAction::triggered, this, &frmTables::mnuAllowance_Click);
    connect(mnuPercentage, &QAction::triggered, this, &frmTables::mnuPercentage_Click);
    connect(mnuHelp, &QAction::triggered, this, &frmTables::mnuHelp_Click);
    connect(mnuTables, &QAction::triggered, this, &frmTables::mnuTables_Click);
    connect(mnuEIN, &QAction::triggered, this, &frmTables::mnuEIN_Click);
    if (mnuStateUTGuide) connect(mnuStateUTGuide, &QAction::triggered, this, &frmTables::mnuStateUTGuide_Click);

    for (QLineEdit* box : TxtTables)
        box->installEventFilter(this);
    for (QLineEdit* box : txtAllowance)
        box->installEventFilter(this);
    txtChangeRate->installEventFilter(this);
    cmdTables[TablesButton::SavePercentageChange]->setEnabled(false);
    // Money boxes take digits and one point only.
    for (int i = TaxBox::RateCount; i < TaxBox::Count; ++i)
        (new DecimalKeyFilter(TxtTables[i]))->setKeyDownHandler([this, i](QKeyEvent& key) {
            onKeyDown(TxtTables[i], key);
        });
    for (QLineEdit* box : txtAllowance)
        (new DecimalKeyFilter(box))->setKeyDownHandler([this, box](QKeyEvent& key) { onKeyDown(box, key); });
}

void frmTables::chainTabOrder() {
    QWidget* previous = TxtTables[TaxBox::SocialSecurityRate];
    auto chain = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int i = TaxBox::MedicareRate; i < TaxBox::Count; ++i)
        chain(TxtTables[i]);
    chain(ckState);
    chain(ckLocal);
    chain(txtEIN);
    for (QLineEdit* box : txtAllowance)
        chain(box);
    using namespace TablesButton;
    for (int index : {SaveAllowances, ClearAllowances, ReloadAllowances, CloseAllowances})
        chain(cmdTables[index]);
    chain(cmdTables[CloseHelp]);
    for (int index : {SaveSettings, ReloadTables, LoadDefaultTable, Menu})
        if (cmdTables[index]) chain(cmdTables[index]);
    chain(fgTaxTable->view());
    chain(txtChangeRate);
    chain(cmdTables[TablesButton::SaveTaxTableChange]);
    chain(cmdTables[TablesButton::SaveTaxTable]);
    chain(fgPercentage->view());
    chain(txtChangePercent);
    for (int index : {SavePercentageChange, ClearPercentageEntry, SelectSingle, SelectColumn,
                      TablesButton::SavePercentageTable, ClosePercentage})
        if (cmdTables[index]) chain(cmdTables[index]);
}

FlexGrid* frmTables::VisibleGrid() const {
    return fraPercentage->isHidden() ? fgTaxTable : fgPercentage;
}

void frmTables::Form_Load() {
    LoadTables();
}

void frmTables::Form_Activate() {
    cmdTables[TablesButton::SavePercentageChange]->setEnabled(false);
    txtChangePercent->clear();
    HookGridWheel(this, VisibleGrid());
}

void frmTables::Form_Deactivate() {
    // Leaving the screen leaves the box being edited: the pay run reads its text next.
    QWidget* focused = focusWidget();
    for (int i = 0; i < 11; ++i)
        if (focused == TxtTables[i]) TxtTables_Leave(i);
    for (int i = 0; i < 8; ++i)
        if (focused == txtAllowance[i]) allowanceLeave(i);
}
