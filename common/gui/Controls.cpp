#include "Controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <utility>

bool IsClickKey(const QKeyEvent& key) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    return key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

namespace {

class ClickAnswer : public QObject {
public:
    ClickAnswer(QWidget* control, std::function<void()> click)
        : QObject(control), control_(control), click_(std::move(click)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != control_) return false;
        switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            const auto& mouse = *static_cast<QMouseEvent*>(event);
            if (mouse.button() == Qt::LeftButton && control_->rect().contains(mouse.position().toPoint()))
                click_();
            return true;
        }
        case QEvent::KeyPress:
            if (!IsClickKey(*static_cast<QKeyEvent*>(event))) return false;
            click_();
            return true;
        case QEvent::Paint:
            return paintFocusFrame(event);
        default:
            return false;
        }
    }

private:
    // A picture or a caption draws no focus of its own: the frame is drawn over what
    // the control painted.
    bool paintFocusFrame(QEvent* event) {
        if (painting_ || !control_->hasFocus() || qobject_cast<QLabel*>(control_) == nullptr) return false;
        painting_ = true;
        static_cast<QObject*>(control_)->event(event);
        painting_ = false;
        QPainter painter(control_);
        QStyleOptionFocusRect frame;
        frame.initFrom(control_);
        control_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, control_);
        return true;
    }

    QWidget* control_;
    std::function<void()> click_;
    bool painting_ = false;
};

} // namespace

void AnswerClick(QWidget* control, std::function<void()> click) {
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new ClickAnswer(control, std::move(click)));
}

namespace {

// Tells apart a click that moves the current item (answered as the item moves) from a
// click on the item that is current already.
class ChoiceAnswer : public QObject {
public:
    ChoiceAnswer(QListWidget* list, std::function<void(int)> choose)
        : QObject(list), list_(list), choose_(std::move(choose)) {
        list->viewport()->installEventFilter(this);
        // The item the list highlights: the focus alone makes an item current without
        // choosing it.
        connect(list, &QListWidget::itemSelectionChanged, this, [this] {
            const QListWidgetItem* current = list_->currentItem();
            if (current != nullptr && current->isSelected()) choose_(list_->currentRow());
        });
        connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            const int row = list_->row(item);
            if (row == rowAtPress_ && row == list_->currentRow()) choose_(row);
        });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) rowAtPress_ = list_->currentRow();
        return false;
    }

private:
    QListWidget* list_;
    std::function<void(int)> choose_;
    int rowAtPress_ = -1;
};

} // namespace

void AnswerChoice(QListWidget* list, std::function<void(int)> choose) {
    new ChoiceAnswer(list, std::move(choose));
}
