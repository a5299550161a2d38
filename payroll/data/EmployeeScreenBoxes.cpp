// The pay lists' coupling and the rules of the money and percent boxes of the
// employee screen: what happens as the focus and the keys move through them.

#include "Dialogs.h"
#include "FlexGrid.h"
#include "Globals.h"
#include "frmEmployees.h"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

QString ZeroText() {
    return CurrencyText(Money());
}

// Focus that comes and goes because a message box, a menu or another window took
// it for a while is not the user moving between boxes.
bool IsUserFocusMove(const QFocusEvent& event) {
    const Qt::FocusReason reason = event.reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

void SetBoxColour(QLineEdit* box, quint32 bbggrr) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, VbColor(bbggrr));
    box->setPalette(palette);
}

} // namespace

void frmEmployees::colourBox(int index, quint32 bbggrr) {
    SetBoxColour(txtEmployee[index], bbggrr);
}

void frmEmployees::mnuRestore_Click() {
    if (rememberedBox_ >= 0) txtEmployee[rememberedBox_]->setText(CurrencyText(rememberedAmount_));
    mnuRestore->setEnabled(false);
}

// ---- Pay status and frequency ------------------------------------------------------------------

void frmEmployees::cboFrequency_Click() {
    if (loading_) return;
    QLineEdit* payRate = txtEmployee[EmployeeBox::PayRate];
    payRate->setEnabled(true);
    const int frequency = cboFrequency->currentIndex();
    if (frequency == DailyFrequency) {
        cboPayStatus->setCurrentIndex(DailyStatus);
        payRate->setFocus();
    } else if (frequency == FlatRateFrequency) {
        cboPayStatus->setCurrentIndex(FlatRateStatus);
        payRate->setText(ZeroText());
        payRate->setEnabled(false);
    }
}

void frmEmployees::cboPayStatus_Click() {
    if (loading_) return;
    QLineEdit* payRate = txtEmployee[EmployeeBox::PayRate];
    payRate->setEnabled(true);
    const int status = cboPayStatus->currentIndex();
    if (status == DailyStatus) {
        cboFrequency->setCurrentIndex(DailyFrequency);
        payRate->setFocus();
    } else if (status == FlatRateStatus) {
        cboFrequency->setCurrentIndex(FlatRateFrequency);
        payRate->setText(ZeroText());
        payRate->setEnabled(false);
    }
}

void frmEmployees::updatePayRateEnabled() {
    const bool flatRate =
        cboPayStatus->currentIndex() == FlatRateStatus || cboFrequency->currentIndex() == FlatRateFrequency;
    txtEmployee[EmployeeBox::PayRate]->setEnabled(!flatRate);
}

// ---- Money and percent boxes -------------------------------------------------------------------

void frmEmployees::txtEmployee_GotFocus(int index) {
    if (refocusing_ || index < 0 || index >= EmployeeBoxCount || txtEmployee[index] == nullptr) return;
    mnuRestore->setEnabled(true);
    QLineEdit* box = txtEmployee[index];
    // The box keeps its amount: passing through a box never changes it. The amount
    // comes in selected, so that what the user types replaces it.
    if (IsRememberedMoneyBox(index)) {
        rememberedBox_ = index;
        rememberedAmount_ = MoneyOf(box->text());
    }
    if (index == EmployeeBox::Percent401k) askClearPercentage();
}

void frmEmployees::askClearPercentage() {
    if (MsgBox(QStringLiteral("Would you like to Clear Percentage?"), MsgButtons::YesNo,
               QStringLiteral("Clear 401k Percentage")) == MsgAnswer::Yes)
        txtEmployee[EmployeeBox::Percent401k]->clear();
}

void frmEmployees::txtEmployee_LostFocus(int index) {
    if (index < 0 || index >= EmployeeBoxCount || txtEmployee[index] == nullptr) return;
    QLineEdit* box = txtEmployee[index];
    if (index == EmployeeBox::Name) colourBox(index, 16777215);
    if (index == EmployeeBox::ExtraWithholding) {
        if (box->text().trimmed().isEmpty()) box->setText(ZeroText());
        return;
    }
    if (!IsRememberedMoneyBox(index)) return;
    if (IsNumeric(box->text())) {
        box->setText(CurrencyText(MoneyOf(box->text())));
        return;
    }
    AlarmBeep();
    box->clear();
    refocusing_ = true;
    box->setFocus();
    refocusing_ = false;
}

bool frmEmployees::keyDown(int index, const QKeyEvent& key) {
    QLineEdit* box = txtEmployee[index];
    const QString typed = key.text();
    const bool typesCharacter = !typed.isEmpty() && typed.front().isPrint();
    // Keys that only move (Tab, arrows, Shift on its own) leave the amount alone.
    const bool edits = typesCharacter || key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete;
    if (!edits) return false;
    if (box->text() == ZeroText() || (typesCharacter && key.modifiers() == Qt::ShiftModifier)) box->clear();
    const qsizetype kept = box->text().size() - box->selectedText().size();
    return typesCharacter && kept >= TypingLimit(index);
}

int frmEmployees::boxIndexOf(const QObject* object) const {
    for (int i = 0; i < EmployeeBoxCount; ++i)
        if (txtEmployee[i] != nullptr && txtEmployee[i] == object) return i;
    return -1;
}

bool frmEmployees::eventFilter(QObject* watched, QEvent* event) {
    const int index = boxIndexOf(watched);
    if (index < 0) return Screen::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!IsUserFocusMove(*static_cast<QFocusEvent*>(event))) break;
        if (index == EmployeeBox::Percent401k) {
            // Asked once the box has its focus, not from inside the focus change.
            QTimer::singleShot(0, this, [this, index] {
                if (txtEmployee[index]->hasFocus()) txtEmployee_GotFocus(index);
            });
        } else {
            txtEmployee_GotFocus(index);
        }
        break;
    case QEvent::FocusOut:
        if (IsUserFocusMove(*static_cast<QFocusEvent*>(event))) txtEmployee_LostFocus(index);
        break;
    case QEvent::KeyPress:
        if (IsKeyFilteredBox(index)) return keyDown(index, *static_cast<QKeyEvent*>(event));
        break;
    default:
        break;
    }
    return false;
}
