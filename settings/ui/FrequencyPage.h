#pragma once

#include "settings/FrequencyRows.h"
#include "settings/Settings.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class RealEdit;

/// The Options window's "Frequencies and Constants" page: the frequency list beside
/// each frequency's additive signal level constant, adding, deleting and modifying
/// them, and a button that restores the factory rows. While a frequency is being added
/// or a constant modified, the page says it is editing: the window's Save and Cancel
/// wait for that to end.
class FrequencyPage : public QWidget {
    Q_OBJECT
public:
    explicit FrequencyPage(QWidget* parent = nullptr);

    void load(const Settings& settings);
    void writeTo(Settings& settings) const;
    bool editing() const { return m_mode != Mode::Idle; }
    /// Ends the adding or modifying whose field `focused` is (as its Cancel button
    /// does); false when `focused` is neither field.
    bool cancelEditIn(const QWidget* focused);
    /// The add button, or the full list when no frequency can be added.
    void focusFirstField();

signals:
    void editingChanged(bool editing);
    /// A frequency was added into the last free slot: the focus goes past the page.
    void listFilled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { Idle, Adding, Modifying };

    void showRows(int selected);
    void setMode(Mode mode);
    void selectRow(int row);
    int selectedRow() const;
    void startAdding();
    void addTypedFrequency();
    void cancelAdding();
    void deleteSelected();
    void startModifying();
    void applyModifiedConstant();
    void cancelModifying();
    void restoreFactoryRows();

    FrequencyRows m_rows;
    Mode m_mode = Mode::Idle;

    QListWidget* m_freqList = nullptr;
    QListWidget* m_fudgeList = nullptr;
    QPushButton* m_deleteFreqBtn = nullptr;
    QPushButton* m_addFreqBtn = nullptr;
    QLabel* m_enterNewFreqLabel = nullptr;
    RealEdit* m_newFreqEdit = nullptr;
    QPushButton* m_newFreqAddBtn = nullptr;
    QPushButton* m_newFreqCancelBtn = nullptr;
    QPushButton* m_modifyConstantBtn = nullptr;
    QLabel* m_editConstantLabel = nullptr;
    RealEdit* m_constantEdit = nullptr;
    QPushButton* m_modifyBtn = nullptr;
    QPushButton* m_modifyCancelBtn = nullptr;
    QPushButton* m_restoreBtn = nullptr;
};
