#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

/// Asks what to do with a report file that already exists: append the new text to
/// it, overwrite it, or write nothing.
class AppendOrOverwriteQuestion : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Append, Overwrite, Cancel };

    explicit AppendOrOverwriteQuestion(const QString& fileName, QWidget* parent = nullptr);

    /// The button that closed the dialog (Cancel until one was pressed; Esc is Cancel).
    Choice choice() const { return m_choice; }

    /// Opens the dialog modally for `fileName` and returns the choice.
    static Choice Ask(const QString& fileName, QWidget* parent = nullptr);

private:
    void choose(Choice choice);

    Choice m_choice = Choice::Cancel;
    QLabel* m_fileLabel = nullptr;
    QLabel* m_questionLabel = nullptr;
};
