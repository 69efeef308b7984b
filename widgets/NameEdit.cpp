#include "widgets/NameEdit.h"

#include "core/FieldChecks.h"
#include "widgets/QtText.h"

NameEdit::NameEdit(QWidget* parent) : ValidatedEdit(parent) {
    setMaxChars(17);
}

bool NameEdit::Validate() {
    const CheckResult check = CheckNameField(S(text()), m_blankAllowed);
    return check.ok ? true : refuse(check.message);
}
