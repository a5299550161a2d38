#pragma once

// A program folder for the setup screen and its checkbooks: web pages and the process
// end are recorded instead of happening.

#include "Screen.h"
#include "TestSupport.h"
#include "WebPage.h"
#include "frmSetup.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>

#include <vector>

class SetupTest : public ProgramFolderTest {
protected:
    SetupTest() {
        previousEnd_ = SetEndProcessHandler([this](int code) { ended.push_back(code); });
        previousOpener_ = SetUrlOpener([this](const QString& address) { opened.append(address); });
    }
    ~SetupTest() override {
        UnloadAllScreens();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetEndProcessHandler(previousEnd_);
        SetUrlOpener(previousOpener_);
    }

    static frmSetup& setup() { return Form<frmSetup>(); }

    // The general account (Ambleton's) and the payroll account, as the programs write them.
    void writeGeneralCheckbook(const QByteArray& line = "\"First Farmers Bank\",\"0012-7781\",\"$1,250.00\","
                                                        "\"2417\",\"$500.00\",0,0,0\r\n") const {
        writeFile(QStringLiteral("CheckbookInfo.txt"), line);
    }
    void writePayrollCheckbook(const QByteArray& line = "\"Macon Savings\",\"88-301\",\"$300.00\",\"1001\","
                                                        "\"$300.00\",#FALSE#\r\n") const {
        writeFile(QStringLiteral("PayrollCheckbookInfo.txt"), line);
    }

    static void type(QLineEdit* box, Qt::Key key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(box, &press);
    }
    static void leave(QLineEdit* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
    }

    std::vector<int> ended;
    QStringList opened;

private:
    std::function<void(int)> previousEnd_;
    UrlOpener previousOpener_;
};
