#include "widgets/NewDateDialog.h"

#include "widgets/DateEdit.h"
#include "widgets/HelpContext.h"
#include "widgets/OneFieldDialog.h"
#include "widgets/QtText.h"
#include "widgets/WindowScale.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The help page F1 opens here.
constexpr int kNewDateHelpContext = 38;

} // namespace

NewDateDialog::NewDateDialog(const DateConventions& dates, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_dateEdit(new DateEdit(this)) {
    setObjectName(QStringLiteral("NewDateForm"));
    setWindowTitle(QStringLiteral("New Date"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kNewDateHelpContext);
    ScaleWindow(this);

    m_dateEdit->setObjectName(QStringLiteral("DateEdit"));
    m_dateEdit->setDateConventions(dates);
    m_dateEdit->setEnterToTab(false);
    // The date is checked when OK is pressed, not when the field is left.
    m_dateEdit->setAllowExitHandler(true);
    m_dateEdit->setStatusTip(Q(DateHint(dates)));
    m_dateEdit->clearDate();
    m_dateEdit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) +
                              Scaled(this, 12));
    auto* format = new QLabel(Q(DateFormatText(dates)), this);
    format->setObjectName(QStringLiteral("FormatLabel"));

    QPushButton* ok = LayOutOneFieldDialog(this, m_dateEdit, format, statusLine);
    connect(ok, &QPushButton::clicked, this, &NewDateDialog::OKBtnClick);
}

QString NewDateDialog::dateText() const {
    return m_dateEdit->text();
}

void NewDateDialog::OKBtnClick() {
    if (m_dateEdit->Validate()) {
        accept();
        return;
    }
    m_dateEdit->setFocus(Qt::OtherFocusReason);
}
