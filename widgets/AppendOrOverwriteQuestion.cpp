#include "widgets/AppendOrOverwriteQuestion.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

/// The widest a file name may show before it is shortened with an ellipsis: half
/// the screen, so the dialog stays a dialog for a very long path.
int NameWidthLimit() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() / 2 : 512;
}

} // namespace

AppendOrOverwriteQuestion::AppendOrOverwriteQuestion(const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TAppendOrOverwriteDlgForm"));
    setWindowTitle(QStringLiteral("Append or Overwrite?"));

    const QString question =
        QStringLiteral("Do you want to append to or overwrite the existing file?");
    const QFontMetrics metrics(font());
    const int questionWidth = metrics.horizontalAdvance(question);
    const QString suffix = QStringLiteral(" already exists.");
    const int nameWidth = qMax(questionWidth, NameWidthLimit()) - metrics.horizontalAdvance(suffix);
    const QString shownName = metrics.elidedText(fileName, Qt::ElideMiddle, qMax(nameWidth, 40));

    m_fileLabel = new QLabel(shownName + suffix, this);
    m_fileLabel->setObjectName(QStringLiteral("Label1"));
    m_fileLabel->setToolTip(fileName);
    m_questionLabel = new QLabel(question, this);
    m_questionLabel->setObjectName(QStringLiteral("Label2"));

    auto* append = new QPushButton(QStringLiteral("&Append"), this);
    append->setObjectName(QStringLiteral("AppendBtn"));
    auto* overwrite = new QPushButton(QStringLiteral("&Overwrite"), this);
    overwrite->setObjectName(QStringLiteral("OverwriteBtn"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    append->setDefault(true);

    // The three buttons share one width, that of the widest caption.
    int buttonWidth = 0;
    for (QPushButton* button : {append, overwrite, cancel})
        buttonWidth = qMax(buttonWidth, button->sizeHint().width());
    for (QPushButton* button : {append, overwrite, cancel})
        button->setFixedWidth(buttonWidth);

    connect(append, &QPushButton::clicked, this, [this] { choose(Choice::Append); });
    connect(overwrite, &QPushButton::clicked, this, [this] { choose(Choice::Overwrite); });
    connect(cancel, &QPushButton::clicked, this, [this] { choose(Choice::Cancel); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(append);
    buttons->addWidget(overwrite);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fileLabel);
    layout->addWidget(m_questionLabel);
    layout->addSpacing(metrics.height() / 2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AppendOrOverwriteQuestion::choose(Choice choice) {
    m_choice = choice;
    if (choice == Choice::Cancel)
        reject();
    else
        accept();
}

AppendOrOverwriteQuestion::Choice AppendOrOverwriteQuestion::Ask(const QString& fileName,
                                                                 QWidget* parent) {
    AppendOrOverwriteQuestion dialog(fileName, parent);
    dialog.adjustSize();
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    }
    dialog.exec();
    return dialog.choice();
}
