#pragma once

#include "settings/Settings.h"

#include <QWidget>

class LatitudeEdit;
class LongitudeEdit;
class NameEdit;
class ValidatedEdit;

/// The Options window's "Default Terminal" page: the default terminal's coordinates and
/// name, and a grid locator field that fills them in from its square's centre.
class TerminalPage : public QWidget {
    Q_OBJECT
public:
    explicit TerminalPage(QWidget* parent = nullptr);

    void load(const Settings& settings);
    void writeTo(Settings& settings) const;
    /// The terminal is optional, but once any of its texts is given all three must be
    /// right: the first one refused (its message shown), or null.
    ValidatedEdit* refusedField();
    /// Puts the focus on the locator, the page's first field.
    void focusFirstField();

private:
    /// Fills the latitude and longitude (and an empty name) from the grid locator
    /// typed; false, after saying so, when it is no locator.
    bool applyLocator();

    LatitudeEdit* m_latEdit = nullptr;
    LongitudeEdit* m_lonEdit = nullptr;
    NameEdit* m_nameEdit = nullptr;
    ValidatedEdit* m_locatorEdit = nullptr;
};
