#pragma once

#include "core/Dates.h"

#include <QDialog>

class StatusLine;
class DateEdit;

/// "New Date": asks for one date for the map displays. OK accepts only a real
/// calendar date (the focus returns to the field otherwise); Cancel or Escape gives
/// Rejected. The caller converts dateText() with ParseDateText.
class NewDateDialog : public QDialog {
    Q_OBJECT
public:
    NewDateDialog(const DateConventions& dates, StatusLine* statusLine, QWidget* parent = nullptr);

    /// The 8-character date text in the user's date order.
    QString dateText() const;

private:
    void OKBtnClick();

    DateEdit* m_dateEdit;
};
