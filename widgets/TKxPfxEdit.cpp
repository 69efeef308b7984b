#include "widgets/TKxPfxEdit.h"

#include "atlas/PrefixCheck.h"
#include "core/FieldChecks.h"
#include "widgets/KxText.h"

TKxPfxEdit::TKxPfxEdit(QWidget* parent) : TKxEdit(parent) {
    setAllowedCharacters(QStringLiteral("/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    setMaxChars(6);
    setCharCase(CharCase::Upper);
}

bool TKxPfxEdit::Validate() {
    const CheckResult check =
        CheckPrefixField(S(text()), m_atlas, m_canBeLocator, m_mustFindInAtlas);
    return check.ok ? true : refuse(check.message);
}
