#include "widgets/TKxLatEdit.h"

#include "core/FieldChecks.h"
#include "widgets/KxText.h"

TKxLatEdit::TKxLatEdit(QWidget* parent) : TKxEdit(parent) {
    setAllowedCharacters(QStringLiteral(" +-.0123456789NS"));
    setMaxChars(10);
    setCharCase(CharCase::Upper);
}

bool TKxLatEdit::Validate() {
    return apply(CheckLatitudeField(S(text())));
}
