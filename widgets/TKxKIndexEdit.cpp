#include "widgets/TKxKIndexEdit.h"

#include "core/Syntax.h"
#include "widgets/KxText.h"

TKxKIndexEdit::TKxKIndexEdit(QWidget* parent) : TKxEdit(parent) {
    setAllowedCharacters(QStringLiteral("-0123456789"));
    setMaxChars(2);
}

bool TKxKIndexEdit::Validate() {
    return apply(CheckKIndex(S(text())));
}
