#pragma once

// A program folder in which the history creator starts, with the shipped tax files, the
// process end recorded instead of happening.

#include "../payroll/shell/ShellFixture.h"

#include "CreatorMain.h"
#include "DataFiles.h"
#include "RecordSupport.h"
#include "frmTables.h"

class CreatorTest : public ShellTest {
protected:
    CreatorTest() {
        previousName_ = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(creator::ProductName);
        for (const char* file : {"Deductions.txt", "NonResidentTaxTable.txt", "PercentageTable.txt", "StateTaxTables.txt",
                                 "StateTaxes.txt", "StateTaxesMarginal.txt", "TaxTable.txt", "TaxVariables.txt"})
            copyShipped(QString::fromLatin1(file));
    }
    ~CreatorTest() override {
        UnloadAllScreens();
        SetRestoreNotice(nullptr);
        SetTablesVariant(TablesVariant::Main);
        QCoreApplication::setApplicationName(previousName_);
    }

    static void writeThreeEmployees() {
        testrecords::WriteEmployees({testrecords::Employee(1, QStringLiteral("Ada Brook")),
                                     testrecords::Employee(2, QStringLiteral("Ben Cole")),
                                     testrecords::Employee(3, QStringLiteral("Cy Dunn"))});
    }

private:
    QString previousName_;
};
