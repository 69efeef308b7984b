// The batch window: its controls, the table's keys, the files it keeps, and the run
// to a report file and to a PDF, with the dialogs replaced so nothing blocks.

#include "atlas/BuiltInAtlas.h"
#include "batch/BatchFile.h"
#include "batch/ui/BatchGrid.h"
#include "batch/ui/BatchWindow.h"
#include "tests/widgets/RecordingPresenter.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>

namespace {

const Atlas& BuiltIn() {
    static const Atlas atlas = AtlasOf(BuiltInAtlasEntries());
    return atlas;
}

BatchWindowInput Input(const QString& folder) {
    BatchWindowInput input;
    input.settings = FactorySettings();
    input.settings.DefaultLatitudeText = "51 30 N";
    input.settings.DefaultLongitudeText = "0 7 W";
    input.settings.DefaultName = "London";
    DeriveSettings(input.settings);
    input.atlas = &BuiltIn();
    input.dates = {DateOrder::MonthDayYear, '/'};
    input.directory = folder;
    return input;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// Keys to whatever has the focus, as a person types them.
void Type(const QString& text) {
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}
void Key(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

BatchRecord Row(const char* b, const char* solar, const char* path) {
    BatchRecord row;
    row.TerminalA = "DEFAULT";
    row.TerminalB = b;
    row.DateText = "12/08/26";
    row.SolarText = solar;
    row.PathText = path;
    return row;
}

} // namespace

class TestBatchWindow : public QObject {
    Q_OBJECT
private slots:
    void controlsAndNewTable();
    void keysOfTheTable();
    void savingAndOpening();
    void failedSaveAsFifoAndCtrlS();
    void closingAsksAboutChanges();
    void runToReportFile();
    void runToPdfIsOneJob();
    void closingDuringARunStopsItFirst();
};

void TestBatchWindow::controlsAndNewTable() {
    QTemporaryDir dir;
    BatchWindow form(Input(dir.path()), nullptr);
    for (const char* name : {"NewSpeedBtn", "OpenSpeedBtn", "SaveSpeedBtn", "CloseBtn", "CancelBtn",
                             "PrintBtn", "SG", "FreqLabel"})
        QVERIFY2(form.findChild<QWidget*>(QString::fromLatin1(name)), name);
    for (const char* name : {"New1", "Open1", "Save", "SaveAs", "Close1"})
        QVERIFY2(form.findChild<QAction*>(QString::fromLatin1(name)), name);
    QCOMPARE(form.caption(), QStringLiteral("Hopscope Batch Table Untitled.hbt"));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("FreqLabel"))->text(),
             QStringLiteral("Current prediction frequencies are 3.6, 7.1, 14.1, 21.2, 28.3 MHz"));
    QVERIFY(form.table() == DefaultBatchTable(true));
    // Without a default terminal the first table leaves A empty.
    BatchWindowInput noDefault = Input(dir.path());
    noDefault.settings = FactorySettings();
    QVERIFY(BatchWindow(noDefault, nullptr).table() == DefaultBatchTable(false));
}

