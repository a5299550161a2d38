// Every screen, in each of its states, reads whole on the small screens the suite
// supports (1280 x 800, and 1366 x 768 when KESTROVA_TEST_SCREEN says so) at the size
// it opens with and when the user makes it larger: no text is cut (a heading, a cell,
// a list entry, a box's text, a label, a button), no control covers another or runs
// out of its frame, every grid shows all of its columns, and the window fits on the
// screen. A new screen is covered by adding a row to the table at the end.
#include "../labels/LabelFiles.h"
#include "../payroll/shell/ShellFixture.h"

// The creator's menu shares its header's name with the main program's.
#include "../../creator/frmHistory.h"
#include "../../creator/frmStartup.h"

#include "CreatorPayroll.h"
#include "FlexGrid.h"
#include "Main.h"
#include "RecordSupport.h"
#include "Register.h"
#include "frmAbout.h"
#include "frmArchive.h"
#include "frmEmpReports.h"
#include "frmEmployees.h"
#include "../../labels/frmMain.h"
#include "../../yearend/frmMain.h"
#include "frmNewEmployee.h"
#include "frmPayroll.h"
#include "frmPurge.h"
#include "frmReports.h"
#include "frmSetup.h"
#include "frmSplash.h"
#include "frmStartup.h"
#include "frmTables.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QStyleOptionHeader>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <string_view>

namespace {

// The screen size of the walk: 1280x800 unless KESTROVA_TEST_SCREEN names another
// configuration of this folder.
QString ScreenSizeName() {
    const QString size = qEnvironmentVariable("KESTROVA_TEST_SCREEN");
    return size.isEmpty() ? QStringLiteral("1280x800") : size;
}

// The offscreen platform reads its screen from a file; set before the application
// object exists (static initialisation runs before the test program's main).
// The walk also runs on a real display of that size (the xcb platform under Xvfb).
const bool SmallScreen = [] {
    const char* platform = getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string_view(platform).substr(0, 9) != "offscreen") return true;
    const QByteArray config = QByteArrayLiteral("offscreen:configfile=" SCREEN_CONFIGS "/Screen") +
                              ScreenSizeName().toLatin1() + QByteArrayLiteral(".json");
    return setenv("QT_QPA_PLATFORM", config.constData(), 1) == 0;
}();

// One state of a screen: what the user does to reach it from the state before.
struct ScreenState {
    const char* name;
    std::function<void(Screen&)> enter;
};

// What the program folder holds besides the tax files and three employees.
enum Files { NoMoreFiles = 0, BusinessFile = 1, Checkbooks = 2 };

struct ScreenCase {
    const char* name;
    int files;
    std::function<Screen&()> open;
    std::vector<ScreenState> states;
    // Grids that scroll sideways by design, and panels drawn over other controls.
    QStringList scrollingGrids;
    QStringList overlays;
};

QString Describe(const QWidget* widget) {
    QString text = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                  : widget->objectName();
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->text().isEmpty())
        text += QStringLiteral(" \"") + label->text().left(40) + u'"';
    return text;
}

QString SizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// Controls whose inside is Qt's own business: only their outside is checked.
bool IsComposite(const QWidget* widget) {
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QTabBar*>(widget) ||
           qobject_cast<const QMenuBar*>(widget) || qobject_cast<const FlexGrid*>(widget);
}

class GeometryWalk {
public:
    // A window as wide as the screen may leave its grids to scroll sideways.
    GeometryWalk(const ScreenCase& screenCase, QString where, bool screenWide)
        : case_(screenCase), where_(std::move(where)), screenWide_(screenWide) {}

    void walk(const QWidget& parent) {
        std::vector<const QWidget*> shown;
        for (const QObject* object : parent.children()) {
            const auto* child = qobject_cast<const QWidget*>(object);
            if (!child || child->isWindow() || !child->isVisible() || child->size().isEmpty()) continue;
            for (const QWidget* other : shown)
                if (child->geometry().intersects(other->geometry()) &&
                    !case_.overlays.contains(child->objectName()) &&
                    !case_.overlays.contains(other->objectName()))
                    fault(child, QStringLiteral("overlaps %1").arg(Describe(other)));
            shown.push_back(child);
            checkControl(*child);
            if (!parent.rect().contains(child->geometry()))
                fault(child, QStringLiteral("runs outside %1").arg(Describe(&parent)));
            const auto* frame = qobject_cast<const QGroupBox*>(&parent);
            if (frame && !frame->title().isEmpty() && child->y() < frame->fontMetrics().height())
                fault(child, QStringLiteral("covers the title of %1").arg(Describe(frame)));
            if (!IsComposite(child)) walk(*child);
        }
    }

