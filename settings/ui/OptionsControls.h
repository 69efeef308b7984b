#pragma once

// Small builders and checks shared by the pages of the Options window.

#include "core/Terminal.h"
#include "widgets/QtText.h"
#include "widgets/ValidatedEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <initializer_list>
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

/// A field's text as the settings keep it: cut to the bytes its field holds.
inline std::string CutField(const QString& text, std::size_t capacity) {
    return CutText(S(text), capacity);
}

/// The first field, in the order given, whose text is refused (its message shown), or null.
inline ValidatedEdit* FirstRefused(std::initializer_list<ValidatedEdit*> fields) {
    for (ValidatedEdit* field : fields)
        if (!field->Validate())
            return field;
    return nullptr;
}

/// False, with the focus kept there, while one of the page's number fields has the
/// focus and holds a value it refuses: the page may not be left then.
inline bool FocusedNumberAccepted(std::initializer_list<ValidatedEdit*> numberFields) {
    auto* focused = qobject_cast<ValidatedEdit*>(QApplication::focusWidget());
    if (!focused ||
        std::find(numberFields.begin(), numberFields.end(), focused) == numberFields.end())
        return true;
    if (focused->Validate())
        return true;
    focused->setFocus(Qt::OtherFocusReason);
    return false;
}

} // namespace optionsform
