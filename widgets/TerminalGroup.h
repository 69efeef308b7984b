#pragma once

#include "atlas/ResolveTerminal.h"
#include "core/Terminal.h"
#include "settings/Settings.h"
#include "widgets/AtlasPicker.h"

#include <QGroupBox>
#include <QList>
#include <initializer_list>
#include <optional>

class QLabel;
class QPushButton;
class StatusLine;
class ValidatedEdit;
class LatitudeEdit;
class LongitudeEdit;
class NameEdit;
class PrefixEdit;
struct Atlas;

/// One terminal of a prediction, map or frequency-map dialog: the prefix or grid
/// locator field with the latitude, longitude and name fields, and the buttons
/// "Use &Default", "Select from &Atlas" and "Enter &Manually". Enter in the prefix
/// field takes an empty field as "DEFAULT" and moves on, Insert types by hand, F7 takes
/// the default terminal, F8 opens the atlas search; leaving the prefix fills the group
/// by ResolveTerminal (the default terminal, the atlas, the locator's centre or, with a
/// country file, a callsign's country, which the label `namePrefix` + "MatchLabel"
/// under the fields then names: "DL1ABC → Fed. Rep. of Germany (DL)"). The
/// latitude, longitude and name are open exactly while the prefix reads "<Ins>".
/// The box's objectName is "Term" + letter + "GroupBox"; its fields' and buttons' are
/// `namePrefix` + "PfxEdit", "LatEdit", "LonEdit", "NameEdit", "DefaultBtn",
/// "SelectBtn", "ManualBtn".
class TerminalGroup : public QGroupBox {
    Q_OBJECT
public:
    TerminalGroup(char letter, const QString& namePrefix, const Settings& settings,
                  const Atlas* atlas, StatusLine* statusLine, QWidget* parent = nullptr);

    /// Opens the atlas search for "Select from &Atlas"; without one the button stays off.
    void setAtlasPicker(AtlasPicker picker);
    /// The country file behind the atlas (not owned, may be null): the prefix field then
    /// takes callsigns of up to kCallsignFieldLength characters. A load that failed
    /// resolves no callsign, and its reason is added to the refusal of an unknown one.
    void setCountryFile(const CountryFileLoad* countries);
    /// The buttons act for the group that has the focus: a dialog of two groups makes
    /// one active at a time; a dialog of one leaves it active.
    void setActive(bool active);

    void setTerminal(const Terminal& terminal);
    /// The four texts as typed.
    TerminalTexts typedTexts() const;
    /// OK's check: the terminal the texts stand for (the fields then show it), or
    /// nothing after the refusal's message, with the focus on the field to correct.
    std::optional<Terminal> resolveForOk();

    PrefixEdit* prefixEdit() const { return m_prefix; }
    /// The four fields in tab order.
    QList<ValidatedEdit*> fields() const;

signals:
    /// The group is complete: the focus should move to what follows it.
    void groupDone();
    /// A button did nothing: the focus should go back where the user was.
    void focusBack();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(const QString& namePrefix);
    void fieldExit(ValidatedEdit* field, QWidget* target);
    TerminalSources sources() const;
    void showMatch(const ResolvedTerminal& resolved, const std::string& typedPrefix);
    void fillFromPrefix();
    void refuseMissingDefault();
    void updateFieldEnabling();
    void prefixEnter();
    void defaultKey();
    void DefaultBtnClick();
    void ManualBtnClick();
    void SelectBtnClick();

    char m_letter;
    Settings m_settings;
    const Atlas* m_atlas;
    const CountryFileLoad* m_countries = nullptr;
    QLabel* m_match = nullptr;
    StatusLine* m_statusLine;
    AtlasPicker m_picker;
    bool m_active = true;
    PrefixEdit* m_prefix = nullptr;
    LatitudeEdit* m_latitude = nullptr;
    LongitudeEdit* m_longitude = nullptr;
    NameEdit* m_name = nullptr;
    QPushButton* m_defaultBtn = nullptr;
    QPushButton* m_selectBtn = nullptr;
    QPushButton* m_manualBtn = nullptr;
};

/// The longest callsign the prefix field takes, such as "DL/G3ABC/QRP".
inline constexpr int kCallsignFieldLength = 13;

/// Makes Tab go through the fields of `groups` in turn and then through `rest`, in
/// that order.
void SetTabChain(std::initializer_list<const TerminalGroup*> groups, const QList<QWidget*>& rest);