    void checkOnScreen(const QWidget& window) {
        const QRect screen = window.screen()->availableGeometry();
        if (!screen.contains(window.frameGeometry()))
            fault(&window, QStringLiteral("the window, %1 at %2,%3, does not fit the screen")
                               .arg(SizeText(window.frameGeometry().size()))
                               .arg(window.frameGeometry().x())
                               .arg(window.frameGeometry().y()));
        const QSize least = window.minimumSize() + window.frameGeometry().size() - window.size();
        if (least.width() > screen.width() || least.height() > screen.height())
            fault(&window, QStringLiteral("the window cannot be made smaller than %1").arg(SizeText(least)));
    }

    const QStringList& faults() const { return faults_; }

private:
    void fault(const QWidget* widget, const QString& what) {
        faults_.append(where_ + QStringLiteral(": ") + Describe(widget) + QStringLiteral(": ") + what);
    }

    // Each control at least as large as Qt says it needs to show itself whole (a list:
    // its entries whole); a wrapping label as tall as its lines at its width; a grid
    // with all its columns in view.
    void checkControl(const QWidget& control) {
        const auto* label = qobject_cast<const QLabel*>(&control);
        if (label && label->wordWrap() && !label->text().isEmpty()) {
            const int needed = label->heightForWidth(label->width());
            if (label->height() < needed)
                fault(label,
                      QStringLiteral("%1 pixels high, its lines need %2").arg(label->height()).arg(needed));
            return;
        }
        const auto* grid = qobject_cast<const FlexGrid*>(&control);
        if (grid && !screenWide_ && !case_.scrollingGrids.contains(grid->objectName())) {
            const int columns = grid->view()->horizontalHeader()->length();
            const int shown = grid->view()->viewport()->width();
            if (columns > shown)
                fault(grid, QStringLiteral("columns need %1 pixels, %2 shown").arg(columns).arg(shown));
        }
        checkTexts(control);
        const QSize needed =
            qobject_cast<const QComboBox*>(&control) ? control.sizeHint() : control.minimumSizeHint();
        if (needed.isValid() && (control.width() < needed.width() || control.height() < needed.height()))
            fault(&control,
                  QStringLiteral("cut: %1, needs %2").arg(SizeText(control.size()), SizeText(needed)));
    }

    void cut(const QWidget* control, const QString& text, int needs, int room) {
        fault(control,
              QStringLiteral("\"%1\" cut: needs %2 pixels, %3 shown").arg(text).arg(needs).arg(room));
    }

