#pragma once

#include "widgets/ValidatedEdit.h"

struct Atlas;
struct CountryFile;

/// A call-sign prefix ("/", digits and letters, 6 characters, typed letters raised
/// to upper case). With MustFindInAtlas it must name an atlas entry (or "DEFAULT",
/// "<Ins>", or with CanBeLocator a grid locator); the atlas is handed in by the window.
class PrefixEdit : public ValidatedEdit {
    Q_OBJECT
public:
    explicit PrefixEdit(QWidget* parent = nullptr);

    bool CanBeLocator() const { return m_canBeLocator; }
    void setCanBeLocator(bool on) { m_canBeLocator = on; }
    bool MustFindInAtlas() const { return m_mustFindInAtlas; }
    void setMustFindInAtlas(bool on) { m_mustFindInAtlas = on; }
    /// The atlas searched by the check; not owned, may be null (nothing is found).
    void setAtlas(const Atlas* atlas) { m_atlas = atlas; }
    /// The country file that places callsigns (with CanBeLocator); not owned, may be null.
    void setCountryFile(const CountryFile* countries) { m_countries = countries; }

    /// CheckPrefixField with the field's properties.
    bool Validate() override;

private:
    bool m_canBeLocator = false;
    bool m_mustFindInAtlas = false;
    const Atlas* m_atlas = nullptr;
    const CountryFile* m_countries = nullptr;
};
