#include "widgets/RealEdit.h"

#include "core/FieldChecks.h"
#include "widgets/QtText.h"

RealEdit::RealEdit(QWidget* parent) : ValidatedEdit(parent) {
    setAllowedCharacters(QStringLiteral("+-.0123456789"));
}

bool RealEdit::Validate() {
    const int width = RightJustify() ? maxChars() : 0;
    if (apply(CheckRealField(S(text()), m_precision, m_min, m_max, width)))
        return true;
    selectAll();
    return false;
}
