#include "app/NoDefaultTerminalQuestion.h"

#include "widgets/HelpContext.h"
#include "widgets/WindowScale.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kNoDefaultTerminalHelpContext = 22;

} // namespace

NoDefaultTerminalQuestion::NoDefaultTerminalQuestion(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NoDefaultMsgForm"));
    setWindowTitle(QStringLiteral("Hopscope"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    SetHelpContext(this, kNoDefaultTerminalHelpContext);
    ScaleWindow(this);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* text =
        new QLabel(QStringLiteral("The location of the default terminal has not been specified.\n\n"
                                  "Do you want to define the default terminal now?"),
                   this);
    text->setObjectName(QStringLiteral("MessageLabel"));

    auto* yes = new QPushButton(QStringLiteral("&Yes"), this);
    yes->setObjectName(QStringLiteral("YesBtn"));
    yes->setDefault(true);
    auto* no = new QPushButton(QStringLiteral("&No"), this);
    no->setObjectName(QStringLiteral("NoBtn"));
    m_checkBox = new QCheckBox(QStringLiteral("Don't show this dialog again."), this);
    m_checkBox->setObjectName(QStringLiteral("CheckBox1"));
    connect(yes, &QPushButton::clicked, this, [this] { done(AnsweredYes); });
    connect(no, &QPushButton::clicked, this, [this] { done(AnsweredNo); });

    auto* message = new QHBoxLayout;
    message->addWidget(icon);
    message->addSpacing(Scaled(this, 8));
    message->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Scaled(this, 18), Scaled(this, 16), Scaled(this, 18),
                               Scaled(this, 12));
    layout->addLayout(message);
    layout->addSpacing(Scaled(this, 12));
    layout->addLayout(buttons);
    layout->addSpacing(Scaled(this, 6));
    layout->addWidget(m_checkBox);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    yes->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.5);
}

bool NoDefaultTerminalQuestion::dontShowAgain() const {
    return m_checkBox->isChecked();
}
