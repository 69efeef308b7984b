#include "widgets/WordEdit.h"

WordEdit::WordEdit(QWidget* parent) : IntegerEdit(parent) {
    setAllowedCharacters(QStringLiteral("0123456789"));
    setMinValue(0);
}
