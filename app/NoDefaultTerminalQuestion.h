#pragma once

#include <QDialog>

class QCheckBox;

/// The question asked at start-up when no default terminal is defined: "Yes" opens
/// the Options window, "No" does not; the check box asks not to be told again.
/// Escape closes it without an answer. No title-bar buttons.
class NoDefaultTerminalQuestion : public QDialog {
    Q_OBJECT
public:
    /// exec() results.
    enum Answer { Cancelled = QDialog::Rejected, AnsweredYes = 1, AnsweredNo = 2 };

    explicit NoDefaultTerminalQuestion(QWidget* parent = nullptr);

    /// "Don't show this dialog again." is ticked.
    bool dontShowAgain() const;

private:
    QCheckBox* m_checkBox;
};
