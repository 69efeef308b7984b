#pragma once

#include "core/Terminal.h"
#include "settings/Settings.h"

#include <QGroupBox>
#include <functional>
#include <optional>
#include <string>

class QPushButton;
class StatusLine;
class TKxEdit;
class TKxLatEdit;
class TKxLonEdit;
class TKxNameEdit;
class TKxPfxEdit;
struct Atlas;

/// Picks an atlas entry: the chosen prefix, or nothing when the user cancelled.
using TerminalPicker = std::function<std::optional<std::string>(QWidget* parent)>;

/// One terminal of a map dialog: the prefix or grid locator field with the latitude,
/// longitude and name fields, and the buttons "Use &Default", "Select from &Atlas" and
/// "Enter &Manually". Enter in the prefix field takes an empty field as "DEFAULT" and
/// moves on, Insert types by hand, F7 takes the default terminal, F8 opens the atlas
/// search; leaving the prefix fills the group from the default terminal, the atlas or
/// the locator's centre. The fields' objectNames are `namePrefix` + "PfxEdit",
/// "LatEdit", "LonEdit", "NameEdit".
class TerminalGroupBox : public QGroupBox {
    Q_OBJECT
public:
    TerminalGroupBox(const QString& title, const QString& namePrefix, const Settings& settings,
                     const Atlas* atlas, StatusLine* statusLine, QWidget* parent = nullptr);

    void setPicker(TerminalPicker picker);
    void setTerminal(const Terminal& terminal);
    /// The four texts, cut to their capacities.
    Terminal terminal() const;
    TKxPfxEdit* prefixEdit() const { return m_prefix; }
    TKxLatEdit* latitudeEdit() const { return m_latitude; }
    TKxEdit* lastField() const;

    /// The checks of OK, field by field: an empty prefix is refused with a message,
    /// every open field must pass its own check, and the prefix fills the group. The
    /// first failing field keeps the focus; false then.
    bool ValidateForOk();

signals:
    /// The group is complete: the focus should move to what follows it.
    void groupDone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fieldExit(TKxEdit* field, QWidget* target);
    void fillFromPrefix();
    void refuseMissingDefault();
    void updateFieldEnabling();
    void updateButtons();
    void prefixEnter();
    void DefaultBtnClick();
    void ManualBtnClick();
    void SelectBtnClick();

    Settings m_settings;
    const Atlas* m_atlas;
    StatusLine* m_statusLine;
    TerminalPicker m_picker;
    TKxPfxEdit* m_prefix;
    TKxLatEdit* m_latitude;
    TKxLonEdit* m_longitude;
    TKxNameEdit* m_name;
    QPushButton* m_defaultBtn;
    QPushButton* m_selectBtn;
    QPushButton* m_manualBtn;
};
