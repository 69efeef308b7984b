#pragma once

#include <QMetaObject>

class QDialog;
class QWidget;
class ValidatedEdit;
class TerminalGroup;

/// The two terminal groups of one dialog working together: the buttons of the group
/// that has the focus are active, a finished group hands the focus on (A to B's prefix,
/// B to `next`), and a button that did nothing gives the focus back to the entry field
/// the user was in. Keep it as a member of the dialog: it lets go of the application's
/// focus signal when destroyed, before the dialog's children go.
class TerminalPair {
public:
    TerminalPair(QDialog* dialog, TerminalGroup* a, TerminalGroup* b, QWidget* next);
    ~TerminalPair();
    TerminalPair(const TerminalPair&) = delete;
    TerminalPair& operator=(const TerminalPair&) = delete;

    /// The entry field that last had the focus.
    ValidatedEdit* rememberedField() const { return m_remembered; }
    void setRememberedField(ValidatedEdit* field) { m_remembered = field; }

private:
    void focusChanged(QWidget* now);
    void giveFocusBack();

    QDialog* m_dialog;
    TerminalGroup* m_groups[2];
    ValidatedEdit* m_remembered = nullptr;
    QMetaObject::Connection m_focusConnection;
};