void TestBatchWindow::keysOfTheTable() {
    RecordingPresenter messages;
    QTemporaryDir dir;
    BatchWindow form(Input(dir.path()), nullptr);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* grid = form.findChild<BatchGrid*>(QStringLiteral("SG"));
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    Type(QStringLiteral("vk/1x.")); // letters raised, "." refused
    Key(Qt::Key_Return);            // commits, moves to Date
    QCOMPARE(form.table().Rows[0].TerminalB, std::string("VK/1X"));
    QVERIFY(form.changed());
    QCOMPARE(grid->currentColumn(), 2);
    Type(QStringLiteral("120826"));
    Key(Qt::Key_Return);
    Type(QStringLiteral("s1a00.5")); // "a" refused
    Key(Qt::Key_Return);
    Type(QStringLiteral("-12")); // K holds two characters
    Key(Qt::Key_Return);
    Type(QStringLiteral("q")); // Path takes only B, L and S; the refused key keeps "S"
    Key(Qt::Key_Return);
    QCOMPARE(form.table().Rows[0].PathText, std::string("S"));
    Key(Qt::Key_Left);
    Type(QStringLiteral("l"));
    Key(Qt::Key_Return);
    const BatchRecord row = form.table().Rows[0];
    QCOMPARE(row.DateText, std::string("12/08/26"));
    QCOMPARE(row.SolarText, std::string("S100.5"));
    QCOMPARE(row.KIndexText, std::string("-1"));
    QCOMPARE(row.PathText, std::string("L"));

    // Insert copies the cell above; F7 puts DEFAULT and moves right; Enter in Notes
    // goes to A of the next row; Page Up and Home.
    grid->setCurrentCell(1, 2);
    Key(Qt::Key_Insert);
    QCOMPARE(form.table().Rows[1].DateText, std::string("12/08/26"));
    grid->setCurrentCell(1, 1);
    Key(Qt::Key_F7);
    QCOMPARE(form.table().Rows[1].TerminalB, std::string("DEFAULT"));
    QCOMPARE(grid->currentColumn(), 2);
    grid->setCurrentCell(1, 6);
    Key(Qt::Key_Return);
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(grid->currentColumn(), 0);
    grid->setCurrentCell(9, 4);
    Key(Qt::Key_PageUp);
    QCOMPARE(grid->currentRow(), 0);
    Key(Qt::Key_Home);
    QCOMPARE(grid->currentColumn(), 0);
    // A date whose digits are all removed is no date.
    grid->setCurrentCell(1, 2);
    Key(Qt::Key_F2);
    QApplication::focusWidget()->setProperty("cursorPosition", 8);
    for (int i = 0; i < 8; ++i)
        Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    QCOMPARE(form.table().Rows[1].DateText, std::string());

    // Escape in a cell only ends the edit, dropping what was typed there.
    grid->setCurrentCell(3, 6);
    Type(QStringLiteral("x"));
    Key(Qt::Key_Escape);
    QVERIFY(form.isVisible());
    QCOMPARE(form.table().Rows[3].Notes, std::string());
    QVERIFY(messages.messages.empty());
    // Escape in the table of a changed table asks as Close does; Cancel keeps it open.
    QVERIFY(form.changed());
    messages.answer = MessageAnswer::Cancel;
    Key(Qt::Key_Escape);
    QCOMPARE(messages.lastText(), QStringLiteral("Do you want to save this batch file?"));
    QVERIFY(form.isVisible());
    // No closes without saving.
    messages.answer = MessageAnswer::No;
    form.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

void TestBatchWindow::savingAndOpening() {
    RecordingPresenter messages;
    QTemporaryDir dir;
    BatchWindow form(Input(dir.path()), nullptr);
    const QString path = dir.filePath(QStringLiteral("contest.hbt"));
    form.setSaveFileChooser([&](const QString& folder, const QString& proposed) {
        [&] {
            QCOMPARE(folder, dir.path());
            QCOMPARE(proposed, QStringLiteral("Untitled.hbt"));
        }();
        return path;
    });
    // Save of an untitled table goes through Save As.
    QVERIFY(form.SaveSpeedBtnClick());
    QCOMPARE(ReadAll(path).size(), 4395);
    QCOMPARE(form.fileName(), QFileInfo(path).absoluteFilePath());
    QVERIFY(form.caption().endsWith(QStringLiteral("contest.hbt")));

    // A failed open changes nothing and says so.
    QVERIFY(!form.openFile(dir.filePath(QStringLiteral("absent.hbt"))));
    QVERIFY(messages.lastText().startsWith(QStringLiteral("File I/O error.")));
    QVERIFY(form.caption().endsWith(QStringLiteral("contest.hbt")));

    // A two-record file fills rows 1 and 2; a partial record is ignored and told.
    BatchTable two = DefaultBatchTable(false);
    two.Rows[0] = Row("VK", "S100", "B");
    two.Rows[1] = Row("JA", "F150", "L");
    const QString twoPath = dir.filePath(QStringLiteral("two.hbt"));
    QFile twoFile(twoPath);
    QVERIFY(twoFile.open(QIODevice::WriteOnly));
    twoFile.write(QByteArray::fromStdString(BatchTableFileBytes(two).substr(0, 2 * 293 + 10)));
    twoFile.close();
    messages.clear();
    QVERIFY(form.openFile(twoPath));
    QCOMPARE(form.table().Rows[1].TerminalB, std::string("JA"));
    QCOMPARE(form.table().Rows[2].TerminalA, std::string("DEFAULT"));
    QVERIFY(messages.lastText().contains(QStringLiteral("10 bytes")));
    QCOMPARE(form.fileName(), QFileInfo(twoPath).absoluteFilePath());

    // A save that fails keeps the changed mark and the old file.
    form.setSaveFileChooser(
        [&](const QString&, const QString&) { return dir.filePath(QStringLiteral("no/x.hbt")); });
    messages.clear();
    auto* grid = form.findChild<BatchGrid*>(QStringLiteral("SG"));
    grid->setCellText(4, BatchColumn::Notes, QStringLiteral("changed"));
    QVERIFY(form.changed());
    QVERIFY(!form.SaveAsClick());
    QCOMPARE(messages.lastText(), QStringLiteral("Unable to save batch file\n%1: No such file or "
                                                 "directory")
                                      .arg(QDir::toNativeSeparators(dir.filePath("no/x.hbt"))));
    QVERIFY(form.changed());
}

// After a failed Save As the title and the file stay the table's own; a FIFO (made
// here) is refused at once, named, never read (a read would wait for a writer for
// ever); Ctrl+S saves from the table's cells.
void TestBatchWindow::failedSaveAsFifoAndCtrlS() {
    RecordingPresenter messages;
    QTemporaryDir dir;
    BatchWindow form(Input(dir.path()), nullptr);
    form.show();
    const QString path = dir.filePath(QStringLiteral("own.hbt"));
    form.setSaveFileChooser([&](const QString&, const QString&) { return path; });
    QVERIFY(form.SaveAsClick());
    const QString caption = form.caption();

    form.setSaveFileChooser(
        [&](const QString&, const QString&) { return dir.filePath(QStringLiteral("no/x.hbt")); });
    QVERIFY(!form.SaveAsClick());
    QCOMPARE(form.fileName(), QFileInfo(path).absoluteFilePath());
    QCOMPARE(form.caption(), caption);
    QVERIFY(!form.windowTitle().contains(QStringLiteral("x.hbt")));

    const QString fifo = dir.filePath(QStringLiteral("pipe.hbt"));
    QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    messages.clear();
    QVERIFY(!form.openFile(fifo));
    QCOMPARE(messages.lastText(),
             QStringLiteral("File I/O error.\n%1: not a file").arg(QDir::toNativeSeparators(fifo)));
    QCOMPARE(form.caption(), caption);

    // Ctrl+S with the focus in the table: saved, the changed mark gone.
    auto* grid = form.findChild<BatchGrid*>(QStringLiteral("SG"));
    grid->setCellText(3, BatchColumn::Notes, QStringLiteral("saved by Ctrl+S"));
    QVERIFY(form.changed());
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!form.changed());
    BatchTable saved;
    PutBatchRecords(saved, ReadBatchTableFile(path.toStdString()).records);
    QCOMPARE(saved.Rows[3].Notes, std::string("saved by Ctrl+S"));
}

