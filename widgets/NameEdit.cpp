#include "widgets/NameEdit.h"

#include "core/FieldChecks.h"
#include "widgets/QtText.h"

NameEdit::NameEdit(QWidget* parent) : ValidatedEdit(parent) {
    // A name is stored in 17 bytes: typing stops there, not in the middle of a letter.
    setMaxChars(17);
    setMaxCharsAreBytes(true);
}

bool NameEdit::Validate() {
    const CheckResult check = CheckNameField(S(text()), m_blankAllowed);
    return check.ok ? true : refuse(check.message);
}
