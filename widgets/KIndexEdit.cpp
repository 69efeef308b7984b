#include "widgets/KIndexEdit.h"

#include "core/Syntax.h"
#include "widgets/QtText.h"

KIndexEdit::KIndexEdit(QWidget* parent) : ValidatedEdit(parent) {
    setAllowedCharacters(QStringLiteral("-0123456789"));
    setMaxChars(2);
}

bool KIndexEdit::Validate() {
    return apply(CheckKIndex(S(text())));
}
