#pragma once

#include <string>
#include <vector>

/// The kind of window a message is shown in.
enum class MessageKind {
    None,         ///< no message
    Information,  ///< information box, OK button
    Error,        ///< error box, OK button
    Warning,      ///< warning box, OK and Cancel
    Confirmation, ///< confirmation box, Yes, No and Cancel
    SyntaxError   ///< the coordinate syntax-error window (ParseErrorMessage) with its lines
};

/// A message a plain routine hands back to the window that called it. The plain
/// layers never show anything: they return this, and the window layer shows it.
///
/// `text` keeps "\r" as the line-break marker, exactly as the program's texts are
/// written; use DisplayText() for '\n' line breaks or OneLineText() for a terminal.
/// For MessageKind::SyntaxError, `lines` holds the window's nine lines and `text`
/// holds the first of them.
struct UserMessage {
    MessageKind kind = MessageKind::None;
    bool alert = false; ///< the alert sound plays before the message opens
    std::string text;
    std::vector<std::string> lines;

    /// True when there is nothing to show.
    bool IsEmpty() const { return kind == MessageKind::None; }
};

/// An error box with the alert sound (the usual way the program refuses input).
UserMessage ErrorMessage(std::string text);

/// The text with each "\r" turned into '\n' (for a message box). A syntax-error
/// message gives its lines joined by '\n'.
std::string DisplayText(const UserMessage& message);

/// The text on one line: each "\r" becomes a blank; a syntax-error message gives
/// its non-empty lines joined by single blanks, runs of blanks squeezed. For
/// standard error of the command line.
std::string OneLineText(const UserMessage& message);

/// The outcome of a check that has no value: ok, or the message to show.
struct CheckResult {
    bool ok = false;
    UserMessage message; ///< empty when ok, or when the caller asked for no message
    explicit operator bool() const { return ok; }
};

/// The outcome of a check that also rewrites its text into the program's form
/// (e.g. "150" becomes "S150.0"). On failure `text` is the input unchanged.
struct TextCheck {
    bool ok = false;
    std::string text;
    UserMessage message;
    explicit operator bool() const { return ok; }
};
