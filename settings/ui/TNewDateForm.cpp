#include "settings/ui/TNewDateForm.h"

#include "widgets/KxHelp.h"
#include "widgets/KxStatusLine.h"
#include "widgets/KxWindowScale.h"
#include "widgets/TKxDateEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TNewDateForm::TNewDateForm(const DateConventions& dates, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_dateEdit(new TKxDateEdit(this)) {
    setObjectName(QStringLiteral("NewDateForm"));
    setWindowTitle(QStringLiteral("New Date"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, 38);
    ScaleWindow(this);

    m_dateEdit->setObjectName(QStringLiteral("DateEdit"));
    m_dateEdit->setDateConventions(dates);
    m_dateEdit->setEnterToTab(false);
    // The date is checked when OK is pressed, not when the field is left.
    m_dateEdit->setAllowExitHandler(true);
    m_dateEdit->setStatusTip(QString::fromStdString(DateHint(dates)));
    m_dateEdit->clearDate();
    m_dateEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + Scaled(this, 12));
    auto* format = new QLabel(QString::fromStdString(DateFormatText(dates)), this);
    format->setObjectName(QStringLiteral("FormatLabel"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TNewDateForm::OKBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* field = new QHBoxLayout;
    field->addStretch();
    field->addWidget(m_dateEdit);
    field->addWidget(format);
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
    m_dateEdit->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.35);
}

QString TNewDateForm::dateText() const {
    return m_dateEdit->text();
}

void TNewDateForm::OKBtnClick() {
    if (m_dateEdit->Validate()) {
        accept();
        return;
    }
    m_dateEdit->setFocus(Qt::OtherFocusReason);
}
