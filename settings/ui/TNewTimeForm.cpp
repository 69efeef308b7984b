#include "settings/ui/TNewTimeForm.h"

#include "widgets/KxHelp.h"
#include "widgets/KxStatusLine.h"
#include "widgets/KxWindowScale.h"
#include "widgets/TKxTimeEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TNewTimeForm::TNewTimeForm(const QString& timeZoneLabel, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_timeEdit(new TKxTimeEdit(this)) {
    setObjectName(QStringLiteral("NewTimeForm"));
    setWindowTitle(QStringLiteral("New Time"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, 39);
    ScaleWindow(this);

    m_timeEdit->setObjectName(QStringLiteral("TimeEdit"));
    m_timeEdit->setEnterToTab(false);
    // The time is checked when OK is pressed, not when the field is left.
    m_timeEdit->setAllowExitHandler(true);
    m_timeEdit->setStatusTip(QStringLiteral("Enter the time as four digits, hours and minutes (0000 to 2359)"));
    m_timeEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) + Scaled(this, 12));
    auto* label = new QLabel(timeZoneLabel, this);
    label->setObjectName(QStringLiteral("Label1"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TNewTimeForm::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->addStretch();
    field->addWidget(m_timeEdit);
    field->addWidget(label);
    field->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addSpacing(Scaled(this, 8));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    TrackFocusHints(this, statusLine);
    m_timeEdit->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.35);
}

QString TNewTimeForm::timeText() const {
    return m_timeEdit->text();
}

void TNewTimeForm::OKBtnClick() {
    if (m_timeEdit->Validate()) {
        accept();
        return;
    }
    m_timeEdit->setFocus(Qt::OtherFocusReason);
}
