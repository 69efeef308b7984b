#include "widgets/DateEdit.h"

#include "core/DateMask.h"
#include "widgets/LocaleDates.h"
#include "widgets/QtText.h"

#include <QKeyEvent>

DateEdit::DateEdit(QWidget* parent) : ValidatedEdit(parent) {
    setMaxChars(8);
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    setDateConventions(SystemDateConventions());
}

void DateEdit::setDateConventions(const DateConventions& dates) {
    m_dates = dates;
    setAllowedCharacters(QStringLiteral("0123456789") + QChar::fromLatin1(dates.separator));
}

QString DateEdit::blankText() const {
    return Q(BlankDateText(m_dates));
}

void DateEdit::clearDate() {
    setText(blankText());
    setCursorPosition(0);
}

bool DateEdit::Validate() {
    const CheckResult check = CheckDateText(S(text()), m_dates);
    return check.ok ? true : refuse(check.message);
}

void DateEdit::focusInEvent(QFocusEvent* event) {
    ValidatedEdit::focusInEvent(event);
    if (text() == blankText()) {
        deselect();
        setCursorPosition(0);
    }
}

void DateEdit::applyState(const DateMaskState& state) {
    setText(Q(state.text));
    setCursorPosition(state.caret);
}

void DateEdit::keyPressEvent(QKeyEvent* event) {
    if (AllowKeyPressHandler()) {
        ValidatedEdit::keyPressEvent(event);
        return;
    }
    const std::string blank = BlankDateText(m_dates);
    const std::string current = S(text());
    const int caret = cursorPosition();
    const int selStart = hasSelectedText() ? selectionStart() : caret;
    const int selEnd = hasSelectedText() ? selectionEnd() : caret;

    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        applyState(DateMaskDelete(current, caret, selStart, selEnd, blank));
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier) {
        applyState(DateMaskBackspace(current, caret, selStart, selEnd, blank));
        event->accept();
        return;
    }
    // Editing that would break the mask (cut, paste, undo, deleting words) is refused.
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
        event->matches(QKeySequence::DeleteEndOfWord) ||
        event->matches(QKeySequence::DeleteStartOfWord) ||
        event->matches(QKeySequence::DeleteEndOfLine) ||
        event->matches(QKeySequence::DeleteCompleteLine)) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.at(0).unicode() >= 32 && typed.at(0).unicode() != 127 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const char c =
            typed.at(0).unicode() < 128 ? static_cast<char>(typed.at(0).unicode()) : '\0';
        applyState(DateMaskType(current, caret, selStart, selEnd, c, blank));
        event->accept();
        return;
    }
    ValidatedEdit::keyPressEvent(event);
}
