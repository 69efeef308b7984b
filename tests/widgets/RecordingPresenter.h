#pragma once

// A message presenter for window tests: records every message, syntax-error window
// and alert instead of opening modal windows, and answers with a preset button.

#include "widgets/MessageBoxes.h"

#include <QString>
#include <QStringList>
#include <vector>

struct RecordedMessage {
    MessageKind kind = MessageKind::None;
    QString text;
};

class RecordingPresenter final : public MessagePresenter {
public:
    RecordingPresenter() : m_scope(this) {}

    MessageAnswer showMessage(QWidget*, MessageKind kind, const QString& text) override {
        messages.push_back({kind, text});
        return answer;
    }
    void showSyntaxError(QWidget*, const QStringList& lines) override {
        messages.push_back({MessageKind::SyntaxError, lines.value(0)});
        syntaxLines = lines;
    }
    void alert() override { ++alerts; }

    /// The text of the last message, or an empty string.
    QString lastText() const { return messages.empty() ? QString() : messages.back().text; }
    void clear() {
        messages.clear();
        syntaxLines.clear();
        alerts = 0;
    }

    std::vector<RecordedMessage> messages;
    QStringList syntaxLines;
    int alerts = 0;
    MessageAnswer answer = MessageAnswer::Ok;

private:
    ScopedMessagePresenter m_scope;
};
