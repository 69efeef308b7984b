#include "widgets/MessageBoxes.h"

#include "widgets/AlertSound.h"
#include "widgets/ParseErrorMessage.h"
#include "widgets/QtText.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

/// Opens the real windows: QMessageBox for the four kinds, ParseErrorMessage for a
/// coordinate syntax error.
class StandardPresenter final : public MessagePresenter {
public:
    MessageAnswer showMessage(QWidget* parent, MessageKind kind, const QString& text) override {
        QMessageBox box(parent);
        box.setText(text);
        switch (kind) {
        case MessageKind::None:
        case MessageKind::SyntaxError:
        case MessageKind::Information:
            box.setWindowTitle(QStringLiteral("Information"));
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageKind::Error:
            box.setWindowTitle(QStringLiteral("Error"));
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageKind::Warning:
            box.setWindowTitle(QStringLiteral("Warning"));
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MessageKind::Confirmation:
            box.setWindowTitle(QStringLiteral("Confirm"));
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        }
        if (kind == MessageKind::Information || kind == MessageKind::Error)
            box.setEscapeButton(QMessageBox::Ok);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Ok;
        }
    }

    void showSyntaxError(QWidget* parent, const QStringList& lines) override {
        ParseErrorMessage form(lines, parent);
        form.exec();
    }

    void alert() override { PlayAlertResource(); }
};

StandardPresenter& Standard() {
    static StandardPresenter presenter;
    return presenter;
}

MessagePresenter* g_presenter = nullptr;

} // namespace

MessagePresenter& CurrentMessagePresenter() {
    return g_presenter ? *g_presenter : Standard();
}

void SetMessagePresenter(MessagePresenter* presenter) {
    g_presenter = presenter;
}

QString MessageText(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

MessageAnswer ShowMessage(QWidget* parent, MessageKind kind, const QString& text, bool alert) {
    MessagePresenter& presenter = CurrentMessagePresenter();
    if (alert)
        presenter.alert();
    return presenter.showMessage(parent, kind, MessageText(text));
}

MessageAnswer ShowError(QWidget* parent, const QString& text) {
    return ShowMessage(parent, MessageKind::Error, text, true);
}

MessageAnswer ShowInformation(QWidget* parent, const QString& text, bool alert) {
    return ShowMessage(parent, MessageKind::Information, text, alert);
}

MessageAnswer ShowUserMessage(QWidget* parent, const UserMessage& message) {
    if (message.IsEmpty())
        return MessageAnswer::Ok;
    if (message.kind == MessageKind::SyntaxError) {
        QStringList lines;
        for (const std::string& line : message.lines)
            lines << Q(line);
        MessagePresenter& presenter = CurrentMessagePresenter();
        if (message.alert)
            presenter.alert();
        presenter.showSyntaxError(parent, lines);
        return MessageAnswer::Ok;
    }
    return ShowMessage(parent, message.kind, Q(message.text), message.alert);
}

ScopedMessagePresenter::ScopedMessagePresenter(MessagePresenter* presenter)
    : m_previous(g_presenter) {
    g_presenter = presenter;
}

ScopedMessagePresenter::~ScopedMessagePresenter() {
    g_presenter = m_previous;
}
