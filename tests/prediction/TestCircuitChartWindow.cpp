// The circuit chart window on a real circuit: the path toggle, the rows, the classic
// MUF, the readout under the pointer, and the pictures and CSV it saves.

#include "prediction/ChildWindowParts.h"
#include "prediction/CircuitChartWindow.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {

/// W1AW to Tokyo on 8 December 2026, an FT8 station of 5 W.
CircuitChartWindowInput RealInput() {
    CircuitChartWindowInput input;
    const Settings settings = predictiontest::TestSettings(true);
    input.classic = predictiontest::RequestTo(settings, "PM95");
    ::StationSettings station;
    station.mode = StationMode::FT8;
    station.powerW = 5.0;
    [&] {
        QCOMPARE(QString::fromStdString(ApplyStationSettings(station, {}, input.chart)), QString());
    }();
    [&] {
        QCOMPARE(
            QString::fromStdString(FillCircuitFromPrediction(input.classic, "F150.0", input.chart)),
            QString());
    }();
    input.chart.userFrequenciesMHz = {7.1, 14.1, 21.2};
    return input;
}

bool DrawsText(const Drawing& drawing, const std::string& wanted) {
    return std::any_of(drawing.items.begin(), drawing.items.end(), [&](const DrawItem& item) {
        const auto* text = std::get_if<TextItem>(&item);
        return text && text->text == wanted;
    });
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCircuitChartWindow : public QObject {
    Q_OBJECT
private slots:
    void togglesPathRowsAndClassicMuf() {
        CircuitChartWindow window(RealInput());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Hopscope Circuit Chart: Short Path"));
        QCOMPARE(QString::fromStdString(window.chart().error), QString());
        QVERIFY(DrawsText(window.drawing(), window.chart().titleLines[0]));
        QVERIFY(window.chart().titleLines[1].find("FT8") != std::string::npos);
        QCOMPARE(window.chart().freqsMHz.size(), std::size_t{3});

        window.findChild<QPushButton*>(QStringLiteral("PathToggleBtn"))->click();
        QCOMPARE(window.windowTitle(), QStringLiteral("Hopscope Circuit Chart: Long Path"));
        QVERIFY(window.chart().longPath);
        QVERIFY(window.chart().titleLines[0].find("long path") != std::string::npos);

        window.findChild<QComboBox*>(QStringLiteral("RowsComboBox"))->setCurrentIndex(1);
        QCOMPARE(window.chart().rowLabels.front(), std::string("80 m"));
        QVERIFY(!DrawsText(window.drawing(), "Classic MUF"));
        window.findChild<QCheckBox*>(QStringLiteral("ClassicMufBox"))->setChecked(true);
        QVERIFY(window.chart().hasClassicMuf);
        QVERIFY(DrawsText(window.drawing(), "Classic MUF"));
        QVERIFY(*std::max_element(window.chart().classicMufMHz.begin(),
                                  window.chart().classicMufMHz.end()) > 3.0);
    }

    void readsOutTheCellUnderThePointer() {
        CircuitChartWindow window(RealInput());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* view = window.findChild<DrawingView*>(QStringLiteral("Image1"));
        const ChartLayout layout = LayoutCircuitChart(window.chart(), view->width(), view->height(),
                                                      ApproximateTextMeasure());
        // Hour 13, the top row (21.2 MHz): the middle of the cell in any font's layout
        // is close to it, so aim with the window's own layout through a click.
        const QPoint inside(qRound(layout.left + 13.5 * layout.cellWidth),
                            qRound(layout.top + 0.5 * layout.cellHeight));
        QTest::mouseMove(view, inside);
        QTest::mouseClick(view, Qt::LeftButton, {}, inside);
        const QString text = window.readout();
        QVERIFY2(text.contains(QStringLiteral(" UTC, ")) && text.contains(QStringLiteral("MHz")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("circuit reliability")), qPrintable(text));
    }

    void savesPicturesAndCsv() {
        RecordingPresenter presenter;
        QTemporaryDir dir;
        CircuitChartWindow window(RealInput());
        for (const char* name : {"chart.png", "chart.svg", "chart.pdf"}) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QVERIFY(window.savePictureTo(path));
            QVERIFY(ReadAll(path).size() > 1000);
        }
        QVERIFY(ReadAll(dir.filePath(QStringLiteral("chart.svg")))
                    .contains("P.533 circuit reliability"));
        const QString csv = dir.filePath(QStringLiteral("chart.csv"));
        QVERIFY(window.saveCsvTo(csv));
        QCOMPARE(ReadAll(csv), QByteArray::fromStdString(CircuitChartCsv(window.chart())));
        QVERIFY(presenter.messages.empty());
        // A folder that is not there: a message, no file.
        QVERIFY(!window.saveCsvTo(dir.filePath(QStringLiteral("none/chart.csv"))));
        QCOMPARE(presenter.messages.size(), std::size_t{1});
    }
};

QTEST_MAIN(TestCircuitChartWindow)
#include "TestCircuitChartWindow.moc"
