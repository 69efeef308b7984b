// The bearings printout window: its start from the default terminal, the font size
// field, the checks before printing, and a real print to a PDF file.

#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/RecordingPresenter.h"

#include "atlas/AtlasFile.h"
#include "atlas/ui/BearingsPrintDialog.h"
#include "settings/Settings.h"
#include "widgets/EntryFields.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

class TestBearingsPrintDialog : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Atlas m_atlas;
    FakeStatusLine m_status;

    static Settings WithDefault() {
        Settings settings;
        settings.DefaultLatitudeText = "43 39";
        settings.DefaultLongitudeText = "79 23";
        settings.DefaultName = "VE3 shack";
        settings.DefaultDefined = true;
        return settings;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        LoadAtlas(m_atlas, m_dir.path().toStdString());
        QCOMPARE(m_atlas.Count, 371);
    }

    void startsFromTheDefaultTerminal() {
        BearingsPrintDialog form(m_atlas, WithDefault(), &m_status);
        form.show();
        QCOMPARE(form.windowTitle(), QString("Print Great Circle Bearings"));
        QCOMPARE(form.findChild<ValidatedEdit*>("LatEdit")->text(), QString("43 39"));
        QCOMPARE(form.findChild<ValidatedEdit*>("NameEdit")->text(), QString("VE3 shack"));
        QCOMPARE(form.findChild<ValidatedEdit*>("FontSizeEdit")->text(), QString("6"));
        QVERIFY(form.findChild<QRadioButton*>("AlphabetizeByPrefixRadioBtn")->isChecked());
        BearingsPrintDialog blank(m_atlas, Settings{}, &m_status);
        QVERIFY(blank.findChild<ValidatedEdit*>("LatEdit")->text().isEmpty());
    }

    void fontSizeTakesDigitsOnlyAndStaysInRange() {
        RecordingPresenter messages;
        bool asked = false;
        BearingsPrintDialog form(m_atlas, WithDefault(), &m_status);
        form.setPrinterChooser([&](QPrinter&, QWidget*) { return asked = true; });
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* size = form.findChild<ValidatedEdit*>("FontSizeEdit");
        size->setFocus();
        size->selectAll();
        QTest::keyClicks(size, "x1");
        QCOMPARE(size->text(), QString("1"));
        QCOMPARE(messages.alerts, 1);
        QCOMPARE(m_status.hint, QString("Larger fonts may cause the table to extend over a "
                                        "greater number of pages"));
        // Too small: refused before any printer is asked for.
        QTest::mouseClick(form.findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QCOMPARE(messages.lastText(), QString("Please enter a value between 6 and 12."));
        QVERIFY(!asked);
        QVERIFY(form.isVisible());
    }

    void printsToAPdfFileAndCloses() {
        RecordingPresenter messages;
        const QString pdf = m_dir.filePath("bearings.pdf");
        BearingsPrintDialog form(m_atlas, WithDefault(), &m_status);
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        form.setPrinterChooser([&](QPrinter& printer, QWidget*) {
            orientation = printer.pageLayout().orientation();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            return true;
        });
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.findChild<QRadioButton*>("AlphabetizeByNameRadioBtn")->setChecked(true);
        QTest::mouseClick(form.findChild<QPushButton*>("PrintBtn"), Qt::LeftButton);
        QCOMPARE(orientation, QPageLayout::Landscape);
        QVERIFY2(messages.messages.empty(), qPrintable(messages.lastText()));
        QVERIFY(form.lastResult().ok);
        QVERIFY(form.lastResult().fontSize >= 6 && form.lastResult().fontSize <= 12);
        QVERIFY(form.lastResult().pages >= 1);
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(m_status.hint, QString("Printing"));
    }
};

QTEST_MAIN(TestBearingsPrintDialog)
#include "TestBearingsPrintDialog.moc"
