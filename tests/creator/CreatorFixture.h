#pragma once

// A program folder in which the history creator starts, with the shipped tax files and
// three employees, the process end recorded instead of happening.

#include "CreatorMain.h"
#include "DataFiles.h"
#include "FileErrors.h"
#include "RecordSupport.h"
#include "Screen.h"
#include "SingleInstance.h"
#include "TestSupport.h"
#include "frmTables.h"

#include <QCoreApplication>
#include <QStringList>

#include <vector>

class CreatorTest : public ProgramFolderTest {
protected:
    CreatorTest() {
        previousEnd_ = SetEndProcessHandler([this](int code) { ended.push_back(code); });
        previousName_ = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(creator::ProductName);
        for (const char* file : {"Deductions.txt", "NonResidentTaxTable.txt", "PercentageTable.txt", "StateTaxTables.txt",
                                 "StateTaxes.txt", "StateTaxesMarginal.txt", "TaxTable.txt", "TaxVariables.txt"})
            copyShipped(QString::fromLatin1(file));
    }
    ~CreatorTest() override {
        UnloadAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ReleaseProgramLock();
        SetEndProcessHandler(previousEnd_);
        SetRestoreNotice(nullptr);
        SetTablesVariant(TablesVariant::Main);
        QCoreApplication::setApplicationName(previousName_);
    }

    static void writeThreeEmployees() {
        testrecords::WriteEmployees({testrecords::Employee(1, QStringLiteral("Ada Brook")),
                                     testrecords::Employee(2, QStringLiteral("Ben Cole")),
                                     testrecords::Employee(3, QStringLiteral("Cy Dunn"))});
    }

    static QStringList visibleScreens() {
        QStringList names;
        for (Screen* screen : ScreenRegistry::loaded())
            if (screen->isVisible()) names.append(screen->objectName());
        return names;
    }
    static QStringList loadedScreens() {
        QStringList names;
        for (Screen* screen : ScreenRegistry::loaded())
            names.append(screen->objectName());
        return names;
    }

    std::vector<int> ended;

private:
    std::function<void(int)> previousEnd_;
    QString previousName_;
};
