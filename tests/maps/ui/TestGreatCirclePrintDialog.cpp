// The great-circle map printout: fields from the default terminal, the refusal of a
// bad coordinate, and a page written to a PDF file.

#include "tests/widgets/RecordingPresenter.h"

#include "maps/ui/GreatCirclePrintDialog.h"
#include "settings/SettingsFile.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

class TestGreatCirclePrintDialog : public QObject {
    Q_OBJECT
private slots:
    void printsTheDefaultTerminalsMapToPdf() {
        QTemporaryDir dir;
        Settings settings = FactorySettings();
        settings.DefaultLatitudeText = "51 30 N";
        settings.DefaultLongitudeText = "0 7 W";
        settings.DefaultName = "Home";
        settings.DefaultDefined = true;
        GreatCirclePrintDialog form(settings, nullptr);
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("LatEdit"))->text(),
                 QStringLiteral("51 30 N"));
        const QString pdf = dir.filePath(QStringLiteral("map.pdf"));
        form.setPrinterChooser([pdf](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setResolution(300);
            return true;
        });
        form.PrintBtnClick();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(QFileInfo(pdf).size() > 10000);
    }

    void refusesABadLatitudeAndPrintsNothing() {
        RecordingPresenter messages;
        GreatCirclePrintDialog form(FactorySettings(), nullptr);
        QVERIFY(form.findChild<QLineEdit*>(QStringLiteral("LatEdit"))->text().isEmpty());
        form.findChild<QLineEdit*>(QStringLiteral("LatEdit"))->setText(QStringLiteral("91"));
        bool asked = false;
        form.setPrinterChooser([&asked](QPrinter&, QWidget*) { return asked = true; });
        form.PrintBtnClick();
        QVERIFY(!asked);
        QVERIFY(!messages.messages.empty());
    }
};

QTEST_MAIN(TestGreatCirclePrintDialog)
#include "TestGreatCirclePrintDialog.moc"
