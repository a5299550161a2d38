#pragma once

#include "Dialogs.h"
#include "SafeWrite.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Failed comparisons of texts print the texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// A write of the file failing at each step in turn: opening, writing (at once and
// after a few bytes), flushing, syncing, renaming.
std::vector<WriteFault> FaultsAtEveryStep(const QString& fileName);
// "Employees.txt failing at sync (after 0 bytes)", for traces.
std::string Described(const WriteFault& fault);

// Content that reads whole as the payroll-set file of that name (ReadsWhole), told
// apart by its tag: records with a pay or check date, or every item of the file's
// layout ("1", which is both a text and a check box) followed by the tag.
QByteArray WholeSetFile(const QString& name, const QByteArray& tag);

class QWidget;

// The keyboard as the user works it: a key pressed on a widget (what the key types, if
// anything, as text), and the key pressed on whichever widget of the window has the focus.
void PressKey(QWidget* target, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void PressKeyIn(QWidget* window, int key, const QString& text = {});
// Tab (or Shift+Tab) until the window's focus is on the widget; false when it never is.
bool TabTo(QWidget* window, const QWidget* target, int mostPresses = 80);
// Shows the window as the active one, so that the focus moves within it as it does for a user.
bool ActivateWindow(QWidget* window);

// Every test that touches files runs in a fresh, empty program folder, with the
// shared variables reset, today fixed and message boxes scripted.
class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramFolderTest();
    ~ProgramFolderTest() override;

    // Full path of a relative name inside the test's program folder.
    QString path(const QString& relativeName) const;
    void writeFile(const QString& relativeName, const QByteArray& bytes) const;
    QByteArray readFile(const QString& relativeName) const;
    bool exists(const QString& relativeName) const;
    void makeFolder(const QString& relativeName) const;
    // Copies a shipped input file from data/ into the program folder.
    void copyShipped(const QString& fileName) const;

    QTemporaryDir dir;
    ScriptedDialogsScope dialogs;
    static QDate fixedToday() { return QDate(2026, 6, 15); }
};
