#include "widgets/TKxWordEdit.h"

TKxWordEdit::TKxWordEdit(QWidget* parent) : TKxIntegerEdit(parent) {
    setAllowedCharacters(QStringLiteral("0123456789"));
    setMinValue(0);
}
