#include "widgets/TKxSolarEdit.h"

#include "core/Syntax.h"
#include "widgets/KxText.h"

TKxSolarEdit::TKxSolarEdit(QWidget* parent) : TKxEdit(parent) {
    setAllowedCharacters(QStringLiteral(".0123456789FS"));
    setMaxChars(6);
    setCharCase(CharCase::Upper);
}

bool TKxSolarEdit::Validate() {
    return apply(CheckSolarIndex(S(text()), m_ssnPrimary));
}
