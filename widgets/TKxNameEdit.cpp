#include "widgets/TKxNameEdit.h"

#include "core/FieldChecks.h"

TKxNameEdit::TKxNameEdit(QWidget* parent) : TKxEdit(parent) {
    setMaxChars(17);
}

bool TKxNameEdit::Validate() {
    const CheckResult check = CheckNameField(text().toStdString(), m_blankAllowed);
    return check.ok ? true : refuse(check.message);
}
