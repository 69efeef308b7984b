#include "widgets/SolarIndexEdit.h"

#include "core/Syntax.h"
#include "widgets/QtText.h"

SolarIndexEdit::SolarIndexEdit(QWidget* parent) : ValidatedEdit(parent) {
    setAllowedCharacters(QStringLiteral(".0123456789FS"));
    setMaxChars(6);
    setCharCase(CharCase::Upper);
}

bool SolarIndexEdit::Validate() {
    return apply(CheckSolarIndex(S(text()), m_ssnPrimary));
}
