// The "Solar Data" button with a source of its own: it fills the fields and says where
// the figures came from, shows a failure and leaves the fields, fetches at the opening
// when the user chose it, cancels a fetch when its window closes, and stays off
// without a source.

#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/DayAndIndexFields.h"
#include "widgets/EntryFields.h"
#include "widgets/SolarDataButton.h"

#include <QDialog>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <memory>
#include <thread>

namespace {

constexpr DateConventions kDates{DateOrder::MonthDayYear, '/'};

struct Window {
    std::unique_ptr<QDialog> dialog = std::make_unique<QDialog>();
    DayAndIndexFields fields = MakeDayAndIndexFields(dialog.get(), kDates, true);
    SolarDataButton* button;

    Window(StatusLine* status, const std::string& date) {
        SetDayAndIndexTexts(fields, 0.0, kDates, "F150.0", "5");
        fields.date->setText(QString::fromStdString(date));
        button = MakeSolarDataButton(fields, kDates, status, dialog.get());
        dialog->show();
    }
    /// Clicks the button and waits for the fetch to end; true when it filled.
    bool clickAndWait() {
        QSignalSpy finished(button, &SolarDataButton::finished);
        QTest::mouseClick(button, Qt::LeftButton);
        if (!finished.wait(20000))
            return false;
        return finished.at(0).at(0).toBool();
    }
};

/// A source that answers every day with `answer`.
SolarDataSource Answering(SolarDataFetch answer, bool fillOnOpen = false) {
    return {[fillOnOpen] { return fillOnOpen; },
            [answer](DateValue, const std::atomic<bool>&) { return answer; }};
}

SolarDataFetch Figures(std::string solar, std::string k, std::string summary) {
    SolarDataFetch fetched;
    fetched.filled = true;
    fetched.solarText = std::move(solar);
    fetched.kText = std::move(k);
    fetched.summary = std::move(summary);
    return fetched;
}

} // namespace