void TestBatchWindow::closingAsksAboutChanges() {
    RecordingPresenter messages;
    QTemporaryDir dir;
    BatchWindow form(Input(dir.path()), nullptr);
    form.show();
    form.findChild<BatchGrid*>(QStringLiteral("SG"))
        ->setCellText(0, BatchColumn::Notes, QStringLiteral("note"));
    messages.answer = MessageAnswer::Cancel;
    form.findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click();
    QCOMPARE(messages.lastText(), QStringLiteral("Do you want to save this batch file?"));
    QVERIFY(form.isVisible());
    // New asks as well; No resets the table.
    messages.answer = MessageAnswer::No;
    form.NewSpeedBtnClick();
    QVERIFY(
        messages.lastText().startsWith(QStringLiteral("The table in Untitled.hbt has changed.")));
    QVERIFY(!form.changed());
    QVERIFY(form.table() == DefaultBatchTable(true));
    form.close(); // the title bar: nothing changed, so no question
    QVERIFY(!form.isVisible());
}

void TestBatchWindow::runToReportFile() {
    RecordingPresenter messages;
    QTemporaryDir dir;
    BatchTable table = DefaultBatchTable(true);
    table.Rows[0] = Row("VK", "S100", "B");
    table.Rows[1] = Row("QQ9", "S100", "S");
    table.Rows[2] = Row("JN58", "90", "S");
    const QString tablePath = dir.filePath(QStringLiteral("evening.hbt"));
    QVERIFY(SaveBatchTableFile(tablePath.toStdString(), table));
    BatchWindow form(Input(dir.path()), nullptr);
    QVERIFY(form.openFile(tablePath));
    auto* grid = form.findChild<BatchGrid*>(QStringLiteral("SG"));
    // Print to File proposes the table's own name.
    QString proposed;
    form.setReportFileChooser([&](const QString&, const QString& name) {
        proposed = name;
        return QString();
    });
    form.PrintToFileBtnClick();
    QCOMPARE(proposed, QStringLiteral("evening.hpf"));

    const int notes = static_cast<int>(BatchColumn::Notes);
    const int notesWidth = grid->columnWidth(notes);
    const QString report = dir.filePath(QStringLiteral("r.hpf"));
    QVERIFY(form.runToFile(report));
    // The status column shows within the table's width: Notes gives it its room.
    QVERIFY(grid->columnWidth(BatchGrid::kStatusColumn) > 0);
    QCOMPARE(grid->columnWidth(notes) + grid->columnWidth(BatchGrid::kStatusColumn), notesWidth);
    const QByteArray first = ReadAll(report);
    QCOMPARE(first.count("Prediction for 12/08/2026"), 3);
    QVERIFY(first.endsWith(QByteArray(101, '-') + "\r\n"));
    QVERIFY(grid->statusColumnShown());
    QCOMPARE(grid->item(0, BatchGrid::kStatusColumn)->text(), QStringLiteral("OK"));
    QCOMPARE(grid->item(1, BatchGrid::kStatusColumn)->text(), QStringLiteral("X"));
    QVERIFY(grid->item(1, BatchGrid::kStatusColumn)
                ->toolTip()
                .startsWith(QStringLiteral("Terminal B")));
    QCOMPARE(grid->item(3, BatchGrid::kStatusColumn)->text(), QString());
    // The rows not run are told, with their reasons, not only in tool-tips.
    QVERIFY2(
        messages.lastText().startsWith(QStringLiteral("1 row was not run:\nRow 2: Terminal B")),
        qPrintable(messages.lastText()));
    messages.clear();

    // An existing file: Append adds the second run after the first; Cancel writes
    // nothing and shows no status column.
    form.setAppendChooser([](const QString&) { return AppendOrOverwriteQuestion::Choice::Append; });
    grid->setCellText(5, BatchColumn::Notes, QStringLiteral("edit")); // removes the column
    QVERIFY(!grid->statusColumnShown());
    QCOMPARE(grid->columnWidth(notes), notesWidth);
    QVERIFY(form.runToFile(report));
    QCOMPARE(ReadAll(report), first + first);
    messages.clear();
    form.setAppendChooser([](const QString&) { return AppendOrOverwriteQuestion::Choice::Cancel; });
    grid->setCellText(5, BatchColumn::Notes, QString());
    QVERIFY(!form.runToFile(report));
    QCOMPARE(ReadAll(report), first + first);
    QVERIFY(!grid->statusColumnShown());

    // A report file that cannot be written is reported, never shown as success.
    QVERIFY(!form.runToFile(dir.filePath(QStringLiteral("no/r.hpf"))));
    QVERIFY(messages.lastText().startsWith(QStringLiteral("Unable to write the report file: ")));
}

