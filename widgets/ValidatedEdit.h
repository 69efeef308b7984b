#pragma once

#include "core/UserMessage.h"

#include <QLineEdit>
#include <QString>

class QAbstractButton;

/// The base of the program's validated single-line entry fields. It filters the
/// characters typed (and pasted) to an allowed set, raises or lowers their case,
/// turns Enter into a move to the next control, and checks the text with Validate()
/// when the user leaves the field; a failed check keeps the focus in the field.
/// Moving to a Cancel button (see IsCancelTarget) skips the check. Whenever the focus
/// arrives other than by a mouse click, the whole text is selected, so what the user
/// types next replaces it.
class ValidatedEdit : public QLineEdit {
    Q_OBJECT
public:
    enum class CharCase { Normal, Upper, Lower };

    explicit ValidatedEdit(QWidget* parent = nullptr);

    /// true: leaving the field emits exitRequested() for the window's own handler
    /// instead of running the built-in check.
    bool AllowExitHandler() const { return m_allowExitHandler; }
    void setAllowExitHandler(bool on) { m_allowExitHandler = on; }
    /// true: no built-in key filtering; the window handles keys (an event filter).
    bool AllowKeyPressHandler() const { return m_allowKeyPressHandler; }
    void setAllowKeyPressHandler(bool on);
    /// Enter moves the focus to the next control (default true).
    bool EnterToTab() const { return m_enterToTab; }
    void setEnterToTab(bool on) { m_enterToTab = on; }
    /// After a successful check the text is filled on the left to the maximum length.
    bool RightJustify() const { return m_rightJustify; }
    void setRightJustify(bool on) { m_rightJustify = on; }
    /// The characters accepted from the keyboard besides control characters; empty
    /// accepts everything.
    QString allowedCharacters() const { return m_allowed; }
    void setAllowedCharacters(const QString& characters) { m_allowed = characters; }
    CharCase charCase() const { return m_charCase; }
    void setCharCase(CharCase charCase) { m_charCase = charCase; }
    /// The most characters the user can type or paste (0: no limit). Texts the window
    /// sets are not cut, so "DEFAULT" fits a 6-character prefix field.
    int maxChars() const { return m_maxChars; }
    void setMaxChars(int count) { m_maxChars = count; }
    /// true: maxChars counts the bytes of the text in UTF-8, as a file stores it, so
    /// that a name in another script stops where it would be cut (default false).
    bool maxCharsAreBytes() const { return m_maxCharsAreBytes; }
    void setMaxCharsAreBytes(bool on) { m_maxCharsAreBytes = on; }
    /// The length maxChars limits: characters, or UTF-8 bytes.
    int limitedLength(const QString& text) const {
        return static_cast<int>(m_maxCharsAreBytes ? text.toUtf8().size() : text.size());
    }
    /// True while a user's keystroke, paste or drop is being applied: only then is the
    /// text filtered.
    bool userInput() const { return m_userInput > 0; }
    /// The length of the text when the user's input began.
    int textLengthBeforeInput() const { return m_lengthBefore; }

    /// Whether a typed character is kept: control characters always, others when
    /// they are in the allowed set (after the case change).
    bool accepts(QChar c) const;
    /// The character after the field's case rule.
    QChar applyCase(QChar c) const;

    /// Checks (and may rewrite) the text; on failure shows the message and returns
    /// false. The base accepts everything.
    virtual bool Validate();

    /// True when moving the focus to `target` skips the check: a button marked as its
    /// window's cancel button (MarkAsCancelButton) or whose caption contains "Cancel".
    static bool IsCancelTarget(const QWidget* target);
    /// Marks a button whose focus must not trigger the checks of the fields left.
    static void MarkAsCancelButton(QAbstractButton* button);

    /// Shows the field (switching pages that hide it) and gives it the focus back.
    /// No field checks itself while the focus is being moved back.
    void refocus();

    /// While one exists, leaving a field runs no check: used while the focus is moved
    /// by the program (back to a refused field, or to a page's field), so that two
    /// refused fields never take the focus from each other.
    class SuspendExitChecks {
    public:
        SuspendExitChecks() { ++s_suspended; }
        ~SuspendExitChecks() { --s_suspended; }
        SuspendExitChecks(const SuspendExitChecks&) = delete;
        SuspendExitChecks& operator=(const SuspendExitChecks&) = delete;
    };
    static bool exitChecksSuspended() { return s_suspended > 0; }

signals:
    /// Leaving the field toward `target` when AllowExitHandler is set.
    void exitRequested(QWidget* target);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    /// Shows `message` (if any) and returns false: the common end of a failed check.
    bool refuse(const UserMessage& message);
    /// Applies a check's result: the rewritten text on success, the message otherwise.
    bool apply(const TextCheck& check);

private:
    bool m_allowExitHandler = false;
    bool m_allowKeyPressHandler = false;
    bool m_enterToTab = true;
    bool m_rightJustify = false;
    QString m_allowed;
    CharCase m_charCase = CharCase::Normal;
    int m_maxChars = 0;
    bool m_maxCharsAreBytes = false;
    int m_userInput = 0;
    int m_lengthBefore = 0;

    static inline int s_suspended = 0;

    friend class UserInputScope;
};
