#pragma once

#include "settings/StationSettings.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// The Options window's "Station" page: transmit power, the two antennas (isotropic
/// with a gain, or a pattern file), the man-made noise at the receiver (a category or
/// a level), the mode (a preset, whose bandwidth and required S/N are shown, or Custom,
/// whose two figures the user types), the required reliability and the engine the map
/// and planner windows start with. Takes and gives the settings as a value.
class StationPage : public QWidget {
    Q_OBJECT
public:
    explicit StationPage(QWidget* parent = nullptr);

    /// The folder the pattern file window opens in (a relative name is taken from it).
    void setDataDir(const QString& dataDir) { m_dataDir = dataDir; }

    void setStation(const StationSettings& station);
    StationSettings station() const;
    /// The first value out of its limits as a sentence, with the focus put on its
    /// field; empty when all are fine.
    QString checkForSave();
    /// Puts the focus on the page's first field, the transmit power.
    void focusFirstField();

private:
    struct AntennaFields {
        QComboBox* kind = nullptr;
        QDoubleSpinBox* gain = nullptr;
        QLineEdit* file = nullptr;
        QPushButton* browse = nullptr;
    };
    AntennaFields makeAntenna(const QString& prefix, const QString& whose);
    void showMode();
    void showChoices();
    void browse(const AntennaFields& fields);

    QString m_dataDir;
    QDoubleSpinBox* m_power = nullptr;
    AntennaFields m_tx, m_rx;
    QComboBox* m_noise = nullptr;
    QDoubleSpinBox* m_noiseLevel = nullptr;
    QComboBox* m_mode = nullptr;
    QDoubleSpinBox* m_bandwidth = nullptr;
    QDoubleSpinBox* m_snr = nullptr;
    QLabel* m_modeSource = nullptr;
    QDoubleSpinBox* m_reliability = nullptr;
    QComboBox* m_engine = nullptr;
    QPushButton* m_restore = nullptr;
    // The custom mode's figures while a preset is shown in their fields.
    double m_customBandwidthHz = 2700.0;
    double m_customSnrDb = 10.0;
};
