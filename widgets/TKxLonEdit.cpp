#include "widgets/TKxLonEdit.h"

#include "core/FieldChecks.h"
#include "widgets/KxText.h"

TKxLonEdit::TKxLonEdit(QWidget* parent) : TKxEdit(parent) {
    setAllowedCharacters(QStringLiteral(" +-.0123456789EW"));
    setMaxChars(11);
    setCharCase(CharCase::Upper);
}

bool TKxLonEdit::Validate() {
    return apply(CheckLongitudeField(S(text())));
}
