#include "TestSupport.h"

#include "DataFiles.h"
#include "Dates.h"
#include "Globals.h"
#include "Hook.h"
#include "Records.h"
#include "SafeWrite.h"
#include "Screen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <QDir>
#include <QFile>
#include <QFileInfo>

ProgramFolderTest::ProgramFolderTest() {
    SetProgramFolder(dir.path());
    ResetGlobals();
    SetTodayForTesting(fixedToday());
}

namespace {

QString ShownDialogs(const ScriptedDialogs& d) {
    QString list;
    for (const ScriptedDialogs::Shown& s : d.shown) {
        const char* kind = s.kind == ScriptedDialogs::Kind::Message ? "message"
                           : s.kind == ScriptedDialogs::Kind::Input ? "input"
                           : s.kind == ScriptedDialogs::Kind::PrintDialog ? "print dialog"
                                                                          : "folder dialog";
        list += QStringLiteral("\n  %1 \"%2\"").arg(QLatin1String(kind), s.text);
    }
    return list;
}

} // namespace

ProgramFolderTest::~ProgramFolderTest() {
    // Every question the test caused must have been scripted, and every scripted
    // answer asked for: a test that does not know what the user was asked proves little.
    if (dialogs->unanswered > 0 || !dialogs->pending.empty())
        ADD_FAILURE() << dialogs->unanswered << " question(s) without a scripted answer, "
                      << dialogs->pending.size() << " scripted answer(s) left unused; shown:"
                      << ShownDialogs(*dialogs).toStdString();
    // Screens are single instances for the whole test program: every test starts without any.
    UnloadAllScreens();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetExitProgramHandler({});
    Hook::clearAll();
    SetTodayForTesting(std::nullopt);
    InjectWriteFault(std::nullopt);
}

QString ProgramFolderTest::path(const QString& relativeName) const {
    QString name = relativeName;
    name.replace(u'\\', u'/');
    if (!name.startsWith(u'/')) name.prepend(u'/');
    return dir.path() + name;
}

void ProgramFolderTest::writeFile(const QString& relativeName, const QByteArray& bytes) const {
    QFileInfo info(path(relativeName));
    QDir().mkpath(info.absolutePath());
    QFile f(info.absoluteFilePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << relativeName.toStdString();
    f.write(bytes);
}

QByteArray ProgramFolderTest::readFile(const QString& relativeName) const {
    QFile f(path(relativeName));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

bool ProgramFolderTest::exists(const QString& relativeName) const { return QFileInfo::exists(path(relativeName)); }

void ProgramFolderTest::makeFolder(const QString& relativeName) const { QDir().mkpath(path(relativeName)); }

void ProgramFolderTest::copyShipped(const QString& fileName) const {
    const QString source = qEnvironmentVariable("KESTROVA_SHIPPED_DATA", QStringLiteral(KESTROVA_SOURCE_DIR "/data"))
                           + u'/' + fileName;
    QFile::remove(path(fileName));
    ASSERT_TRUE(QFile::copy(source, path(fileName))) << source.toStdString();
}

QByteArray WholeSetFile(const QString& name, const QByteArray& tag) {
    if (name.startsWith(QStringLiteral("Summary"))) {
        SummaryRecord summary;
        summary.PayDate = OleDateOf(QDate(2026, 1, 2));
        return summary.encode().left(8) + tag.leftJustified(SummaryRecord::Length - 8, '.', true);
    }
    if (name.contains(QStringLiteral("Register"))) {
        RegisterEntry entry;
        entry.CheckDate = QStringLiteral("1/2/2026");
        entry.Payee = QString::fromLatin1(tag);
        entry.Status = QStringLiteral("Printed");
        return entry.encode();
    }
    return QByteArray("\"1\",").repeated(16 * 14) + "\"" + tag + "\"\r\n";
}

std::vector<WriteFault> FaultsAtEveryStep(const QString& fileName) {
    return {{fileName, WriteStep::Open},  {fileName, WriteStep::Write}, {fileName, WriteStep::Write, 5},
            {fileName, WriteStep::Flush}, {fileName, WriteStep::Sync},  {fileName, WriteStep::Rename}};
}

std::string Described(const WriteFault& fault) {
    static const char* const steps[] = {"open", "write", "flush", "sync", "rename"};
    return fault.fileName.toStdString() + " failing at " + steps[static_cast<int>(fault.step)] + " (after " +
           std::to_string(fault.afterBytes) + " bytes)";
}

void PressKey(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    if (QWidget* focus = target->window()->focusWidget()) QCoreApplication::sendEvent(focus, &release);
    QCoreApplication::processEvents();
}

void PressKeyIn(QWidget* window, int key, const QString& text) {
    QWidget* focus = window->focusWidget();
    PressKey(focus ? focus : window, key, text);
}

bool TabTo(QWidget* window, const QWidget* target, int mostPresses) {
    for (int i = 0; i < mostPresses && window->focusWidget() != target; ++i)
        PressKeyIn(window, Qt::Key_Tab);
    return window->focusWidget() == target;
}

bool ActivateWindow(QWidget* window) {
    window->show();
    window->activateWindow();
    for (int i = 0; i < 100 && QApplication::activeWindow() != window; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return QApplication::activeWindow() == window;
}
