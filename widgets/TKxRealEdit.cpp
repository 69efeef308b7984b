#include "widgets/TKxRealEdit.h"

#include "core/FieldChecks.h"
#include "widgets/KxText.h"

TKxRealEdit::TKxRealEdit(QWidget* parent) : TKxEdit(parent) {
    setAllowedCharacters(QStringLiteral("+-.0123456789"));
}

bool TKxRealEdit::Validate() {
    const int width = RightJustify() ? maxChars() : 0;
    if (apply(CheckRealField(S(text()), m_precision, m_min, m_max, width)))
        return true;
    selectAll();
    return false;
}
