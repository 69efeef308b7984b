#pragma once

#include "core/Dates.h"
#include "engine/Propagation.h"
#include "report/PredictionSetup.h"
#include "settings/Settings.h"
#include "widgets/AtlasPicker.h"
#include "widgets/SolarDataButton.h"

#include <QDialog>
#include <memory>

struct CountryFileLoad;
class QPushButton;
class StatusLine;
class DateEdit;
class ValidatedEdit;
class KIndexEdit;
class SolarIndexEdit;
class TerminalGroup;
class TerminalPair;
struct Atlas;

/// What the prediction dialog starts from.
struct PredictionDialogInput {
    PredictionInputs
        previous;      ///< the terminals, date, solar and K index texts of the last prediction
    Settings settings; ///< default terminal, solar index kind, frequencies
    const Atlas* atlas = nullptr;
    DateConventions dates;
    /// The country file that places callsigns; not owned, may be null.
    const CountryFileLoad* countries = nullptr;
};

/// "Hopscope Propagation Prediction": the two terminals (each the default terminal,
/// an atlas prefix, a grid locator, or typed by hand after "<Ins>"), the date, the
/// solar index and the K index of one on-screen prediction. OK checks every field,
/// computes both paths (refusing an indeterminate one) and the Sun for the date, and
/// closes; inputs() and request() then hold the prediction to run.
class PredictionDialog : public QDialog {
    Q_OBJECT
public:
    PredictionDialog(PredictionDialogInput input, StatusLine* statusLine,
                     QWidget* parent = nullptr);
    ~PredictionDialog() override;

    /// Opens the atlas search for "Select from &Atlas"; without one the button stays off.
    void setAtlasPicker(const AtlasPicker& picker);
    /// Serves "Solar Data"; with the user's choice it fetches the figures at once.
    void setSolarDataSource(const SolarDataSource& source);

    /// After OK: the texts as stored in the prediction record, and the prepared run.
    const PredictionInputs& inputs() const { return m_inputs; }
    const PredictionRequest& request() const { return m_request; }
    /// The entry field that last had the focus.
    ValidatedEdit* rememberedField() const;

public slots:
    void OKBtnClick();

private:
    void FormCreate();
    void F9Pressed();

    PredictionDialogInput m_input;
    StatusLine* m_statusLine;
    SolarDataButton* m_solarData = nullptr;
    TerminalGroup* m_groups[2] = {nullptr, nullptr};
    std::unique_ptr<TerminalPair> m_pair;
    DateEdit* m_date = nullptr;
    SolarIndexEdit* m_solar = nullptr;
    KIndexEdit* m_kIndex = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    PredictionInputs m_inputs;
    PredictionRequest m_request;
};
