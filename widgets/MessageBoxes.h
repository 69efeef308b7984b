#pragma once

#include "core/UserMessage.h"

#include <QString>
#include <QStringList>

class QWidget;

// The kinds of message (MessageKind) and the UserMessage that plain routines return
// come from core/UserMessage.h; this file shows them.

/// The button that closed a message box. Escape gives Cancel where the box has a
/// Cancel button and Ok where it has only OK.
enum class MessageAnswer { Ok, Cancel, Yes, No };

/// Shows messages and plays the alert sound. The standard presenter opens real modal
/// windows; tests install their own (see SetMessagePresenter) to record what would
/// have been shown and to answer without blocking.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    /// A modal message box of `kind` (not None or SyntaxError) with `text` ('\n' separates lines).
    virtual MessageAnswer showMessage(QWidget* parent, MessageKind kind, const QString& text) = 0;
    /// The coordinate syntax-error window with its nine lines.
    virtual void showSyntaxError(QWidget* parent, const QStringList& lines) = 0;
    /// The alert sound.
    virtual void alert() = 0;
};

/// The presenter in use: the one installed last, or the standard one.
MessagePresenter& CurrentMessagePresenter();

/// Installs `presenter` for every message of the program; nullptr restores the
/// standard presenter. The caller keeps ownership. This is the one process-wide hook
/// of the windows, there so that tests can see messages without a modal loop.
void SetMessagePresenter(MessagePresenter* presenter);

/// Turns the program's "\r" line-break marker (and "\r\n") into '\n'.
QString MessageText(const QString& text);

/// Plays the alert sound first when `alert` is set, then shows the box.
MessageAnswer ShowMessage(QWidget* parent, MessageKind kind, const QString& text, bool alert);

/// Shortcuts for the common cases: errors always sound the alert.
MessageAnswer ShowError(QWidget* parent, const QString& text);
MessageAnswer ShowInformation(QWidget* parent, const QString& text, bool alert = false);

/// Shows a message returned by a plain routine: its alert, then its box (or the
/// syntax-error window with the message's lines). An empty
/// message shows nothing and answers Ok.
MessageAnswer ShowUserMessage(QWidget* parent, const UserMessage& message);

/// Scoped replacement of the presenter (restores the previous one when destroyed).
class ScopedMessagePresenter {
public:
    explicit ScopedMessagePresenter(MessagePresenter* presenter);
    ~ScopedMessagePresenter();
    ScopedMessagePresenter(const ScopedMessagePresenter&) = delete;
    ScopedMessagePresenter& operator=(const ScopedMessagePresenter&) = delete;

private:
    MessagePresenter* m_previous;
};
