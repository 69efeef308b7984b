// The plain pieces under the prediction windows: scrolling around the clock, the
// path information page, text report files and the printed report.

#include "prediction/ClockScroll.h"
#include "prediction/PathInfoPage.h"
#include "prediction/ReportPrinting.h"
#include "prediction/TextReportFile.h"
#include "tests/prediction/PredictionTestSupport.h"

#include <QPrinter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace predictiontest;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const PathInfoLine* LineAt(const std::vector<PathInfoLine>& lines, int line, bool label = false) {
    for (const PathInfoLine& l : lines)
        if (l.line == line && l.overPrevious == label)
            return &l;
    return nullptr;
}

} // namespace

class TestPredictionPieces : public QObject {
    Q_OBJECT

private slots:
    void clockScrollKeepsTimesAndViewInRange_data() {
        QTest::addColumn<int>("visible");
        for (int v : {1, 2, 5, 20, 30, 47})
            QTest::addRow("V=%d", v) << v;
    }

    void clockScrollKeepsTimesAndViewInRange() {
        // Random keys over a long session: the selected row always shows the time the
        // keys moved to, stays in view, and the view never touches either end row.
        QFETCH(int, visible);
        QRandomGenerator random(visible);
        ClockScrollState state = ClockHome();
        int halfHour = 0;
        for (int i = 0; i < 2000; ++i) {
            switch (random.bounded(6)) {
            case 0:
                state = ClockLineDown(state, visible);
                halfHour += 1;
                break;
            case 1:
                state = ClockLineUp(state, visible);
                halfHour -= 1;
                break;
            case 2:
                state = ClockPageDown(state, visible);
                halfHour += std::max(1, visible - 1);
                break;
            case 3:
                state = ClockPageUp(state, visible);
                halfHour -= std::max(1, visible - 1);
                break;
            case 4:
                state = ClockHome();
                halfHour = 0;
                break;
            case 5:
                state = ClockEnd(visible);
                halfHour = 47;
                break;
            }
            halfHour = ((halfHour % 48) + 48) % 48;
            QCOMPARE(ClockRowHalfHour(state.selectedRow), halfHour);
            QVERIFY(state.topRow > 1 || visible >= 48);
            QVERIFY(state.topRow + visible - 1 < ClockRowCount(visible));
            QVERIFY(state.selectedRow >= state.topRow);
            QVERIFY(state.selectedRow <= state.topRow + visible - 1);
        }
    }

    void clockScrollEndsAndOtherScrolling() {
        QCOMPARE(ClockRowCount(20), 69);
        QCOMPARE(ClockHome(), (ClockScrollState{49, 49}));
        QCOMPARE(ClockEnd(20), (ClockScrollState{29, 48}));
        // Down from the last visible row of the day wraps back by a day.
        QCOMPARE(ClockLineDown({49, 68}, 20), (ClockScrollState{2, 21}));
        // Up from row 2 at the top wraps forward by a day.
        QCOMPARE(ClockLineUp({2, 2}, 20), (ClockScrollState{49, 49}));
        // The scroll bar moved the view to an end.
        QCOMPARE(ClockNormalTop(1, 20), 49);
        QCOMPARE(ClockNormalTop(50, 20), 2);
        QCOMPARE(ClockNormalTop(30, 20), 30);
    }

    void pathInformationLines() {
        const Settings settings = StationSettings(true);
        PredictionRequest request = RequestTo(settings, "JN58");
        request.TerminalB.Name.clear();
        const auto lines = PathInfoLines(request, UsDates());
        QCOMPARE(LineAt(lines, 0)->text, std::string("W1AW (A) to (B)"));
        QVERIFY(LineAt(lines, 0)->bold);
        QCOMPARE(LineAt(lines, 1)->text, std::string("12/08/2026"));
        QCOMPARE(LineAt(lines, 4)->text,
                 std::string("Latitude       41.71 N        Latitude       48.50 N"));
        QCOMPARE(LineAt(lines, 5)->text,
                 std::string("Longitude      72.73 W        Longitude      11.00 E"));
        // Terminal B's values start under its label at column 30, A's under column 0.
        const std::string& sunrise = LineAt(lines, 7)->text;
        QCOMPARE(LineAt(lines, 7, true)->text.find("Sunrise", 1), std::size_t(30));
        QCOMPARE(sunrise.substr(14, 8), std::string("1211 UTC"));
        QCOMPARE(LineAt(lines, 8)->text.substr(30, 9), std::string("Gray line"));
        QVERIFY(LineAt(lines, 14)->text.starts_with("Short path"));
        QVERIFY(LineAt(lines, 14)->text.ends_with(" deg"));
        QCOMPARE(LineAt(lines, 17, true)->text, std::string("Short-path Length"));
        QCOMPARE(PathInfoTitle("", ""), std::string("(A) to (B)"));
        QCOMPARE(PathInfoTitle("", "Tokyo"), std::string("(A) to Tokyo (B)"));
    }

