#include "widgets/TKxNameEdit.h"

#include "core/FieldChecks.h"
#include "widgets/KxText.h"

TKxNameEdit::TKxNameEdit(QWidget* parent) : TKxEdit(parent) {
    setMaxChars(17);
}

bool TKxNameEdit::Validate() {
    const CheckResult check = CheckNameField(S(text()), m_blankAllowed);
    return check.ok ? true : refuse(check.message);
}
