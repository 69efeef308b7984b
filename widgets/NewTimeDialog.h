#pragma once

#include <QDialog>

class StatusLine;
class TimeEdit;

/// "New Time": asks for one time of day (four digits HHMM, 0000..2359) for the map
/// displays, in UTC or the user's local time as the label says. OK accepts only a
/// valid time; Cancel or Escape gives Rejected.
class NewTimeDialog : public QDialog {
    Q_OBJECT
public:
    /// `timeZoneLabel` is "UTC" or "ULT".
    NewTimeDialog(const QString& timeZoneLabel, StatusLine* statusLine, QWidget* parent = nullptr);

    /// The four-digit time text.
    QString timeText() const;

private:
    void OKBtnClick();

    TimeEdit* m_timeEdit;
};
