#pragma once

#include "atlas/ui/BearingsPrinting.h"

#include <QDialog>
#include <functional>

struct Settings;
class QGroupBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class StatusLine;
class LatitudeEdit;
class LongitudeEdit;
class NameEdit;
class UpDown;
class WordEdit;

/// "Print Great Circle Bearings": the short-path bearing from a point to every atlas
/// entry, printed on landscape pages. The user gives the point (the default terminal
/// at first), the order of the table and the smallest font size; "&Print..." checks
/// the fields, asks for a printer and prints, then the window closes. Open it only
/// for an atlas with entries.
class BearingsPrintDialog : public QDialog {
    Q_OBJECT
public:
    BearingsPrintDialog(const Atlas& atlas, const Settings& settings, StatusLine* statusLine,
                        QWidget* parent = nullptr);

    /// Shows the print dialog for `printer`; true when the user confirmed. Tests put
    /// a PDF file there instead.
    using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;
    void setPrinterChooser(PrinterChooser chooser) { m_chooser = std::move(chooser); }

    /// The last print's outcome (font size and pages), for tests.
    const BearingsPrintResult& lastResult() const { return m_result; }

    /// The window cannot be closed while a job runs.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PrintBtnClick();
    bool checkFields();
    BearingsPrintJob job() const;

    const Atlas& m_atlas;
    StatusLine* m_statusLine;
    PrinterChooser m_chooser;
    BearingsPrintResult m_result;
    bool m_printing = false;

    LatitudeEdit* m_latEdit;
    LongitudeEdit* m_lonEdit;
    NameEdit* m_nameEdit;
    QRadioButton* m_byPrefix;
    QRadioButton* m_byName;
    WordEdit* m_fontSizeEdit;
    UpDown* m_fontSizeUpDown;
    QPushButton* m_printBtn;
    QPushButton* m_cancelBtn;
};
