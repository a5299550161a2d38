#pragma once

#include "Screen.h"

#include <QString>

class QComboBox;
class QPushButton;
class QRadioButton;

// A copy of the payroll files on another disk (Backup), and the way back from it (Restore).
class frmArchive : public Screen {
    Q_OBJECT

public:
    frmArchive();

    QRadioButton* optArchive = nullptr;
    QRadioButton* optReinstall = nullptr;
    // The places to copy to or from: the mounted volumes, and any folder the user picks.
    QComboBox* Drive1 = nullptr;
    QPushButton* cmdFolder = nullptr;
    QPushButton* cmdArchive = nullptr;
    QPushButton* cmdReinstall = nullptr;
    QPushButton* Command2 = nullptr;

    void optArchive_Click();
    void optReinstall_Click();
    void cmdFolder_Click();
    void cmdArchive_Click();
    void cmdReinstall_Click();
    void Command2_Click();

    // Each returns whether the copy was made; a copy that was not is told to the user.
    bool Archive();
    bool Reinstall();

    // The root chosen in Drive1, to which "Archive/Payroll" is added.
    QString ArchiveDrive() const;
    // Puts a folder into Drive1 (once) and chooses it.
    void ChooseFolder(const QString& folder);

private:
    void buildControls();
    void chooseWay(QRadioButton* option, const QString& warning, const QString& title);
    void copyThenComplete(bool (frmArchive::*copy)());
    void ShowRoutineComplete();
    void ReloadPayrollFiles();
};
