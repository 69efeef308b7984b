#pragma once

#include "core/Dates.h"
#include "engine/Propagation.h"
#include "report/PredictionSetup.h"
#include "report/ResolveTerminal.h"
#include "settings/Settings.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <string>

class QGroupBox;
class QPushButton;
class StatusLine;
class TKxDateEdit;
class TKxEdit;
class TKxKIndexEdit;
class TKxLatEdit;
class TKxLonEdit;
class TKxNameEdit;
class TKxPfxEdit;
class TKxSolarEdit;
class TKxTimeEdit;
struct Atlas;

/// Picks an atlas entry for a terminal: the prefix of the chosen entry, or nothing
/// when the user cancelled. The program opens the atlas search window.
using AtlasPicker = std::function<std::optional<std::string>(QWidget* parent)>;

/// What the prediction dialog starts from.
struct PredictionDialogInput {
    PredictionInputs
        previous;      ///< the terminals, date, solar and K index texts of the last prediction
    Settings settings; ///< default terminal, solar index kind, frequencies
    const Atlas* atlas = nullptr;
    DateConventions dates;
    /// The map dialog's variant: a time field ("hhmm", starting from this text) in place
    /// of the solar and K index fields, and OK only computes the two paths.
    std::optional<std::string> mapTimeText;
};

/// "Hopscope Propagation Prediction": the two terminals (each the default terminal,
/// an atlas prefix, a grid locator, or typed by hand after "<Ins>"), the date, the
/// solar index and the K index of one on-screen prediction. OK checks every field,
/// computes both paths (refusing an indeterminate one) and the Sun for the date, and
/// closes; inputs() and request() then hold the prediction to run.
class TPredDlgForm : public QDialog {
    Q_OBJECT
public:
    enum Group { GroupA = 0, GroupB = 1 };

    TPredDlgForm(PredictionDialogInput input, StatusLine* statusLine, QWidget* parent = nullptr);
    /// Drops the application's focus signal first: destroying the children moves the
    /// focus, and the slot must not run on a dialog that is half gone.
    ~TPredDlgForm() override;

    /// Opens the atlas search for "Select from &Atlas"; without one the button stays off.
    void setAtlasPicker(AtlasPicker picker);

    /// After OK: the texts as stored in the prediction record, and the prepared run.
    const PredictionInputs& inputs() const { return m_inputs; }
    const PredictionRequest& request() const { return m_request; }
    /// The entry field that last had the focus.
    TKxEdit* rememberedField() const { return m_remembered; }
    /// The map dialog's four-digit time after OK.
    std::string mapTimeText() const;

public slots:
    void OKBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TerminalGroup {
        QGroupBox* box = nullptr;
        TKxPfxEdit* prefix = nullptr;
        TKxLatEdit* latitude = nullptr;
        TKxLonEdit* longitude = nullptr;
        TKxNameEdit* name = nullptr;
        QPushButton* defaultBtn = nullptr;
        QPushButton* selectBtn = nullptr;
        QPushButton* manualBtn = nullptr;
    };

    QGroupBox* buildGroup(Group group);
    void FormCreate();
    void setTerminal(Group group, const Terminal& terminal);
    TerminalTexts typedTexts(Group group) const;
    void fieldExit(TKxEdit* field, Group group, QWidget* target);
    void fillFromPrefix(Group group);
    void prefixEnter(Group group);
    void DefaultBtnClick(Group group);
    void ManualBtnClick(Group group);
    void SelectBtnClick(Group group);
    void defaultKey(Group group);
    void refuseMissingDefault(Group group);
    void updateFieldEnabling(Group group);
    void updateButtons(std::optional<Group> focusGroup);
    void focusAfterGroup(Group group);
    void focusChanged(QWidget* old, QWidget* now);
    std::optional<Group> groupOf(const QWidget* widget) const;
    void F9Pressed();
    bool acceptMapPath(const PredictionInputs& inputs);

    PredictionDialogInput m_input;
    StatusLine* m_statusLine;
    AtlasPicker m_picker;
    std::array<TerminalGroup, 2> m_groups;
    TKxDateEdit* m_date = nullptr;
    TKxSolarEdit* m_solar = nullptr;
    TKxKIndexEdit* m_kIndex = nullptr;
    TKxTimeEdit* m_time = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    TKxEdit* m_remembered = nullptr;
    QMetaObject::Connection m_focusConnection;
    PredictionInputs m_inputs;
    PredictionRequest m_request;
};
