#include "widgets/PrefixEdit.h"

#include "atlas/PrefixCheck.h"
#include "core/FieldChecks.h"
#include "widgets/QtText.h"

PrefixEdit::PrefixEdit(QWidget* parent) : ValidatedEdit(parent) {
    setAllowedCharacters(QStringLiteral("/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    setMaxChars(6);
    setCharCase(CharCase::Upper);
}

bool PrefixEdit::Validate() {
    const CheckResult check =
        CheckPrefixField(S(text()), m_atlas, m_canBeLocator, m_mustFindInAtlas, m_countries);
    return check.ok ? true : refuse(check.message);
}
