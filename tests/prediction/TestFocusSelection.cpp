// A field the dialog moves the focus into has its whole text selected, so what the
// user types replaces the old text instead of being added to it.

#include "prediction/PredictionDialog.h"
#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"

#include <QLineEdit>
#include <QtTest>
#include <memory>

using namespace predictiontest;

class TestFocusSelection : public QObject {
    Q_OBJECT

private:
    Atlas m_atlas = BuiltInTestAtlas();
    FakeStatusLine m_status;

    // The dialog with the default terminal as A and the locator FN31 left as B by the
    // previous prediction.
    std::unique_ptr<PredictionDialog> open() {
        PredictionDialogInput input;
        input.settings = TestSettings(true);
        input.previous.terminalA = DefaultTerminal(input.settings);
        const LocatorResult b = GridLocatorToCoordinates("FN31", false);
        input.previous.terminalB.Prefix = "FN31";
        input.previous.terminalB.LatitudeText = b.latitudeText;
        input.previous.terminalB.LongitudeText = b.longitudeText;
        input.previous.date = DateFromCalendar(2026, 12, 8);
        input.previous.solarIndexText = "F150.0";
        input.atlas = &m_atlas;
        input.dates = UsDates();
        auto dialog = std::make_unique<PredictionDialog>(input, &m_status);
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("dialog not active");
        return dialog;
    }

    static QLineEdit* field(QWidget* dialog, const char* name) {
        auto* child = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }

private slots:
    void enterFromAThenTypingReplacesTheOldPrefixOfB() {
        RecordingPresenter presenter;
        auto dialog = open();
        auto* a = field(dialog.get(), "APfxEdit");
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Return);
        auto* b = field(dialog.get(), "BPfxEdit");
        QVERIFY(b->hasFocus());
        QTest::keyClicks(b, QStringLiteral("ja"));
        QCOMPARE(b->text(), QStringLiteral("JA"));
    }

    void insertThenTypingReplacesTheOldLatitude() {
        RecordingPresenter presenter;
        auto dialog = open();
        auto* b = field(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Insert);
        auto* lat = field(dialog.get(), "BLatEdit");
        QVERIFY(lat->hasFocus());
        QTest::keyClicks(lat, QStringLiteral("33 52 s"));
        QCOMPARE(lat->text(), QStringLiteral("33 52 S"));
    }

    void enterToTheDateThenTypingChangesTheDate() {
        RecordingPresenter presenter;
        auto dialog = open();
        auto* b = field(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Return);
        auto* date = field(dialog.get(), "DateEdit");
        QVERIFY(date->hasFocus());
        QCOMPARE(date->text(), QStringLiteral("12/08/26"));
        QTest::keyClicks(date, QStringLiteral("0704"));
        QVERIFY2(date->text().startsWith(QStringLiteral("07/04")), qPrintable(date->text()));
    }

    void aClickPlacesTheCaretWithoutSelecting() {
        RecordingPresenter presenter;
        auto dialog = open();
        auto* b = field(dialog.get(), "BPfxEdit");
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(2, b->height() / 2));
        QVERIFY(b->hasFocus());
        QVERIFY(!b->hasSelectedText());
    }
};

QTEST_MAIN(TestFocusSelection)
#include "TestFocusSelection.moc"
