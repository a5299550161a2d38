#pragma once

#include "ReportData.h"
#include "Screen.h"

#include <QString>

#include <array>

class FlexGrid;
class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// The clickable date captions among Label1.
inline constexpr int LastYearLabelIndex = 12;
inline constexpr int YearToDateLabelIndex = 17;

// One page of the tax references that the reports screen's menus open.
struct ReferencePage {
    const char* name;
    const char* caption;
    const char* address;
};
// The "IRS Forms" items (first seven) and the "IRS Instructions" items, in menu order.
extern const std::array<ReferencePage, 16> ReferencePages;

// "Payroll Reports": the period, quarter and year figures an employer files, on
// screen and on paper. The figures come from ReportData; the screen shows them.
class frmReports : public Screen {
    Q_OBJECT

public:
    frmReports();

    std::array<QRadioButton*, 9> optReports{};
    std::array<QPushButton*, 9> cmdReports{};
    QDateEdit* DTStart = nullptr;
    QDateEdit* DTEnd = nullptr;
    QListWidget* lstQuarter = nullptr;
    std::array<QLabel*, 18> Label1{};
    QGroupBox* fraReports = nullptr;
    QGroupBox* fraEmployees = nullptr;
    QGroupBox* fraUnemployment = nullptr;
    QGroupBox* fraHide = nullptr;
    FlexGrid* fgReports = nullptr;
    FlexGrid* fgEmployeeData = nullptr;
    FlexGrid* fgUnemployment = nullptr;
    QLabel* Image2 = nullptr;
    std::array<QLabel*, 3> Image3{};
    std::array<QAction*, 16> mnuPages{};

    void cmdReports_Click(int index);
    void optReports_Click(int index);
    void lstQuarter_Click();
    void Label1_Click(int index);
    void Image2_Click();
    void Image3_Click();
    void mnuPage_Click(int index);

    void LoadReportData();
    void LoadSummaryReport(int reportIndex);
    // Returns the number of employees listed.
    int LoadEmployeeData();
    void LoadUnemploymentDetail();
    void ZeroReportTotals();
    void ClearReportsGrid();
    void ClearEmployeeDataGrid();
    void ClearAllGrids();
    void HighlightGridCell(int row, int col);
    void SelectLastYear();

    // The chosen report option, 9 when none is chosen.
    int ReportIndex() const;
    QDate StartDate() const;
    QDate EndDate() const;
    // The report totals of the last load of the period grid.
    const SummaryAmounts& ReportTotals() const { return reportTotals_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_QueryUnload(UnloadMode mode, bool& cancel) override;

private:
    void buildFace();
    void buildMenus();
    QWidget* buildControls();
    QWidget* buildDataFrames();
    void setRange(const DateRange& range);
    void PrintReports();
    void HideFrames();

    SummaryAmounts reportTotals_{};
    UnemploymentFigures unemploymentTotals_;
    // A W-2 load put the start date's year into the employee file.
    bool loadedYear_ = false;
};
