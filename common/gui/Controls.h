#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>

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
