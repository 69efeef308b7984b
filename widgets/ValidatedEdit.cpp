#include "widgets/ValidatedEdit.h"

#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QStackedWidget>
#include <QTimer>
#include <QValidator>

namespace {

constexpr const char* kCancelProperty = "kxCancelButton";

/// Keeps typed and pasted text to the field's allowed characters, case and length.
/// Texts set by the window pass unchanged.
class CharacterFilter final : public QValidator {
public:
    explicit CharacterFilter(ValidatedEdit* edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString& input, int& pos) const override {
        if (!m_edit->userInput())
            return Acceptable;
        QString kept;
        kept.reserve(input.size());
        int newPos = pos;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = m_edit->applyCase(input.at(i));
            if (m_edit->accepts(c))
                kept.append(c);
            else if (i < pos)
                --newPos;
        }
        // Past the limit only edits that shorten the text go through (a longer text
        // the window set can still be cut down).
        const int length = m_edit->limitedLength(kept);
        if (m_edit->maxChars() > 0 && length > m_edit->maxChars() &&
            length >= m_edit->textLengthBeforeInput())
            return Invalid;
        input = kept;
        pos = qBound(0, newPos, static_cast<int>(input.size()));
        return Acceptable;
    }

private:
    ValidatedEdit* m_edit;
};

bool IsEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

/// Marks the events that carry the user's own input, for the character filter.
class UserInputScope {
public:
    explicit UserInputScope(ValidatedEdit* edit) : m_edit(edit) {
        if (m_edit->m_userInput++ == 0)
            m_edit->m_lengthBefore = m_edit->limitedLength(m_edit->text());
    }
    ~UserInputScope() { --m_edit->m_userInput; }
    UserInputScope(const UserInputScope&) = delete;
    UserInputScope& operator=(const UserInputScope&) = delete;

private:
    ValidatedEdit* m_edit;
};

ValidatedEdit::ValidatedEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new CharacterFilter(this));
}

void ValidatedEdit::setAllowKeyPressHandler(bool on) {
    m_allowKeyPressHandler = on;
    setValidator(on ? nullptr : new CharacterFilter(this));
}

bool ValidatedEdit::accepts(QChar c) const {
    if (c.unicode() < 32 || c.unicode() == 127)
        return true;
    return m_allowed.isEmpty() || m_allowed.contains(c);
}

QChar ValidatedEdit::applyCase(QChar c) const {
    switch (m_charCase) {
    case CharCase::Upper:
        return c.toUpper();
    case CharCase::Lower:
        return c.toLower();
    case CharCase::Normal:
        break;
    }
    return c;
}

bool ValidatedEdit::Validate() {
    return true;
}

bool ValidatedEdit::IsCancelTarget(const QWidget* target) {
    const auto* button = qobject_cast<const QAbstractButton*>(target);
    if (!button)
        return false;
    return button->property(kCancelProperty).toBool() ||
           button->text().contains(QStringLiteral("Cancel"));
}

void ValidatedEdit::MarkAsCancelButton(QAbstractButton* button) {
    if (button)
        button->setProperty(kCancelProperty, true);
}

void ValidatedEdit::refocus() {
    const SuspendExitChecks suspend;
    // A field on a hidden page of a page control: bring the page to the front first.
    for (QWidget* child = this; child; child = child->parentWidget()) {
        QWidget* parent = child->parentWidget();
        if (auto* stack = qobject_cast<QStackedWidget*>(parent))
            stack->setCurrentWidget(child);
    }
    // After a message box the window may not have become active again by itself.
    if (!window()->isActiveWindow())
        window()->activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void ValidatedEdit::keyPressEvent(QKeyEvent* event) {
    if (!m_allowKeyPressHandler && m_enterToTab && IsEnter(event) &&
        event->modifiers() == Qt::NoModifier) {
        focusNextChild();
        event->accept();
        return;
    }
    UserInputScope scope(this);
    QLineEdit::keyPressEvent(event);
}

void ValidatedEdit::inputMethodEvent(QInputMethodEvent* event) {
    UserInputScope scope(this);
    QLineEdit::inputMethodEvent(event);
}

void ValidatedEdit::mouseReleaseEvent(QMouseEvent* event) {
    UserInputScope scope(this); // the middle-button paste of X11
    QLineEdit::mouseReleaseEvent(event);
}

void ValidatedEdit::contextMenuEvent(QContextMenuEvent* event) {
    UserInputScope scope(this); // "Paste" of the context menu
    QLineEdit::contextMenuEvent(event);
}

void ValidatedEdit::dropEvent(QDropEvent* event) {
    UserInputScope scope(this);
    QLineEdit::dropEvent(event);
}

void ValidatedEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Tab selects the whole text; so does every move the window makes (Enter, a pick
    // from the atlas, Insert, a refused check), or typing would add to the old text:
    // "FN31" followed by "JA" is the valid locator FN31JA, not a new prefix. A click
    // places the caret where the user clicked.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::MouseFocusReason && reason != Qt::PopupFocusReason)
        selectAll();
}

void ValidatedEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (exitChecksSuspended())
        return;
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window() || !isEnabled() || !isVisible())
        return;
    if (m_allowExitHandler) {
        emit exitRequested(target);
        return;
    }
    if (IsCancelTarget(target))
        return;
    bool valid = true;
    {
        // Other fields do not check themselves while this one shows its message.
        const SuspendExitChecks suspend;
        valid = Validate();
    }
    if (valid)
        return;
    refocus();
    // A mouse press that tried to take the focus away is delivered to its button
    // after this returns; release that button again so it does not stay pressed.
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        QPointer<QAbstractButton> guard(button);
        QTimer::singleShot(0, button, [guard] {
            if (guard)
                guard->setDown(false);
        });
    }
}

bool ValidatedEdit::refuse(const UserMessage& message) {
    ShowUserMessage(this, message);
    return false;
}

bool ValidatedEdit::apply(const TextCheck& check) {
    if (!check.ok)
        return refuse(check.message);
    if (text() != Q(check.text))
        setText(Q(check.text));
    return true;
}
