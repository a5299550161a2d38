#include "Archive.h"

#include "Globals.h"
#include "SafeWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {

// Volumes the desktop mounts for media that come and go.
bool IsRemovable(const QString& rootPath) {
    for (const char* place : {"/media/", "/run/media/", "/mnt/"})
        if (rootPath.startsWith(QLatin1String(place))) return true;
    return false;
}

// The kernel's own file systems hold nothing a user could archive to.
bool IsSystemVolume(const QString& rootPath) {
    for (const char* place : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"})
        if (rootPath == QLatin1String(place) || rootPath.startsWith(QLatin1String(place) + u'/'))
            return !IsRemovable(rootPath);
    return false;
}

QStringList Absent(const QString& folder) {
    QStringList absent;
    for (const QString& name : PayrollFileSet())
        if (!QFileInfo(QDir(folder).filePath(name)).isFile()) absent << name;
    return absent;
}

ArchiveResult Copied(const QString& folder) {
    ArchiveResult result;
    result.folder = folder;
    result.outcome = CopyPayrollFiles(SetCopy::Together);
    if (!result.outcome.damaged.isEmpty() || !result.outcome.failed.empty())
        result.kind = ArchiveResult::Kind::NotCopied;
    return result;
}

ArchiveResult NotWritable(const QString& folder) {
    ArchiveResult result;
    result.kind = ArchiveResult::Kind::FolderNotWritable;
    result.folder = QDir::toNativeSeparators(folder);
    return result;
}

} // namespace

QString ArchiveFolder(const QString& root) {
    return QDir::cleanPath(QDir(root).filePath(QStringLiteral("Archive/Payroll")));
}

std::vector<ArchiveRoot> ArchiveRoots() {
    std::vector<ArchiveRoot> roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || IsSystemVolume(volume.rootPath())) continue;
        const QString name = volume.name().isEmpty() ? volume.displayName() : volume.name();
        roots.push_back({name, volume.rootPath(), IsRemovable(volume.rootPath())});
    }
    std::ranges::stable_sort(roots, [](const ArchiveRoot& a, const ArchiveRoot& b) {
        if (a.removable != b.removable) return a.removable;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return roots;
}

ArchiveResult ArchivePayrollFiles(const QString& root) {
    const QDir rootDir(root);
    if (root.isEmpty() || !rootDir.exists()) return NotWritable(root);
    // Folders made here are taken away again when nothing could be archived in them.
    QStringList made;
    const auto takeBackFolders = [&made] {
        for (auto it = made.crbegin(); it != made.crend(); ++it)
            QDir().rmdir(*it);
    };
    for (const QString& folder : {rootDir.filePath(QStringLiteral("Archive")), ArchiveFolder(root)}) {
        if (QFileInfo(folder).isDir()) continue;
        if (!QDir().mkdir(folder)) {
            takeBackFolders();
            return NotWritable(QFileInfo(folder).absolutePath());
        }
        made << folder;
    }
    const QString folder = ArchiveFolder(root);
    if (!QFileInfo(folder).isWritable()) return NotWritable(folder);
    RemoveLeftoverTemporaries(folder);
    SourceFolder = ProgramFolder() + u'/';
    TargetFolder = folder + u'/';
    ArchiveResult result = Copied(QDir::toNativeSeparators(folder));
    result.absent = Absent(ProgramFolder());
    if (result.kind != ArchiveResult::Kind::Done) takeBackFolders();
    return result;
}

ArchiveResult ReinstallPayrollFiles(const QString& root) {
    const QString folder = ArchiveFolder(root);
    ArchiveResult result;
    result.absent = Absent(folder);
    if (root.isEmpty() || result.absent.size() == PayrollFileSet().size()) {
        result.kind = ArchiveResult::Kind::NoArchive;
        result.folder = QDir::toNativeSeparators(folder);
        return result;
    }
    RemoveLeftoverTemporaries(folder);
    SourceFolder = folder + u'/';
    TargetFolder = ProgramFolder() + u'/';
    const QStringList absent = result.absent;
    result = Copied(QDir::toNativeSeparators(folder));
    result.absent = absent;
    return result;
}

QString ArchiveReport(const ArchiveResult& result, bool reinstall) {
    using Kind = ArchiveResult::Kind;
    const QString nothing =
        reinstall
            ? QStringLiteral("Nothing was restored: your payroll files are as they were.")
            : QStringLiteral("Nothing was archived: the archive in %1 is as it was.").arg(result.folder);
    switch (result.kind) {
    case Kind::FolderNotWritable:
        return QStringLiteral("The folder %1 cannot be written to.\r\nNothing was archived.")
            .arg(result.folder);
    case Kind::NoArchive:
        return QStringLiteral("There are no archived payroll files in %1.\r\n%2").arg(result.folder, nothing);
    case Kind::Done:
    case Kind::NotCopied:
        break;
    }
    const SetCopyOutcome& outcome = result.outcome;
    QStringList lines;
    if (!outcome.copied.isEmpty())
        lines << (reinstall ? QStringLiteral("Restored from %1:") : QStringLiteral("Archived in %1:"))
                     .arg(result.folder)
              << outcome.copied.join(QStringLiteral(", "));
    if (!outcome.damaged.isEmpty())
        lines << QStringLiteral("Damaged, so nothing was copied: %1")
                     .arg(outcome.damaged.join(QStringLiteral(", ")));
    for (const FileError& error : outcome.failed)
        lines << error.userMessage();
    if (reinstall && !result.absent.isEmpty())
        lines << QStringLiteral("Not in the archive, kept as they were: %1")
                     .arg(result.absent.join(QStringLiteral(", ")));
    if (outcome.copied.isEmpty()) lines << nothing;
    return lines.join(QStringLiteral("\r\n"));
}
