#include "LayoutStore.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "DelimitedFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <set>
#include <vector>

namespace {

// How much of a window must lie on a monitor for the user to reach it again.
constexpr int ReachableEdge = 40;

struct Entry {
    QString settingsName;
    QString screenName;
    QRect geometry;
    bool maximized = false;
};

// Far more than the lines of every screen of the suite. A file grown beyond it (junk
// appended by something else) is read only this far, and the next save writes back
// only the lines read, so no screen waits for it again.
constexpr qint64 LayoutReadLimit = 64 * 1024;

std::vector<Entry> ReadEntries() {
    std::vector<Entry> entries;
    QFile file(DataPath(LayoutFile));
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QByteArray bytes = file.read(LayoutReadLimit);
    // A line that the limit cuts is not read: its numbers would be cut too.
    if (!file.atEnd()) bytes.truncate(bytes.lastIndexOf('\n') + 1);
    DelimitedReader reader(bytes, LayoutFile);
    std::set<QString> keys;
    while (!reader.atEnd()) {
        Entry e;
        e.settingsName = reader.readText();
        e.screenName = reader.readText();
        const auto x = reader.readWhole();
        const auto y = reader.readWhole();
        const auto w = reader.readWhole();
        const auto h = reader.readWhole();
        e.maximized = reader.readFlag();
        if (reader.isShort()) break; // a damaged last line is dropped
        e.geometry = QRect(int(x), int(y), int(w), int(h));
        // Only the first line of a screen counts; the save writes no other.
        if (!keys.insert(e.settingsName + u'\n' + e.screenName).second) continue;
        entries.push_back(e);
    }
    return entries;
}

void WriteEntries(const std::vector<Entry>& entries) {
    DelimitedWriter writer;
    for (const Entry& e : entries)
        writer.write({Item::text(e.settingsName), Item::text(e.screenName), Item::number(e.geometry.x()),
                      Item::number(e.geometry.y()), Item::number(e.geometry.width()),
                      Item::number(e.geometry.height()), Item::flag(e.maximized)});
    WriteWholeFile(LayoutFile, writer.bytes());
}

// The monitor that shows most of the place, or none when no monitor shows enough of it
// to reach with the mouse.
const QScreen* MonitorShowing(const QRect& geometry) {
    const QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (const QScreen* monitor : QGuiApplication::screens()) {
        const QRect shared = monitor->availableGeometry().intersected(geometry);
        if (shared.width() < ReachableEdge || shared.height() < ReachableEdge) continue;
        const qint64 area = qint64{shared.width()} * shared.height();
        if (area > bestArea) {
            best = monitor;
            bestArea = area;
        }
    }
    return best;
}

// A place that no monitor shows any more (a monitor removed, a resolution lowered)
// moves to the primary monitor. A window saved larger than its monitor (an earlier
// version's layout, a lowered resolution) shrinks to it, and one that runs off its
// edge moves back, so the whole window is always in view.
QRect OnAMonitor(QRect geometry) {
    const QScreen* monitor = MonitorShowing(geometry);
    if (monitor == nullptr) monitor = QGuiApplication::primaryScreen();
    if (monitor == nullptr) return geometry;
    const QRect area = monitor->availableGeometry();
    if (MonitorShowing(geometry) == nullptr) geometry.moveTopLeft(area.topLeft());
    geometry.setSize(geometry.size().boundedTo(area.size()));
    geometry.moveLeft(std::clamp(geometry.left(), area.left(), area.right() + 1 - geometry.width()));
    geometry.moveTop(std::clamp(geometry.top(), area.top(), area.bottom() + 1 - geometry.height()));
    return geometry;
}

} // namespace

namespace LayoutStore {

void restore(const QString& settingsName, QWidget& screen) {
    for (const Entry& e : ReadEntries()) {
        if (e.settingsName != settingsName || e.screenName != screen.objectName()) continue;
        if (e.geometry.width() <= 0 || e.geometry.height() <= 0) return;
        screen.setGeometry(OnAMonitor(e.geometry));
        if (e.maximized) screen.setWindowState(screen.windowState() | Qt::WindowMaximized);
        return;
    }
}

void save(const QString& settingsName, QWidget& screen) {
    Entry mine{settingsName, screen.objectName(), screen.normalGeometry(), screen.isMaximized()};
    if (!mine.geometry.isValid()) mine.geometry = screen.geometry();
    std::vector<Entry> entries = ReadEntries();
    bool replaced = false;
    for (Entry& e : entries) {
        if (e.settingsName == settingsName && e.screenName == mine.screenName) {
            e = mine;
            replaced = true;
        }
    }
    if (!replaced) entries.push_back(mine);
    try {
        WriteEntries(entries);
    } catch (const FileError&) {
        // The layout is a convenience: the old one stays and the user's work goes on.
    }
}

} // namespace LayoutStore