class TestSolarDataButton : public QObject {
    Q_OBJECT

private:
    FakeStatusLine m_status;

private slots:
    void fillsTheFieldsAndSaysWhereFrom() {
        RecordingPresenter presenter;
        Window window(&m_status, "03/15/26");
        DateValue asked = 0.0;
        window.button->setSource({{}, [&asked](DateValue date, const std::atomic<bool>&) {
                                      asked = date;
                                      return Figures("S121.0", "",
                                                     "Smoothed sunspot number of March 2026");
                                  }});
        QVERIFY(window.button->isEnabled());
        QVERIFY(window.clickAndWait());
        QCOMPARE(asked, DateFromCalendar(2026, 3, 15));
        QCOMPARE(window.fields.solar->text(), QStringLiteral("S121.0"));
        QCOMPARE(window.fields.kIndex->text(), QString());
        QCOMPARE(m_status.hint, QStringLiteral("Smoothed sunspot number of March 2026"));
        QVERIFY(presenter.messages.empty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(window.button->text(), QStringLiteral("So&lar Data"));
    }

    void aFailureShowsItsMessageAndLeavesTheFields() {
        RecordingPresenter presenter;
        Window window(&m_status, "03/15/41");
        SolarDataFetch none;
        none.error = "No solar data for March 2041";
        window.button->setSource(Answering(none));
        QVERIFY(!window.clickAndWait());
        QCOMPARE(window.fields.solar->text(), QStringLiteral("F150.0"));
        QCOMPARE(window.fields.kIndex->text(), QStringLiteral("5"));
        QCOMPARE(presenter.messages.size(), std::size_t(1));
        QCOMPARE(presenter.lastText(), QStringLiteral("No solar data for March 2041"));
        QCOMPARE(window.button->lastStatus(), presenter.lastText());
    }

    void anInvalidDateIsRefusedBeforeAnyFetch() {
        RecordingPresenter presenter;
        Window window(&m_status, "13/45/26");
        bool fetched = false;
        window.button->setSource({{}, [&fetched](DateValue, const std::atomic<bool>&) {
                                      fetched = true;
                                      return SolarDataFetch{};
                                  }});
        QTest::mouseClick(window.button, Qt::LeftButton);
        QVERIFY(!window.button->busy());
        QVERIFY(!fetched);
        QCOMPARE(presenter.lastText(),
                 QStringLiteral("Enter a valid date before fetching solar data"));
    }

    void fillsInAtTheOpeningOnlyWhenChosen() {
        for (const bool chosen : {true, false}) {
            Window window(&m_status, "03/15/26");
            QSignalSpy finished(window.button, &SolarDataButton::finished);
            window.button->setSource(Answering(Figures("S99.0", "2", "chosen"), chosen));
            window.button->fillIfChosen();
            QCOMPARE(finished.wait(chosen ? 20000 : 300), chosen);
            QCOMPARE(window.fields.solar->text(),
                     chosen ? QStringLiteral("S99.0") : QStringLiteral("F150.0"));
        }
    }

    // Offline, a dialog that fetches on opening says so in its label, with no box to
    // close first; the same failure from a click still shows its box. The label keeps
    // the source of figures that came in sight after the status line moves on.
    void aFailureAtTheOpeningStaysInTheDialog() {
        RecordingPresenter presenter;
        Window window(&m_status, "03/15/26");
        SolarDataFetch none;
        none.error = "The solar data server could not be reached";
        window.button->setSource(Answering(none, true));
        QSignalSpy finished(window.button, &SolarDataButton::finished);
        window.button->fillIfChosen();
        QVERIFY(finished.wait(20000));
        QVERIFY(presenter.messages.empty());
        QLabel* label = window.dialog->findChild<QLabel*>("SolarDataLabel");
        QVERIFY(label && label == window.button->sourceLabel());
        QCOMPARE(label->text(), QString::fromStdString(none.error));
        QVERIFY(!label->isHidden());
        QVERIFY(!window.clickAndWait());
        QCOMPARE(presenter.messages.size(), std::size_t(1));

        window.button->setSource(Answering(Figures("F141.0", "3", "Daily flux of 14 Mar 2026")));
        QVERIFY(window.clickAndWait());
        m_status.hint.clear();
        QCOMPARE(label->text(), QStringLiteral("Daily flux of 14 Mar 2026"));
    }

    // The source of the figure goes with the prediction only while the field still
    // holds the fetched figure: a typed or changed figure has none.
    void theSourceFollowsOnlyTheFetchedFigure() {
        Window window(&m_status, "03/15/26");
        QCOMPARE(window.button->sourceOf(QStringLiteral("F150.0")), QString());
        SolarDataFetch fetched = Figures("F141.0", "3", "Daily flux of 14 Mar 2026");
        fetched.record = "Daily flux of 14 Mar 2026, fetched 2026-03-15 08:00 UTC";
        window.button->setSource(Answering(fetched));
        QVERIFY(window.clickAndWait());
        const QString shown = window.fields.solar->text();
        QCOMPARE(shown, QStringLiteral("F141.0"));
        QCOMPARE(window.button->sourceOf(shown), QString::fromStdString(fetched.record));
        QCOMPARE(window.button->sourceOf(QStringLiteral(" F141.0 ")),
                 QString::fromStdString(fetched.record));
        QCOMPARE(window.button->sourceOf(QStringLiteral("F141.5")), QString());
        QCOMPARE(window.button->sourceOf(QString()), QString());
    }

    void closingDuringAFetchCancelsIt() {
        RecordingPresenter presenter;
        auto window = std::make_unique<Window>(&m_status, "03/15/26");
        auto sawCancel = std::make_shared<std::atomic<bool>>(false);
        window->button->setSource({{}, [sawCancel](DateValue, const std::atomic<bool>& cancel) {
                                       while (!cancel)
                                           std::this_thread::yield();
                                       *sawCancel = true;
                                       SolarDataFetch fetched;
                                       fetched.cancelled = true;
                                       return fetched;
                                   }});
        QTest::mouseClick(window->button, Qt::LeftButton);
        QVERIFY(window->button->busy());
        QCOMPARE(window->button->text(), QStringLiteral("Cancel So&lar Data"));
        window.reset(); // waits for the worker; must not crash or leave a busy cursor
        QVERIFY(*sawCancel);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(presenter.messages.empty());
    }

    void withoutASourceTheButtonIsOff() {
        Window window(&m_status, "03/15/26");
        QVERIFY(!window.button->isEnabled());
        window.button->setSource({[] { return true; }, {}});
        QVERIFY(!window.button->isEnabled());
        window.button->fillIfChosen();
        QVERIFY(!window.button->busy());
    }
};

QTEST_MAIN(TestSolarDataButton)
#include "TestSolarDataButton.moc"
