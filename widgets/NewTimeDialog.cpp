#include "widgets/NewTimeDialog.h"

#include "widgets/HelpContext.h"
#include "widgets/OneFieldDialog.h"
#include "widgets/TimeEdit.h"
#include "widgets/WindowScale.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The help page F1 opens here.
constexpr int kNewTimeHelpContext = 39;

} // namespace

NewTimeDialog::NewTimeDialog(const QString& timeZoneLabel, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_timeEdit(new TimeEdit(this)) {
    setObjectName(QStringLiteral("NewTimeForm"));
    setWindowTitle(QStringLiteral("New Time"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kNewTimeHelpContext);
    ScaleWindow(this);

    m_timeEdit->setObjectName(QStringLiteral("TimeEdit"));
    m_timeEdit->setEnterToTab(false);
    // The time is checked when OK is pressed, not when the field is left.
    m_timeEdit->setAllowExitHandler(true);
    m_timeEdit->setStatusTip(QStringLiteral("Enter a four-digit time between 0000 and 2359"));
    m_timeEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                              Scaled(this, 12));
    auto* label = new QLabel(timeZoneLabel, this);
    label->setObjectName(QStringLiteral("Label1"));

    QPushButton* ok = LayOutOneFieldDialog(this, m_timeEdit, label, statusLine);
    connect(ok, &QPushButton::clicked, this, &NewTimeDialog::OKBtnClick);
}

QString NewTimeDialog::timeText() const {
    return m_timeEdit->text();
}

void NewTimeDialog::OKBtnClick() {
    if (m_timeEdit->Validate()) {
        accept();
        return;
    }
    m_timeEdit->setFocus(Qt::OtherFocusReason);
}
