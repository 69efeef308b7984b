#include "widgets/IntegerEdit.h"

#include "core/FieldChecks.h"
#include "widgets/QtText.h"

IntegerEdit::IntegerEdit(QWidget* parent) : ValidatedEdit(parent) {
    setAllowedCharacters(QStringLiteral("+-0123456789"));
}

bool IntegerEdit::Validate() {
    const int width = RightJustify() ? maxChars() : 0;
    return apply(CheckIntegerField(S(text()), m_min, m_max, width));
}