void TestBatchWindow::runToPdfIsOneJob() {
    RecordingPresenter messages;
    QTemporaryDir dir;
    BatchTable table = DefaultBatchTable(true);
    table.Rows[0] = Row("VK", "S100", "B");
    table.Rows[1] = Row("ZS", "F120", "S");
    const QString tablePath = dir.filePath(QStringLiteral("t.hbt"));
    QVERIFY(SaveBatchTableFile(tablePath.toStdString(), table));
    BatchWindow form(Input(dir.path()), nullptr);
    QVERIFY(form.openFile(tablePath));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    printer.setOutputFileName(pdf);
    QVERIFY(form.runToPrinter(printer));
    // Three reports, each from the top of its own page, in one file.
    const QByteArray bytes = ReadAll(pdf);
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), qsizetype(3));
    QVERIFY(messages.messages.empty());
}

void TestBatchWindow::closingDuringARunStopsItFirst() {
    RecordingPresenter messages;
    messages.answer = MessageAnswer::Yes;
    QTemporaryDir dir;
    BatchTable table = DefaultBatchTable(true);
    for (int r = 0; r < kBatchRows; ++r)
        table.Rows[static_cast<std::size_t>(r)] = Row("VK", "S100", "B");
    const QString tablePath = dir.filePath(QStringLiteral("t.hbt"));
    QVERIFY(SaveBatchTableFile(tablePath.toStdString(), table));
    BatchWindow form(Input(dir.path()), nullptr);
    QVERIFY(form.openFile(tablePath));
    form.show();
    // The title bar's close arrives while the run lets events through.
    QTimer::singleShot(0, &form, [&form] { form.close(); });
    const QString report = dir.filePath(QStringLiteral("r.hpf"));
    QVERIFY(!form.runToFile(report));
    QVERIFY(
        messages.messages.front().text.startsWith(QStringLiteral("A batch run is in progress.")));
    QVERIFY(!QFile::exists(report)); // a stopped run writes nothing
    QVERIFY(!form.isVisible());
    QVERIFY(!form.busy());
}

QTEST_MAIN(TestBatchWindow)
#include "TestBatchWindow.moc"
