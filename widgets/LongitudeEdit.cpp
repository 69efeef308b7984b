#include "widgets/LongitudeEdit.h"

#include "core/FieldChecks.h"
#include "widgets/QtText.h"

LongitudeEdit::LongitudeEdit(QWidget* parent) : ValidatedEdit(parent) {
    setAllowedCharacters(QStringLiteral(" +-.0123456789EW"));
    setMaxChars(11);
    setCharCase(CharCase::Upper);
}

bool LongitudeEdit::Validate() {
    return apply(CheckLongitudeField(S(text())));
}
