// The hops window and the two graph windows on a real prediction: toggles, keys,
// "Save as Text..." with the append question, pictures in three formats, the click
// that names a curve, and Print only when something is drawn.

#include "graphs/HopsList.h"
#include "prediction/HopsWindow.h"
#include "prediction/MufGraphWindow.h"
#include "prediction/SignalGraphWindow.h"
#include "report/PredictionHeaders.h"
#include "report/PredictionReport.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/AppendOrOverwriteQuestion.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace predictiontest;

namespace {

/// A real prediction from W1AW to Tokyo.
PredictionResultsInput RealInput() {
    PredictionResultsInput input;
    input.settings = TestSettings(true);
    input.dates = UsDates();
    input.request = RequestTo(input.settings, "PM95");
    input.result = Predict(input.request);
    return input;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void AnswerAppendOrOverwrite(const char* button) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, button] {
        if (auto* dialog = TopLevel<AppendOrOverwriteQuestion>()) {
            dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

template <typename T> T* Child(QWidget* window, const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class TestGraphWindows : public QObject {
    Q_OBJECT
private slots:
    void hopsWindowTogglesAndSavesWholeLines() {
        RecordingPresenter presenter;
        QTemporaryDir dir;
        const PredictionResultsInput input = RealInput();
        HopsWindow window(input, PathKind::Short);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Hopscope Short-Path Prediction (Advanced) for 12/08/2026"));
        auto* list = Child<QListWidget>(&window, "HopsListBox");
        QCOMPARE(list->count(), static_cast<int>(window.list().lines.size()));
        QVERIFY(list->count() > 10);
        // On screen a line is at most shortened, never changed.
        for (int i = 0; i < list->count(); ++i)
            QVERIFY(
                QString::fromStdString(window.list().lines[i]).startsWith(list->item(i)->text()));

        auto* group = Child<QPushButton>(&window, "GroupToggleBtn");
        QCOMPARE(group->text(), QStringLiteral("&Group by Frequency"));
        QTest::keyClick(list, Qt::Key_G);
        QCOMPARE(window.grouping(), HopsGrouping::ByFrequency);
        QCOMPARE(group->text(), QStringLiteral("&Group by Time"));
        QTest::keyClick(list, Qt::Key_P);
        QCOMPARE(window.pathKind(), PathKind::Long);

        const QString path = dir.filePath(QStringLiteral("hops.txt"));
        QVERIFY(window.saveReportTo(path));
        const QByteArray text = ReadAll(path);
        QCOMPARE(text, QByteArray::fromStdString(JoinReportLines(window.reportLines())));
        QVERIFY(text.contains("Long-Path Prediction (Advanced)"));
        AnswerAppendOrOverwrite("AppendBtn");
        QVERIFY(window.saveReportTo(path));
        QCOMPARE(ReadAll(path), text + text);
        QVERIFY(presenter.messages.empty());
    }

    void mufWindowSavesPicturesInThreeFormats() {
        RecordingPresenter presenter;
        QTemporaryDir dir;
        MufGraphWindow window(RealInput(), PathKind::Long);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Hopscope Long-Path MUF")));
        QVERIFY(!window.drawing().items.empty());
        Child<QPushButton>(&window, "PathToggleBtn")->click();
        QCOMPARE(window.pathKind(), PathKind::Short);

        QVERIFY(window.savePictureTo(dir.filePath(QStringLiteral("muf.png"))));
        const QImage image(dir.filePath(QStringLiteral("muf.png")));
        QCOMPARE(image.size(), QSize(1600, 1200));
        QVERIFY(window.savePictureTo(dir.filePath(QStringLiteral("muf.svg"))));
        QVERIFY(ReadAll(dir.filePath(QStringLiteral("muf.svg"))).contains("<svg"));
        // The header rows name fixed-pitch fall-backs, never "Courier New" alone.
        QVERIFY(ReadAll(dir.filePath(QStringLiteral("muf.svg")))
                    .contains("font-family=\"Courier New, Liberation Mono, DejaVu Sans Mono, "
                              "monospace\""));
        QVERIFY(!ReadAll(dir.filePath(QStringLiteral("muf.svg")))
                     .contains("font-family=\"Courier New\""));
        QVERIFY(window.savePictureTo(dir.filePath(QStringLiteral("muf.pdf"))));
        QVERIFY(ReadAll(dir.filePath(QStringLiteral("muf.pdf"))).startsWith("%PDF"));
        QVERIFY(presenter.messages.empty());

        QVERIFY(!window.savePictureTo(QStringLiteral("/nonexistent-folder/muf.png")));
        QCOMPARE(presenter.messages.size(), std::size_t(1));
        QCOMPARE(presenter.messages[0].kind, MessageKind::Error);
        QVERIFY(Child<QPushButton>(&window, "CloseBtn")->isEnabled());
    }

    void signalsWindowNamesTheClickedCurve() {
        SignalGraphWindow window(RealInput(), PathKind::Short, true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.model().Drawn());
        QVERIFY(Child<QAction>(&window, "Print1")->isEnabled());
        // A point of some curve where no other curve is as near, as the view shows it.
        std::optional<Point> at;
        std::string label;
        for (const SignalCurve& curve : window.model().curves)
            for (const SignalMarker& marker : curve.markers)
                if (!at && IdentifyCurve(window.model(), marker.at.x, marker.at.y) == curve.slot) {
                    at = marker.at;
                    label = window.model().points.series[curve.slot].label;
                }
        QVERIFY(at);
        window.identifyAt(QPointF(at->x, at->y));
        QCOMPARE(window.hintText(), QString::fromStdString(label));
        window.identifyAt(QPointF(1, 1)); // far from every curve: nothing new is named

        auto* toggle = Child<QPushButton>(&window, "SigDisplayToggleBtn");
        QCOMPARE(toggle->text(), QStringLiteral("Show &Signal-to-Noise Ratios"));
        toggle->click();
        QVERIFY(!window.showsSignalLevels());
        QVERIFY(window.model().title.find("SIGNAL-TO-NOISE RATIOS IN dB") != std::string::npos);
    }

    void signalsWindowWithNothingToDrawCannotPrint() {
        PredictionResultsInput input = RealInput();
        for (PathResult& path : input.result.Paths)
            for (auto& row : path.Signal)
                row.fill(kNoModeSignal);
        SignalGraphWindow window(input, PathKind::Short, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.model().message,
                 std::string("There are no displayable S/N (no modes were found)"));
        QVERIFY(!Child<QAction>(&window, "Print1")->isEnabled());
    }
};

QTEST_MAIN(TestGraphWindows)
#include "TestGraphWindows.moc"
