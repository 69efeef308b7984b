#include "widgets/TKxIntegerEdit.h"

#include "core/FieldChecks.h"
#include "widgets/KxText.h"

TKxIntegerEdit::TKxIntegerEdit(QWidget* parent) : TKxEdit(parent) {
    setAllowedCharacters(QStringLiteral("+-0123456789"));
}

bool TKxIntegerEdit::Validate() {
    const int width = RightJustify() ? maxChars() : 0;
    return apply(CheckIntegerField(S(text()), m_min, m_max, width));
}
