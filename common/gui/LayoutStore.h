#pragma once

#include <QString>

class QWidget;

// Keeps each screen's size and position between runs, in "Layout.txt" of the program
// folder: one line per screen, keyed by the screen's settings name and its object
// name (several screens share the settings name "Payroll"). Qt's layouts scale the
// controls when a screen is resized, so only the window's own geometry is kept.
namespace LayoutStore {

// Puts the screen where it was last saved. Nothing stored: the screen keeps its own
// size and place. A place off every monitor is moved onto the primary one.
void restore(const QString& settingsName, QWidget& screen);
// Stores the screen's current size and place (its normal size when maximized). A
// failure to write is not worth interrupting the user for: the old layout stays.
void save(const QString& settingsName, QWidget& screen);

} // namespace LayoutStore
