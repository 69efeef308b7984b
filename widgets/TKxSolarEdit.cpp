#include "widgets/TKxSolarEdit.h"

#include "core/Syntax.h"

TKxSolarEdit::TKxSolarEdit(QWidget* parent) : TKxEdit(parent) {
    setAllowedCharacters(QStringLiteral(".0123456789FS"));
    setMaxChars(6);
    setCharCase(CharCase::Upper);
}

bool TKxSolarEdit::Validate() {
    return apply(CheckSolarIndex(text().toStdString(), m_ssnPrimary));
}
