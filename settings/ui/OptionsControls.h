#pragma once

// Small builders shared by the pages of the Options window.

#include "widgets/QtText.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QString>

#include <string>

namespace optionsform {

inline QPushButton* MakeButton(const QString& name, const QString& caption, const QString& hint,
                               QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setStatusTip(hint);
    return button;
}

template <typename Edit> Edit* MakeEdit(const QString& name, const QString& hint, QWidget* parent) {
    auto* edit = new Edit(parent);
    edit->setObjectName(name);
    edit->setStatusTip(hint);
    return edit;
}

/// A row text shown right-aligned in a column as wide as "-99.9".
inline QString ColumnText(const std::string& text) {
    return Q(text).rightJustified(5, QLatin1Char(' '));
}

inline bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace optionsform
