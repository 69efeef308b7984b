#include "widgets/LatitudeEdit.h"

#include "core/FieldChecks.h"
#include "widgets/QtText.h"

LatitudeEdit::LatitudeEdit(QWidget* parent) : ValidatedEdit(parent) {
    setAllowedCharacters(QStringLiteral(" +-.0123456789NS"));
    setMaxChars(10);
    setCharCase(CharCase::Upper);
}

bool LatitudeEdit::Validate() {
    return apply(CheckLatitudeField(S(text())));
}
