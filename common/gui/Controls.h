#pragma once

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstddef>
#include <functional>

class QKeyEvent;
class QListWidget;

// Screens name every control after its control name, so that tests and screenshots
// find it; an element of a control array is named base_index ("TxtTables_2").
inline QString ControlName(const QString& base, int index) { return base + u'_' + QString::number(index); }

template <class W> W* NewControl(QWidget* parent, const QString& name) {
    auto* control = new W(parent);
    control->setObjectName(name);
    return control;
}

template <class W, std::size_t N>
void NewControls(std::array<W*, N>& controls, QWidget* parent, const QString& base) {
    for (std::size_t i = 0; i < N; ++i) controls[i] = NewControl<W>(parent, ControlName(base, static_cast<int>(i)));
}

// A box that shows a preset (a first check number, a blank) takes the focus with its
// whole text selected, so that what the user types replaces the preset instead of
// joining it. The selection waits for the event loop: a mouse click that gave the focus
// would otherwise place the cursor over it.
inline void SelectWholeTextOnFocus(QLineEdit* box) {
    class Selector : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::FocusIn) {
                auto* focused = static_cast<QLineEdit*>(watched);
                QTimer::singleShot(0, focused, [focused] { focused->selectAll(); });
            }
            return false;
        }
    };
    box->installEventFilter(new Selector(box));
}

// Space and Enter (either one) act as a click on the focused control.
bool IsClickKey(const QKeyEvent& key);

// A control that answers a click (a picture, a caption, a box that picks a label
// position) answers the keyboard alike: Tab reaches it, a focus frame shows it has the
// focus, and Space or Enter then runs the click. A press dragged off the control and
// let go elsewhere is no click.
void AnswerClick(QWidget* control, std::function<void()> click);

// A list whose choice the screen acts on follows its highlighted item, however that
// moved (a click, the arrow keys, the program): the choice runs with its row. A click
// on the highlighted item runs it again, so that the user can take a choice back after
// changing what it set.
void AnswerChoice(QListWidget* list, std::function<void(int)> choose);

// Shows the hourglass for the length of a long step.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