    // The texts that Qt would cut with "..." or clip: a grid's headings and cells, a
    // list's entries, a box's text.
    void checkTexts(const QWidget& control) {
        const QStyle* style = control.style();
        const int itemMargins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &control) + 1);
        if (const auto* grid = qobject_cast<const FlexGrid*>(&control)) {
            const QTableView* view = grid->view();
            const QHeaderView* header = view->horizontalHeader();
            const int headerMargins = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int c = 0; c < grid->cols(); ++c) {
                if (view->isColumnHidden(c)) continue;
                QStyleOptionHeader option;
                option.initFrom(header);
                option.rect = QRect(0, 0, header->sectionSize(c), header->height());
                const QString heading = header->model()->headerData(c, Qt::Horizontal).toString();
                const int room =
                    style->subElementRect(QStyle::SE_HeaderLabel, &option, header).width() - headerMargins;
                if (const int needs = header->fontMetrics().horizontalAdvance(heading); needs > room)
                    cut(grid, heading, needs, room);
                const int cellRoom = view->columnWidth(c) - (view->showGrid() ? 1 : 0) - itemMargins;
                for (int r = 0; r < view->model()->rowCount(); ++r) {
                    const QModelIndex index = view->model()->index(r, c);
                    const QString text = index.data().toString();
                    const QVariant font = index.data(Qt::FontRole);
                    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : view->font());
                    if (const int needs = metrics.horizontalAdvance(text); needs > cellRoom)
                        cut(grid, text, needs, cellRoom);
                }
            }
        } else if (const auto* list = qobject_cast<const QListWidget*>(&control)) {
            const int room = list->viewport()->width() - itemMargins;
            for (int r = 0; r < list->count(); ++r)
                if (const int needs = list->fontMetrics().horizontalAdvance(list->item(r)->text());
                    needs > room)
                    cut(list, list->item(r)->text(), needs, room);
        } else if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            option.frame = combo->hasFrame();
            const QRect field =
                style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            const int room = field.width() - 2;
            for (int i = 0; i < combo->count(); ++i)
                if (const int needs = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
                    needs > room)
                    cut(combo, combo->itemText(i), needs, room);
        } else if (const auto* box = qobject_cast<const QLineEdit*>(&control);
                   box && box->echoMode() == QLineEdit::Normal) {
            // The frame, and the two pixels the box keeps clear on each side of its text.
            const int room = box->width() -
                             2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) -
                             box->textMargins().left() - box->textMargins().right() - 4;
            if (const int needs = box->fontMetrics().horizontalAdvance(box->text()); needs > room)
                cut(box, box->text(), needs, room);
        }
    }

    const ScreenCase& case_;
    QString where_;
    bool screenWide_;
    QStringList faults_;
};

void Settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

} // namespace

class ScreenGeometryTest : public ShellTest, public ::testing::WithParamInterface<ScreenCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(SmallScreen);
        const QStringList size = ScreenSizeName().split(u'x');
        ASSERT_EQ(QGuiApplication::primaryScreen()->size(),
                  QSize(size.value(0).toInt(), size.value(1).toInt()));
        for (const char* file :
             {"Deductions.txt", "NonResidentTaxTable.txt", "PercentageTable.txt", "StateTaxTables.txt",
              "StateTaxes.txt", "StateTaxesMarginal.txt", "TaxTable.txt", "TaxVariables.txt"})
            copyShipped(QString::fromLatin1(file));
        // A long name and amounts in the millions, so that a column sized to its
        // heading shows them cut.
        const QString names[] = {QStringLiteral("Abigail Montgomery-Fairweather"), QStringLiteral("Bo Li"),
                                 QStringLiteral("Carmen Delacroix")};
        std::vector<EmployeeRecord> employees;
        QByteArray runs;
        for (int month = 1; month <= Today().month(); ++month) {
            SummaryRecord run;
            run.PayDate = OleDateOf(QDate(Today().year(), month, 1));
            for (Money* amount : {&run.TotalWages, &run.TotalFederal, &run.TotalExtraFederal, &run.TotalFica,
                                  &run.TotalMedicare, &run.TotalState, &run.TotalLocal, &run.TotalFuta,
                                  &run.TotalSuta, &run.TotalChildSupport, &run.TotalSupportFees,
                                  &run.Total401k, &run.TotalInsurance, &run.TotalMatch401k})
                *amount = Money::fromCents(123456789);
            runs += run.encode();
        }
        writeFile(QStringLiteral("SummaryRecords.txt"), runs);
        for (int i = 0; i < 3; ++i) {
            employees.push_back(testrecords::Employee(i + 1, names[i]));
            std::vector<PayRecord> pay;
            for (int month = 1; month <= Today().month(); ++month) {
                pay.push_back(
                    testrecords::Paycheck(QDate(Today().year(), month, 1), Money::fromCents(123456789)));
                pay.back().EmployeeName = names[i];
            }
            testrecords::AppendPayRecords(employees.back().EmployeeNo, pay);
        }
        employees.front().PayRate = QStringLiteral("$1,234.56");
        testrecords::WriteEmployees(employees);
        if (GetParam().files & BusinessFile) writeBusinessData();
        if (GetParam().files & Checkbooks) {
            writeFile(QStringLiteral("CheckbookInfo.txt"),
                      "\"Second National Bank of Rancho Santa Marga\",\"0012-3456\",\"$12,500.00\",\"2044\","
                      "\"$10,000.00\",0,0,-1\r\n");
            writeFile(QStringLiteral("PayrollCheckbookInfo.txt"),
                      "\"First Mill Bank\",\"0098-7654\",\"$4,000.00\",\"101\",\"$4,000.00\",#FALSE#\r\n");
        }
    }

    // The faults of the window at its size now, and after the user enlarged it.
    static QStringList walk(Screen& screen, const QString& state) {
        const ScreenCase& screenCase = GetParam();
        Settle();
        const QSize opening = screen.size();
        saveShot(screen, screenCase.name, state);
        QStringList faults;
        for (const QSize size : {opening, opening + QSize(320, 200)}) {
            screen.resize(size);
            Settle();
            GeometryWalk walk(screenCase,
                              QStringLiteral("%1 [%2, %3]")
                                  .arg(QString::fromLatin1(screenCase.name), state, SizeText(size)),
                              screen.frameGeometry().width() >= screen.screen()->availableGeometry().width());
            walk.walk(screen);
            if (size == opening) walk.checkOnScreen(screen);
            faults += walk.faults();
        }
        screen.resize(opening);
        Settle();
        return faults;
    }

    // For looking at the screens: KESTROVA_SCREEN_SHOTS names a folder for their pictures.
    static void saveShot(Screen& screen, const char* name, const QString& state) {
        const QString folder = qEnvironmentVariable("KESTROVA_SCREEN_SHOTS");
        if (folder.isEmpty()) return;
        QString file = QString::fromLatin1(name) + u'-' + state;
        file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9-]+")), QStringLiteral("_"));
        screen.grab().save(folder + u'/' + file + QStringLiteral(".png"));
    }
};

