#pragma once

#include <QDialog>
#include <functional>

#include "settings/Settings.h"

class QPrinter;
class QPushButton;
class StatusLine;
class LatitudeEdit;
class LongitudeEdit;
class NameEdit;

/// "Print Great Circle Map": a full-page azimuthal equidistant world map centred on the
/// entered place, with a bearing rose, printed or written to a PDF file through the
/// print dialog. The window closes after every print attempt.
class GreatCirclePrintDialog : public QDialog {
    Q_OBJECT
public:
    GreatCirclePrintDialog(const Settings& settings, StatusLine* statusLine,
                           QWidget* parent = nullptr);

    /// Chooses the printer (the print dialog by default); false when cancelled. Tests
    /// point the printer at a PDF file instead.
    void setPrinterChooser(std::function<bool(QPrinter&, QWidget*)> choose) {
        m_choosePrinter = std::move(choose);
    }

public slots:
    void PrintBtnClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const Settings& settings);
    void printPage(QPrinter& printer);

    StatusLine* m_statusLine;
    std::function<bool(QPrinter&, QWidget*)> m_choosePrinter;
    LatitudeEdit* m_lat = nullptr;
    LongitudeEdit* m_lon = nullptr;
    NameEdit* m_name = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_printing = false;
};
