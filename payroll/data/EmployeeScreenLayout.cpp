// How the employee screen is put together: its frames, boxes, lists and menus.

#include "Controls.h"
#include "GridRoutines.h"
#include "frmEmployees.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <vector>

namespace {

QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QLabel* Heading(const QString& text, const QString& name) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QFormLayout* NewForm() {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

QDateEdit* NewDatePicker(QWidget* parent, const QString& name) {
    auto* picker = NewControl<QDateEdit>(parent, name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    return picker;
}

QComboBox* NewList(QWidget* parent, const QString& name, const QStringList& entries) {
    auto* list = NewControl<QComboBox>(parent, name);
    list->addItems(entries);
    list->setCurrentIndex(-1);
    return list;
}

// A picture the user clicks; the screen's event filter takes the click.
QLabel* NewPicture(QWidget* parent, const QString& name, QStyle::StandardPixmap pixmap, const QString& tip) {
    auto* picture = NewControl<QLabel>(parent, name);
    picture->setPixmap(parent->style()->standardIcon(pixmap).pixmap(32, 32));
    picture->setToolTip(tip);
    picture->setCursor(Qt::PointingHandCursor);
    picture->setFixedSize(36, 36);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

// A box that only shows a value: it looks like it, and the Tab key passes it by.
void ShowOnly(QLineEdit* box) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
}

} // namespace

void frmEmployees::buildControls() {
    setWindowTitle(QStringLiteral("Empoyee Creation & Management"));
    auto* face = new QWidget(this);
    setCentralWidget(face);
    auto* row = new QHBoxLayout(face);
    row->addWidget(buildListSide());
    row->addWidget(buildEditSide(), 1);
    buildMenus();
    setTabOrders();
    resize(1120, 700);
}

void frmEmployees::setTabOrders() {
    // Left to right, top to bottom: the list and its buttons, then the employee's
    // general and confidential columns, then the personal status.
    std::vector<QWidget*> order{lstEmployees, UpDown1Up, UpDown1Down};
    using namespace EmployeeBox;
    using namespace EmployeeButton;
    for (int i : {CreateNew, Load, Save, CancelAdd, Menu, TogglePersonal})
        order.push_back(cmdEmployee[i]);
    for (int i : {Name, Address, Address2, City})
        order.push_back(txtEmployee[i]);
    order.push_back(cboStates);
    for (int i : {Zip, HomePhone, CellPhone, EmergencyContact, EmergencyPhone, SSN})
        order.push_back(txtEmployee[i]);
    order.insert(order.end(), {ckNonResident, DTStart, txtTermination, dtEffective, cboPayStatus,
                               txtEmployee[PayRate], cboFrequency, txtEmployee[ExtraWithholding], cboStatus,
                               cboDependents});
    for (int i : {Insurance, ChildSupport, SupportFee, Percent401k})
        order.push_back(txtEmployee[i]);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QWidget* frmEmployees::buildListSide() {
    fraEmployees = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraEmployees"));
    fraEmployees->setTitle(QStringLiteral("Employees"));
    fraEmployees->setFixedWidth(300);
    auto* column = new QVBoxLayout(fraEmployees);

    lblNoEmployees = NewControl<QLabel>(fraEmployees, QStringLiteral("lblNoEmployees"));
    lblNoEmployees->setText(QStringLiteral("No Employee RecordsHave been Created"));
    lblNoEmployees->setWordWrap(true);
    lblNoEmployees->hide();
    column->addWidget(lblNoEmployees);

    lstEmployees = NewControl<QListWidget>(fraEmployees, QStringLiteral("lstEmployees"));
    QFont listFont = lstEmployees->font();
    listFont.setStyleHint(QFont::Monospace);
    listFont.setFamily(QStringLiteral("DejaVu Sans Mono"));
    lstEmployees->setFont(listFont);
    column->addWidget(Caption(QStringLiteral("Click on  an Employee to Select"), lstEmployees));

    UpDown1 = NewControl<QWidget>(fraEmployees, QStringLiteral("UpDown1"));
    auto* arrows = new QVBoxLayout(UpDown1);
    arrows->setContentsMargins(0, 0, 0, 0);
    UpDown1Up = NewControl<QToolButton>(UpDown1, QStringLiteral("UpDown1_Up"));
    UpDown1Up->setArrowType(Qt::UpArrow);
    UpDown1Up->setToolTip(QStringLiteral("Previous Employee"));
    UpDown1Down = NewControl<QToolButton>(UpDown1, QStringLiteral("UpDown1_Down"));
    UpDown1Down->setArrowType(Qt::DownArrow);
    UpDown1Down->setToolTip(QStringLiteral("Next Employee"));
    arrows->addWidget(UpDown1Up);
    arrows->addWidget(UpDown1Down);
    arrows->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lstEmployees, 1);
    listRow->addWidget(UpDown1);
    column->addLayout(listRow, 1);
    column->addWidget(new QLabel(QStringLiteral("Click Load Employee Button")));

    static const char* const captions[] = {
        "&Menu",           "&Load Employee for Editing", "&Save Employee",
        "Cancel &Add New", "Toggle &Personal Data",      "&Create New Employee"};
    for (int i = 0; i < EmployeeButton::Count; ++i) {
        cmdEmployee[i] = NewControl<QPushButton>(fraEmployees, ControlName(QStringLiteral("cmdEmployee"), i));
        cmdEmployee[i]->setText(QString::fromLatin1(captions[i]));
    }
    using namespace EmployeeButton;
    for (int i : {CreateNew, Load, Save, CancelAdd, Menu, TogglePersonal})
        column->addWidget(cmdEmployee[i]);

    auto* photoRow = new QHBoxLayout;
    auto* photoCell = new QGridLayout;
    lblNoPicture = NewControl<QLabel>(fraEmployees, QStringLiteral("lblNoPicture"));
    lblNoPicture->setText(QStringLiteral("No Picture Found"));
    lblNoPicture->setAlignment(Qt::AlignCenter);
    lblNoPicture->setFrameShape(QFrame::Box);
    picEmployee = NewControl<QLabel>(fraEmployees, QStringLiteral("picEmployee"));
    picEmployee->setAlignment(Qt::AlignCenter);
    picEmployee->hide();
    for (QLabel* cell : {lblNoPicture, picEmployee}) {
        cell->setFixedSize(150, 170);
        photoCell->addWidget(cell, 0, 0);
    }
    photoRow->addLayout(photoCell);
    imgShade = NewPicture(fraEmployees, QStringLiteral("imgShade"), QStyle::SP_TitleBarShadeButton,
                          QStringLiteral("Privacy Shade"));
    photoRow->addWidget(imgShade, 0, Qt::AlignBottom);
    photoRow->addStretch();
    column->addLayout(photoRow);
    return fraEmployees;
}

QWidget* frmEmployees::buildEditSide() {
    auto* side = new QWidget(centralWidget());
    auto* grid = new QGridLayout(side);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(buildEmployeeFrame(), 0, 0);
    grid->addWidget(buildTaxesFrame(), 0, 0);
    grid->addWidget(buildPersonalFrame(), 1, 0);
    grid->addWidget(buildHideFrame(), 0, 0, 2, 1);
    grid->setRowStretch(2, 1);
    // Frames come and go; the window keeps its shape meanwhile.
    for (QWidget* frame : {static_cast<QWidget*>(fraEmployee), static_cast<QWidget*>(fraPersonal)}) {
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
    }
    return side;
}

QLineEdit* frmEmployees::newBox(int index) {
    QLineEdit* box = NewControl<QLineEdit>(nullptr, ControlName(QStringLiteral("txtEmployee"), index));
    txtEmployee[index] = box;
    const int limit = TypingLimit(index);
    // Money and percent boxes limit what is typed in their key filter, so that an amount
    // shown in currency form is never cut.
    if (limit > 0 && !IsKeyFilteredBox(index)) box->setMaxLength(limit);
    box->installEventFilter(this);
    return box;
}

QGroupBox* frmEmployees::buildEmployeeFrame() {
    fraEmployee = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraEmployee"));
    auto* grid = new QGridLayout(fraEmployee);
    grid->addWidget(Heading(QStringLiteral("General Information"), QStringLiteral("lblGeneral")), 0, 0);
    grid->addWidget(Heading(QStringLiteral("Confidential Information"), QStringLiteral("lblConfidential")), 0,
                    1);

    auto* general = NewForm();
    const auto addBox = [this](QFormLayout* form, const QString& caption, int index) {
        QLineEdit* box = newBox(index);
        form->addRow(Caption(caption, box), box);
    };
    addBox(general, QStringLiteral("Name"), 0);
    addBox(general, QStringLiteral("Address"), 1);
    addBox(general, QStringLiteral("Apt/ PO Box etc"), 2);
    addBox(general, QStringLiteral("City"), 3);
    cboStates = NewControl<QComboBox>(fraEmployee, QStringLiteral("cboStates"));
    general->addRow(Caption(QStringLiteral("State"), cboStates), cboStates);
    addBox(general, QStringLiteral("Zip Code"), 5);
    addBox(general, QStringLiteral("Home Phone"), 6);
    addBox(general, QStringLiteral("Cell Phone"), 7);
    addBox(general, QStringLiteral("Emegency Contact"), 8);
    addBox(general, QStringLiteral("Emegency Contact No "), 9);
    grid->addLayout(general, 1, 0);

    auto* confidential = NewForm();
    addBox(confidential, QStringLiteral("Employee No."), 10);
    addBox(confidential, QStringLiteral("SSN"), 11);
    ckNonResident = NewControl<QCheckBox>(fraEmployee, QStringLiteral("ckNonResident"));
    ckNonResident->setText(QStringLiteral("Non-Resident Status"));
    confidential->addRow(QString(), ckNonResident);
    DTStart = NewDatePicker(fraEmployee, QStringLiteral("DTStart"));
    confidential->addRow(Caption(QStringLiteral("Employment Start Date"), DTStart), DTStart);
    txtTermination = NewControl<QLineEdit>(fraEmployee, QStringLiteral("txtTermination"));
    txtTermination->setInputMask(QStringLiteral("99/99/9999;_"));
    confidential->addRow(Caption(QStringLiteral("EmploymentTermination Date"), txtTermination),
                         txtTermination);
    dtEffective = NewDatePicker(fraEmployee, QStringLiteral("dtEffective"));
    confidential->addRow(Caption(QStringLiteral("Pay Rate Effective Date"), dtEffective), dtEffective);
    cboPayStatus = NewList(fraEmployee, QStringLiteral("cboPayStatus"), PayStatusEntries());
    confidential->addRow(Caption(QStringLiteral("Pay Status"), cboPayStatus), cboPayStatus);
    addBox(confidential, QStringLiteral("Pay Rate"), 13);
    cboFrequency = NewList(fraEmployee, QStringLiteral("cboFrequency"), FrequencyEntries());
    confidential->addRow(Caption(QStringLiteral("Pay Frequency"), cboFrequency), cboFrequency);
    addBox(confidential, QStringLiteral("Additional Withholding "), 12);
    grid->addLayout(confidential, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    // The number is the one the screen assigned or loaded: shown, never typed.
    ShowOnly(txtEmployee[EmployeeBox::EmployeeNo]);
    return fraEmployee;
}

QGroupBox* frmEmployees::buildPersonalFrame() {
    fraPersonal = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraPersonal"));
    fraPersonal->setTitle(QStringLiteral("Personal Status"));
    auto* form = NewForm();
    // Amounts and short choices: boxes of their own size rather than across the window.
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    cboStatus = NewList(fraPersonal, QStringLiteral("cboStatus"), MaritalStatusEntries());
    form->addRow(Caption(QStringLiteral("Marital Status"), cboStatus), cboStatus);
    cboDependents = NewList(fraPersonal, QStringLiteral("cboDependents"), DependentsEntries());
    form->addRow(Caption(QStringLiteral("Dependents"), cboDependents), cboDependents);
    const auto addBox = [this, form](const QString& caption, int index) {
        QLineEdit* box = newBox(index);
        form->addRow(Caption(caption, box), box);
    };
    addBox(QStringLiteral("Insurance Contribution"), 28);
    addBox(QStringLiteral("Child Support Withholding"), 20);
    addBox(QStringLiteral("Child Support Fee"), 21);
    form->addRow(QString(), new QLabel(QStringLiteral("(A fee for collecting Child Support)")));

    // Box 22 names the deduction; it shows its text and takes no entry.
    QLineEdit* label401k = newBox(EmployeeBox::Label401k);
    label401k->setText(QStringLiteral("401k  (% of Pay)"));
    ShowOnly(label401k);
    label401k->setFrame(false);
    label401k->setFocusPolicy(Qt::NoFocus);
    label401k->setAlignment(Qt::AlignRight);
    QLineEdit* percent = newBox(EmployeeBox::Percent401k);
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(percent, 1);
    percentRow->addWidget(Caption(QStringLiteral("(enter as nn.nn)"), percent));
    form->addRow(label401k, percentRow);
    fraPersonal->setLayout(form);
    return fraPersonal;
}

QGroupBox* frmEmployees::buildTaxesFrame() {
    fraTaxes = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraTaxes"));
    fraTaxes->setTitle(QStringLiteral("YTD Summary"));
    auto* grid = new QGridLayout(fraTaxes);
    struct Row {
        const char* caption;
        int box;
    };
    static const Row rows[] = {
        {"Gross Pay(YTD)", 14},
        {"Federal Withholding(YTD)", 15},
        {"Additional FIT Withholding(YTD)", 24},
        {"FICA Withholding(YTD)", 16},
        {"Medicare Withholding(YTD)", 17},
        {"State Withholding(YTD)", 18},
        {"Local Withholding(YTD)", 19},
        {"Child Support(YTD)", 25},
        {" Support Fees(YTD)", 26},
        {"Insurance (YTD)", 27},
        {"401k ( YTD)", 29},
    };
    QFormLayout* columns[] = {NewForm(), NewForm()};
    int n = 0;
    for (const Row& row : rows) {
        QLineEdit* box = newBox(row.box);
        ShowOnly(box);
        columns[n++ < 6 ? 0 : 1]->addRow(Caption(QString::fromLatin1(row.caption), box), box);
    }
    grid->addLayout(columns[0], 0, 0, Qt::AlignTop);
    grid->addLayout(columns[1], 0, 1, Qt::AlignTop);
    grid->setRowStretch(1, 1);
    fraTaxes->hide();
    return fraTaxes;
}

QGroupBox* frmEmployees::buildHideFrame() {
    fraHide = NewControl<QGroupBox>(centralWidget(), QStringLiteral("fraHide"));
    fraHide->setTitle(QStringLiteral("Data Privacy Screen"));
    // The shade covers the employee's data: it is drawn over the frames beneath it.
    fraHide->setAutoFillBackground(true);
    auto* column = new QVBoxLayout(fraHide);
    column->addStretch();
    auto* hidden = new QLabel(QStringLiteral("Hidden from View"));
    hidden->setAlignment(Qt::AlignCenter);
    QFont font = hidden->font();
    font.setPointSize(font.pointSize() * 2);
    font.setBold(true);
    hidden->setFont(font);
    column->addWidget(hidden);
    imgHide = NewPicture(fraHide, QStringLiteral("imgHide"), QStyle::SP_TitleBarUnshadeButton,
                         QStringLiteral("Lift the Privacy Shade"));
    column->addWidget(imgHide, 0, Qt::AlignHCenter);
    column->addStretch();
    fraHide->hide();
    return fraHide;
}

void frmEmployees::buildMenus() {
    const auto newAction = [this](const QString& caption, const QString& name) {
        auto* action = new QAction(caption, this);
        action->setObjectName(name);
        return action;
    };
    QMenu* employees = menuBar()->addMenu(QStringLiteral("Employees"));
    mnuAdd = newAction(QStringLiteral("Add New"), QStringLiteral("mnuAdd"));
    mnuW4 = newAction(QStringLiteral("Prepare W-4 Form"), QStringLiteral("mnuW4"));
    employees->addAction(mnuAdd);
    employees->addAction(mnuW4);
    QMenu* toggles = menuBar()->addMenu(QStringLiteral("Toggle Windows"));
    mnuShade = newAction(QStringLiteral("Privacy Shade"), QStringLiteral("mnuShade"));
    mnuPersonal = newAction(QStringLiteral("Personal Data"), QStringLiteral("mnuPersonal"));
    mnuTaxes = newAction(QStringLiteral("YTD Totals"), QStringLiteral("mnuTaxes"));
    toggles->addAction(mnuShade);
    toggles->addAction(mnuPersonal);
    toggles->addAction(mnuTaxes);
    mnuRestore = newAction(QStringLiteral("Restore Previous Value"), QStringLiteral("mnuRestore"));
    mnuRestore->setEnabled(false);
    menuBar()->addAction(mnuRestore);
}

void frmEmployees::connectControls() {
    for (int i = 0; i < EmployeeButton::Count; ++i)
        connect(cmdEmployee[i], &QPushButton::clicked, this, [this, i] { cmdEmployee_Click(i); });
    // A click, or a choice made with the keys: either selects an employee to load.
    connect(lstEmployees, &QListWidget::itemClicked, this, [this] { lstEmployees_Click(); });
    connect(lstEmployees, &QListWidget::itemSelectionChanged, this, [this] { lstEmployees_Click(); });
    connect(UpDown1Up, &QToolButton::clicked, this, &frmEmployees::UpDown1_UpClick);
    connect(UpDown1Down, &QToolButton::clicked, this, &frmEmployees::UpDown1_DownClick);
    connect(mnuAdd, &QAction::triggered, this, &frmEmployees::mnuAdd_Click);
    connect(mnuW4, &QAction::triggered, this, &frmEmployees::mnuW4_Click);
    connect(mnuShade, &QAction::triggered, this, &frmEmployees::mnuShade_Click);
    connect(mnuPersonal, &QAction::triggered, this, &frmEmployees::mnuPersonal_Click);
    connect(mnuTaxes, &QAction::triggered, this, &frmEmployees::mnuTaxes_Click);
    connect(mnuRestore, &QAction::triggered, this, &frmEmployees::mnuRestore_Click);
    connect(cboFrequency, &QComboBox::currentIndexChanged, this, &frmEmployees::cboFrequency_Click);
    connect(cboPayStatus, &QComboBox::currentIndexChanged, this, &frmEmployees::cboPayStatus_Click);
    // Typing a name is what makes a new employee worth saving.
    connect(txtEmployee[EmployeeBox::Name], &QLineEdit::textEdited, this, [this] {
        cmdEmployee[EmployeeButton::Save]->setEnabled(true);
        cmdEmployee[EmployeeButton::CancelAdd]->setEnabled(true);
    });
    for (int i = 0; i < EmployeeBoxCount; ++i) {
        if (txtEmployee[i] == nullptr || !IsKeyFilteredBox(i)) continue;
        new DecimalKeyFilter(txtEmployee[i]);
        // The screen's own key-down rules (emptying a zero amount) run before the key is checked.
        txtEmployee[i]->installEventFilter(this);
        SelectWholeTextOnFocus(txtEmployee[i]);
    }
    AnswerClick(imgShade, [this] {
        if (fraHide->isHidden()) mnuShade_Click();
    });
    AnswerClick(imgHide, [this] { fraHide->hide(); });
}
