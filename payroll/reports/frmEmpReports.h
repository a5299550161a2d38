#pragma once

#include "Screen.h"

#include <QString>

#include <array>
#include <functional>

class FlexGrid;
class QDateEdit;
class QGroupBox;
class QListWidget;
class QPushButton;

// The employee pay-history report: the paychecks of the ticked employees within a
// date range, each employee's followed by its totals, on screen and on landscape paper.
class frmEmpReports : public Screen {
    Q_OBJECT

public:
    frmEmpReports();

    // The mark of a selected employee in column 0 of the selection grid.
    static const QString SelectedMark;

    FlexGrid* fgEmployees = nullptr;
    FlexGrid* fgReport = nullptr;
    QGroupBox* fraReport = nullptr;
    QDateEdit* DTStart = nullptr;
    QDateEdit* DTEnd = nullptr;
    QListWidget* lstQuarter = nullptr;
    std::array<QPushButton*, 8> cmdEmplloyee{};

    void cmdEmplloyee_Click(int index);
    void fgEmployees_Click(int row, int col);
    void lstQuarter_Click(int item);

    void LoadEmployeeGrid();
    bool AnyEmployeeSelected() const;
    void BuildReport();
    // Fills employee row's paychecks, totals line and blank line from grid row next on;
    // returns the row after them.
    int AddEmployeeRows(int row, int next);
    // The whole print job, under the suite's print-error rule.
    void PrintReport();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void buildControls();
    void markAll(const QString& mark);
    // Runs the action for each selected row of the selection grid, in order.
    void forEachSelected(const std::function<void(int)>& action);
    void printPages();
};
