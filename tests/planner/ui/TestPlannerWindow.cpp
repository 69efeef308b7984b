// The planner window over the built-in atlas: rows while it computes, the whole atlas
// at the end, sorting by name and by a band's open hours, the filter, and the
// double-click that asks for the on-screen prediction of the row's path.

#include "planner/PlannerView.h"
#include "planner/ui/PlannerTableModel.h"
#include "planner/ui/PlannerWindow.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/EntryFields.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

using namespace predictiontest;

class TestPlannerWindow : public QObject {
    Q_OBJECT

private:
    Atlas m_atlas = BuiltInTestAtlas();
    FakeStatusLine m_status;

    PlannerWindowInput input() const {
        PlannerWindowInput in;
        in.previous.terminalA = {"W1", "42.35N", "71.05W", "Boston"};
        in.previous.date = DateFromCalendar(2026, 3, 21);
        in.previous.solarIndexText = "S120.0";
        in.settings = FactorySettings();
        in.atlas = &m_atlas;
        in.dates = UsDates();
        const DateValue noon = DateFromCalendar(2026, 3, 21) + 0.5;
        in.clock = {noon, noon};
        return in;
    }

private slots:
    void computesSortsFiltersAndOpens() {
        PlannerWindow window(input(), &m_status);
        std::vector<PredictionInputs> opened;
        window.setPredictionOpener([&opened](QWidget*, const PredictionInputs& inputs, PathKind) {
            opened.push_back(inputs);
        });
        window.show();
        QSignalSpy done(&window, &PlannerWindow::computationDone);
        QTest::mouseClick(window.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(window.computing());
        QVERIFY(done.wait(60000));
        QVERIFY(!window.computing());
        // Every place but the station's own prefix W1 (same coordinates: no path).
        const int places = static_cast<int>(m_atlas.Entries.size());
        QCOMPARE(window.model()->rowCount(), places - 1);

        auto* table = window.findChild<QTableView*>("PlannerGrid");
        const QAbstractItemModel* shown = table->model();
        table->sortByColumn(kPlannerNameColumn, Qt::AscendingOrder);
        for (int r = 1; r < shown->rowCount(); ++r)
            QVERIFY(shown->index(r - 1, kPlannerNameColumn).data().toString().toLower() <=
                    shown->index(r, kPlannerNameColumn).data().toString().toLower());
        // A band column sorts by the hours it is open: most first when descending.
        const int band = kPlannerBandColumn + 2;
        table->sortByColumn(band, Qt::DescendingOrder);
        auto openOf = [&](int r) {
            return shown->index(r, band)
                .data(PlannerTableModel::StripRole)
                .toString()
                .count(QRegularExpression("[A-D]"));
        };
        QVERIFY(openOf(0) >= openOf(shown->rowCount() - 1));
        QVERIFY(openOf(0) > 0);

        window.findChild<QLineEdit*>("FilterEdit")->setText("island");
        QVERIFY(shown->rowCount() > 5 && shown->rowCount() < 60);
        for (int r = 0; r < shown->rowCount(); ++r)
            QVERIFY(shown->index(r, kPlannerNameColumn)
                        .data()
                        .toString()
                        .contains("island", Qt::CaseInsensitive));

        const QModelIndex first = shown->index(0, kPlannerNameColumn);
        const QString prefix = shown->index(0, kPlannerPrefixColumn).data().toString();
        emit table->doubleClicked(first);
        QCOMPARE(opened.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(opened[0].terminalB.Prefix), prefix);
        QCOMPARE(opened[0].terminalA.Prefix, std::string("W1"));
        QCOMPARE(opened[0].solarIndexText, std::string("S120.0"));
    }

    void refusesABadSolarIndexAndCancels() {
        RecordingPresenter presenter;
        PlannerWindowInput in = input();
        PlannerWindow window(in, &m_status);
        window.show();
        auto* solar = window.findChild<ValidatedEdit*>("SolarIndexEdit");
        solar->setText("");
        QTest::mouseClick(window.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(!window.computing());
        QVERIFY(!presenter.messages.empty());
        solar->setText("S120");
        QSignalSpy done(&window, &PlannerWindow::computationDone);
        QTest::mouseClick(window.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
        QVERIFY(done.wait(60000));
        QVERIFY(window.model()->rowCount() < static_cast<int>(m_atlas.Entries.size()) - 1);
    }
};

QTEST_MAIN(TestPlannerWindow)
#include "TestPlannerWindow.moc"
