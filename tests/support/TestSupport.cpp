#include "TestSupport.h"

#include "DataFiles.h"
#include "Dates.h"
#include "Globals.h"
#include "Hook.h"
#include "Screen.h"

#include <QCoreApplication>
#include <QEvent>

#include <QDir>
#include <QFile>
#include <QFileInfo>

ProgramFolderTest::ProgramFolderTest() {
    SetProgramFolder(dir.path());
    ResetGlobals();
    SetTodayForTesting(fixedToday());
}

ProgramFolderTest::~ProgramFolderTest() {
    // Screens are single instances for the whole test program: every test starts without any.
    UnloadAllScreens();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SetExitProgramHandler({});
    Hook::clearAll();
    SetTodayForTesting(std::nullopt);
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