    void pathLengthsAndThePolarMarker() {
        // Half the Earth's circumference in radians, π: 20016 km, 10808 nmi, 12437 mi.
        const std::string line = PathLengthLine(std::acos(-1.0), false, false);
        QCOMPARE(line, std::string(17, ' ') + "  20016 km   10808 nmi   12437 mi (U.S.)");
        QVERIFY(PathLengthLine(1.0, true, false).ends_with("mi (U.S.)   (Polar)"));
        QVERIFY(PathLengthLine(1.0, false, true).ends_with("mi (U.S.)" + std::string(10, ' ')));
    }

    void polarNightHasNoSunrise() {
        Settings settings = StationSettings(true);
        settings.DefaultLatitudeText = "80";
        DeriveSettings(settings);
        const PredictionRequest request = RequestTo(settings, "FN31");
        const auto lines = PathInfoLines(request, UsDates());
        QCOMPARE(LineAt(lines, 7)->text.substr(14, 8), std::string("    None"));
        QCOMPARE(LineAt(lines, 10)->text.substr(14, 8), std::string("    None"));
        QVERIFY(LineAt(lines, 7)->text.substr(44) != "    None");
        QVERIFY(request.ShortPath.IsPolar && request.LongPath.IsPolar); // a terminal near the pole
        QVERIFY(LineAt(lines, 17)->text.ends_with("   (Polar)"));
        QVERIFY(LineAt(lines, 18)->text.ends_with("   (Polar)"));
    }

    void textReportFiles() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        QVERIFY(WriteTextReport(path, "one\r\n", TextWriteMode::Append)
                    .ok); // a missing file is created
        QCOMPARE(ReadAll(path), QByteArray("one\r\n"));
        QVERIFY(WriteTextReport(path, "two\r\n", TextWriteMode::Append).ok);
        QCOMPARE(ReadAll(path), QByteArray("one\r\ntwo\r\n"));
        QVERIFY(WriteTextReport(path, "three\r\n", TextWriteMode::Overwrite).ok);
        QCOMPARE(ReadAll(path), QByteArray("three\r\n"));
        // Nothing but the report is left in the folder: the temporary file was renamed.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.txt")});

        const TextWriteResult failed = WriteTextReport(
            dir.filePath(QStringLiteral("missing/out.txt")), "x", TextWriteMode::Create);
        QVERIFY(!failed.ok);
        QVERIFY(failed.message.startsWith(QStringLiteral("Could not open the file")));

        // A folder where the file should be cannot be read for appending, and stays.
        const QString folder = dir.filePath(QStringLiteral("folder.txt"));
        QVERIFY(QDir().mkdir(folder));
        const TextWriteResult append = WriteTextReport(folder, "x", TextWriteMode::Append);
        QVERIFY(!append.ok);
        QVERIFY(QFileInfo(folder).isDir());
    }

    void printedReportFillsTheWidth() {
        QCOMPARE(ReportFontPoints(8.0), 9); // 12.6 characters per inch
        QCOMPARE(ReportFontPoints(7.5), 8);
        QCOMPARE(ReportFontPoints(0.0), 1);

        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
        std::vector<std::string> lines(130, std::string(101, 'X'));
        int linesAsked = 0;
        QVERIFY(PrintReportLines(printer, lines, QStringLiteral("Test"), [&] {
            ++linesAsked;
            return true;
        }));
        QCOMPARE(linesAsked, 130);
        const QByteArray pdf = ReadAll(dir.filePath(QStringLiteral("report.pdf")));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                    pdf.count("/Type /Page ") >=
                2);

        // Stopping early prints what came before.
        QPrinter stopped(QPrinter::HighResolution);
        stopped.setOutputFormat(QPrinter::PdfFormat);
        stopped.setOutputFileName(dir.filePath(QStringLiteral("stopped.pdf")));
        linesAsked = 0;
        PrintReportLines(stopped, lines, QStringLiteral("Test"), [&] { return ++linesAsked < 5; });
        QCOMPARE(linesAsked, 5);
    }
};

QTEST_MAIN(TestPredictionPieces)
#include "TestPredictionPieces.moc"
