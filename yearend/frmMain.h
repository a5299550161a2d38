#pragma once

#include "Money.h"
#include "Screen.h"

#include <array>
#include <optional>

class FlexGrid;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace yearend {

// The year-end program's one screen: offload a finished year's payroll records to a
// folder of its own in Backup, restore them, or print that year's W-2 summary.
class frmMain : public Screen {
    Q_OBJECT

public:
    enum Button { EndButton = 0, OffloadButton = 1, RestoreButton = 2, PrintButton = 3 };

    frmMain();

    void cmdOffload_Click(int index);

    // Rebuilds the year-to-date totals for the chosen year and shows a row per
    // employee; the number of rows (0 after telling the user there is no employee).
    int LoadW2Grid();
    // The landscape "Employee W-2 Summary Report" of the grid; the caller has shown
    // the print dialog.
    void PrintW2Summary();
    // Tells each year whose offload or restore stopped part-way, and how to finish it.
    void TellUnfinishedYears();

    QComboBox* cboYear = nullptr;
    std::array<QPushButton*, 4> cmdOffload{};
    // Only the captions the screen shows exist; the other elements stay null.
    std::array<QLabel*, 16> lblOffload{};
    QGroupBox* fraEmployees = nullptr;
    FlexGrid* fgEmployeeData = nullptr;

protected:
    void Form_Load() override;

private:
    QString chosenYear() const;
    // Tells that the year's offload or restore is unfinished, followed by `refused`;
    // false when it is not.
    bool TellUnfinished(const QString& year, const QString& refused = {});
    void Offload();
    void Restore();
    void PrintReports();

    bool fillingYears_ = false;
};

// The Social Security wage maximum, the seventh item of TaxVariables.txt; nullopt for
// "None" (no maximum). A file that ends early is reported as damaged and reads as no
// maximum. Throws FileError when the file cannot be read.
std::optional<Money> LoadTaxVariables();

} // namespace yearend