TEST_P(ScreenGeometryTest, ScreenReadsWholeAtItsOpeningSizeAndLarger) {
    const ScreenCase& screenCase = GetParam();
    Main();
    ASSERT_TRUE(ended.empty());
    Screen& screen = screenCase.open();
    ASSERT_TRUE(screen.isVisible()) << screenCase.name;
    QStringList faults = walk(screen, QStringLiteral("opening"));
    for (const ScreenState& state : screenCase.states) {
        state.enter(screen);
        faults += walk(screen, QString::fromLatin1(state.name));
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

namespace {

template <class F> std::function<Screen&()> Open() {
    return []() -> Screen& { return ShowScreen<F>(); };
}

template <class F> ScreenState Step(const char* name, std::function<void(F&)> enter) {
    return {name, [enter](Screen& screen) { enter(static_cast<F&>(screen)); }};
}

ScreenState SetupTab(int tab, const char* name) {
    return Step<frmSetup>(name, [tab](frmSetup& s) {
        s.tabInfo->setCurrentIndex(tab);
        s.tabInfo_Click();
    });
}

std::vector<ScreenState> SetupTabs() {
    return {
        SetupTab(frmSetup::BankOptionTab, "Payroll Creation"), SetupTab(frmSetup::AmbletonTab, "Ambleton"),
        SetupTab(frmSetup::PayrollCheckbookTab, "Payroll Checkbook"),
        SetupTab(frmSetup::MatchingTab, "401 k"), SetupTab(frmSetup::AssistanceTab, "Program Assistance")};
}

// The label program on sibling files of every kind, one state a tab.
Screen& OpenLabels() {
    using namespace labelfiles;
    const auto write = [](const QString& name, const QByteArray& bytes) { WriteWholeFile(name, bytes); };
    write(CustomerDataFile, Bytes<CustomerRecord>({Person(QStringLiteral("Ada"), QStringLiteral("Byrne")),
                                                   Business(QStringLiteral("Coral Mill Agricultural Supply Company"))}));
    write(ContractInfoFile, Bytes<ContractRecord>({Contract(QStringLiteral("Lawn Care"), QStringLiteral("5 Pier Road"))}));
    write(CycleInfoFile, Bytes<CycleRecord>({Cycle(1, 2)}));
    write(ServicesFile, Bytes<ServiceRecord>({Service(QStringLiteral("Lawn Care and Seasonal Garden Maintenance"))}));
    write(VendorDataFile, Bytes<VendorRecord>({Vendor(QStringLiteral("Bolt Supply"))}));
    write(StatementFile, "\"Coral Mill Agricultural Supply Company\"\r\n");
    return ShowScreen<labels::frmMain>();
}

ScreenState LabelTab(int tab, const char* name, std::function<void(labels::frmMain&)> then = {}) {
    return Step<labels::frmMain>(name, [tab, then](labels::frmMain& s) {
        s.SSTab1->setCurrentIndex(tab);
        if (then) then(s);
    });
}

std::vector<ScreenState> LabelTabs() {
    return {LabelTab(labels::frmMain::PrintSetupTab, "print setup", [](labels::frmMain& s) { s.ckReturn->setChecked(true); }),
            LabelTab(labels::frmMain::BusinessTab, "business"),
            LabelTab(labels::frmMain::CustomerTab, "customers"),
            LabelTab(labels::frmMain::CustomerTab, "customer search", [](labels::frmMain& s) { s.Command1_Click(2); }),
            LabelTab(labels::frmMain::CustomerTab, "billing search", [](labels::frmMain& s) { s.Command1_Click(12); }),
            LabelTab(labels::frmMain::CustomerTab, "recipients", [](labels::frmMain& s) { s.Command1_Click(9); }),
            LabelTab(labels::frmMain::BusinessTab, "international business", [](labels::frmMain& s) { s.optStyle[1]->click(); }),
            LabelTab(labels::frmMain::VendorTab, "vendors"),
            LabelTab(labels::frmMain::StatementTab, "statements"),
            LabelTab(labels::frmMain::GeneralTab, "general"),
            LabelTab(labels::frmMain::EmployeeTab, "employees")};
}

// Three paychecks of today in the register, listed for voiding.
void ListTodaysPaychecks(frmPurge& s) {
    QByteArray checks;
    for (int check : {2044, 2045, 2046})
        checks += PaycheckEntry(check, Today(), QStringLiteral("Abigail Montgomery-Fairweather"),
                                Money::fromCents(123456789)).encode();
    WriteWholeFile(s.RegisterFile, checks);
    s.fraVoidChecks->show();
    s.LoadDatePaychecks();
}

// One row a screen, one step a line.
// clang-format off
const ScreenCase Screens[] = {
    {"splash", NoMoreFiles, Open<frmSplash>(),
     {Step<frmSplash>("welcome", [](frmSplash& s) { s.cmdContinue_Click(); })}, {}, {}},
    {"main menu", BusinessFile, Open<frmStartup>(), {}, {}, {}},
    {"about", BusinessFile, Open<frmAbout>(), {}, {}, {}},
    {"setup", NoMoreFiles, Open<frmSetup>(), SetupTabs(), {}, {}},
    {"setup with a general checkbook", BusinessFile | Checkbooks, Open<frmSetup>(), SetupTabs(), {}, {}},
    {"tax tables", BusinessFile, Open<frmTables>(),
     {Step<frmTables>("percentage table", [](frmTables& s) { s.mnuPercentage_Click(); }),
      Step<frmTables>("allowance table", [](frmTables& s) { s.mnuAllowance_Click(); }),
      Step<frmTables>("help", [](frmTables& s) { s.mnuHelp_Click(); })},
     {}, {}},
    {"employees", BusinessFile, Open<frmEmployees>(),
     {Step<frmEmployees>("employee loaded",
                         [](frmEmployees& s) { s.lstEmployees->setCurrentRow(0); s.cmdEmployee_Click(EmployeeButton::Load); }),
      Step<frmEmployees>("personal", [](frmEmployees& s) { s.mnuPersonal_Click(); }),
      Step<frmEmployees>("taxes", [](frmEmployees& s) { s.mnuTaxes_Click(); }),
      Step<frmEmployees>("new employee", [](frmEmployees& s) { s.mnuAdd_Click(); })}, {}, {}},
    {"new employee worksheet", BusinessFile, Open<frmNewEmployee>(), {}, {}, {}},
    {"backup and restore", BusinessFile, Open<frmArchive>(), {}, {}, {}},
    {"employee reports", BusinessFile, Open<frmEmpReports>(),
     {Step<frmEmpReports>("report", [](frmEmpReports& s) { for (int i : {6, 1}) s.cmdEmplloyee_Click(i); })}, {}, {}},
    {"pay run", BusinessFile, Open<frmPayroll>(),
     {Step<frmPayroll>("taxes calculated",
                       [](frmPayroll& s) { for (int i : {17, 14, 13}) s.cmdPayroll_Click(i); }),
      Step<frmPayroll>("aux grid", [](frmPayroll& s) { s.cmdPayroll_Click(PayrollButton::ToggleAux); }),
      Step<frmPayroll>("bonus", [](frmPayroll& s) { for (int i : {1, 4}) s.cmdPayroll_Click(i); }),
      Step<frmPayroll>("hours entry", [](frmPayroll& s) { s.cmdPayroll_Click(PayrollButton::SaveBonus); s.ClearHoursEntry(true); }),
      Step<frmPayroll>("state tax entry", [](frmPayroll& s) { s.mnuState_Click(); }),
      Step<frmPayroll>("memo and state table",
                       [](frmPayroll& s) { s.mnuMemo_Click(); s.mnuStateTable_Click(); }),
      Step<frmPayroll>("privacy shade", [](frmPayroll& s) { s.imgShadeDown_Click(0); }),
      Step<frmPayroll>("finish", [](frmPayroll& s) { s.imgShadeUp_Click(); s.cmdPayroll_Click(PayrollButton::CalculateTaxes);
                                                     s.cmdPayroll_Click(PayrollButton::Finalize); })},
     {}, {QStringLiteral("fraHide")}},
    {"payroll creation", BusinessFile, Open<creator::frmPayroll>(),
     {Step<creator::frmPayroll>("working frame",
                                [](creator::frmPayroll& s) { s.cmdPrintDeposit_Click(creator::DepositButton::Start);
                                                             s.cmdPayroll_Click(creator::PayrollButton::PayAll);
                                                             s.cmdPayroll_Click(creator::PayrollButton::CalculateTaxes); }),
      Step<creator::frmPayroll>("hours and manual entry",
                                [](creator::frmPayroll& s) { s.fgEmployees->setCol(creator::Col::Hours);
                                                             s.fgEmployees_Click();
                                                             s.fgAux->setCol(creator::AuxColumn::Insurance);
                                                             s.fgAux_Click(); }),
      Step<creator::frmPayroll>("aux grid", [](creator::frmPayroll& s) { s.cmdPayroll_Click(creator::PayrollButton::ToggleAux); }),
      Step<creator::frmPayroll>("deposit frame", [](creator::frmPayroll& s) { s.cmdPayroll_Click(creator::PayrollButton::Continue); })},
     {}, {}},
    {"payroll reports", BusinessFile, Open<frmReports>(),
     {Step<frmReports>("941 grid", [](frmReports& s) { s.optReports_Click(3); s.cmdReports_Click(1); }),
      Step<frmReports>("W-2 grids", [](frmReports& s) { s.optReports_Click(0); s.cmdReports_Click(1); }),
      Step<frmReports>("unemployment detail", [](frmReports& s) { s.optReports_Click(4); s.cmdReports_Click(1); }),
      Step<frmReports>("privacy shade", [](frmReports& s) { s.Image3_Click(); })},
     {}, {QStringLiteral("fraHide")}},
    {"creator menu", NoMoreFiles, Open<creator::frmStartup>(), {}, {}, {}},
    {"monthly summary entry", NoMoreFiles, Open<creator::frmHistory>(),
     {Step<creator::frmHistory>("aux grid", [](creator::frmHistory& s) { s.cmdHistory_Click(creator::HistoryButton::ToggleAux); }),
      Step<creator::frmHistory>("help", [](creator::frmHistory& s) { s.mnuHelp_Click(); })}, {}, {}},
    {"labels", BusinessFile, OpenLabels, LabelTabs(), {}, {}},
    {"year end", BusinessFile, Open<yearend::frmMain>(),
     {Step<yearend::frmMain>("W-2 grid", [](yearend::frmMain& s) { s.LoadW2Grid(); })}, {}, {}},
    {"payroll purge", BusinessFile | Checkbooks, Open<frmPurge>(),
     {Step<frmPurge>("void frame", ListTodaysPaychecks)}, {}, {}},
};
// clang-format on

void PrintTo(const ScreenCase& screenCase, std::ostream* out) {
    *out << screenCase.name;
}

std::string CaseName(const ::testing::TestParamInfo<ScreenCase>& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(EveryScreen, ScreenGeometryTest, ::testing::ValuesIn(Screens), CaseName);
