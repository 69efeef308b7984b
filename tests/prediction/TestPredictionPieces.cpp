// The Qt pieces under the prediction windows: text report files and the printed
// report.

#include "prediction/ReportPrinting.h"
#include "prediction/TextReportFile.h"
#include "tests/widgets/PredictionTestSupport.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace predictiontest;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPredictionPieces : public QObject {
    Q_OBJECT

private slots:
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
