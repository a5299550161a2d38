#pragma once

// A program folder in which the main program starts, with the process end and the
// web pages recorded instead of happening.

#include "Dates.h"
#include "Records.h"
#include "Screen.h"
#include "SingleInstance.h"
#include "TestSupport.h"
#include "WebPage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QStringList>

#include <ostream>
#include <vector>

class ShellTest : public ProgramFolderTest {
protected:
    ShellTest() {
        previousEnd_ = SetEndProcessHandler([this](int code) { ended.push_back(code); });
        previousOpener_ = SetUrlOpener([this](const QString& address) { opened.append(address); });
    }
    ~ShellTest() override {
        UnloadAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ReleaseProgramLock();
        SetEndProcessHandler(previousEnd_);
        SetUrlOpener(previousOpener_);
    }

    // The business record and the bank option: the splash goes on to the main menu.
    void writeBusinessData() const {
        writeFile(QStringLiteral("MyBusinessData.txt"),
                  "\"Harlan Feed & Seed\",\"14 Mill Road\",\" \",\"Macon\",\"Georgia\",\"31201\","
                  "\"478-555-0142\",\" \",\"58-1234567\"\r\n");
        writeFile(QStringLiteral("PayrollInfo.txt"), "#TRUE#,#FALSE#,#FALSE#\r\n");
    }
    void writeSummaryRecords(int count) const {
        QByteArray bytes;
        SummaryRecord run;
        run.PayDate = OleDateOf(QDate(2026, 6, 12));
        run.TotalWages = Money::fromCents(184000);
        for (int i = 0; i < count; ++i)
            bytes += run.encode();
        writeFile(QStringLiteral("SummaryRecords.txt"), bytes);
    }

    static void closeBox(Screen& screen) {
        QCloseEvent close;
        QCoreApplication::sendEvent(&screen, &close);
    }
    static void deleteUnloadedScreens() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    QStringList opened;

private:
    std::function<void(int)> previousEnd_;
    UrlOpener previousOpener_;
};
