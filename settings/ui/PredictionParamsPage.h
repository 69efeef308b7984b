#pragma once

#include "settings/Settings.h"

#include <QWidget>

class IntegerEdit;
class QCheckBox;
class QPushButton;
class RadioGroup;
class RealEdit;
class ValidatedEdit;

/// The Options window's "Prediction Parameters" page: minimum radiation angle, noise
/// bandwidth, suppression threshold, man-made noise environment and the suppression of
/// zero-availability predictions, with a button that restores the factory values.
class PredictionParamsPage : public QWidget {
    Q_OBJECT
public:
    explicit PredictionParamsPage(QWidget* parent = nullptr);

    void load(const Settings& settings);
    void writeTo(Settings& settings) const;
    /// The first number field refused (its message shown), or null.
    ValidatedEdit* refusedField();
    /// False, with the focus kept there, while a number field holding a refused value
    /// has the focus.
    bool leaveAllowed();
    void focusFirstField();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RealEdit* m_minRadAngleEdit = nullptr;
    IntegerEdit* m_noiseBWEdit = nullptr;
    RadioGroup* m_thresholdGroup = nullptr;
    RadioGroup* m_noiseGroup = nullptr;
    QCheckBox* m_suppressionCheckBox = nullptr;
    QPushButton* m_restoreBtn = nullptr;
};
