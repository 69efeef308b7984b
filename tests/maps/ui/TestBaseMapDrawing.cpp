// Redrawing the cached base maps at start-up and after Options: only stale files, none
// without a default terminal, the drawing window that cannot be closed, and the Qt
// canvas drawing the same pixels as the plain one.

#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/RecordingPresenter.h"

#include "appstate/AppState.h"
#include "core/DataDirectory.h"
#include "maps/BaseMapFile.h"
#include "maps/BaseMaps.h"
#include "maps/ui/BaseMapDrawingWindow.h"
#include "maps/ui/BaseMapRefresh.h"
#include "maps/ui/QImageCanvas.h"
#include "settings/SettingsFile.h"

#include <QFileInfo>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <future>
#include <limits>
#include <sys/stat.h>
#include <thread>

namespace {

AppState StateAt(const QTemporaryDir& dir, bool withDefault) {
    AppState state;
    state.DataDirectory = dir.path().toStdString();
    state.UserSettings = FactorySettings();
    if (withDefault) {
        state.UserSettings.DefaultLatitudeText = "51 30 N";
        state.UserSettings.DefaultLongitudeText = "0 7 W";
        state.UserSettings.DefaultDefined = true;
    }
    return state;
}

QDateTime Modified(const QTemporaryDir& dir, const char* name) {
    return QFileInfo(dir.filePath(QString::fromLatin1(name))).lastModified();
}

} // namespace

class TestBaseMapDrawing : public QObject {
    Q_OBJECT
private slots:
    void drawsBothMapsOnceAndThenOnlyWhatIsStale() {
        QTemporaryDir dir;
        RecordingPresenter messages;
        AppState state = StateAt(dir, true);
        FakeStatusLine status;
        EnsureBaseMaps(state, &status, nullptr);
        QVERIFY(QFileInfo::exists(dir.filePath(kRectangularMapFileName)));
        QVERIFY(QFileInfo::exists(dir.filePath(kGreatCircleMapFileName)));
        QCOMPARE(status.resets, 1);
        QVERIFY(messages.messages.empty());
        const std::optional<PixelBuffer> gc = LoadBaseMap(state.DataDirectory, true);
        QVERIFY(gc.has_value());
        QCOMPARE(gc->Width(), kGreatCircleBaseSize);

        // Nothing stale: nothing drawn, the status line untouched.
        const QDateTime rectTime = Modified(dir, kRectangularMapFileName);
        QFile::remove(dir.filePath(kGreatCircleMapFileName));
        state.UserSettings.DefaultName = "Renamed"; // a new name alone changes nothing
        EnsureBaseMaps(state, &status, nullptr);
        QVERIFY(QFileInfo::exists(dir.filePath(kGreatCircleMapFileName)));
        QCOMPARE(Modified(dir, kRectangularMapFileName), rectTime);
        const int resets = status.resets;
        EnsureBaseMaps(state, &status, nullptr);
        QCOMPARE(status.resets, resets);
    }

    void drawsNothingWithoutADefaultTerminal() {
        QTemporaryDir dir;
        FakeStatusLine status;
        EnsureBaseMaps(StateAt(dir, false), &status, nullptr);
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(status.hint.isEmpty());
    }

    void reportsAMapThatCannotBeSaved() {
        QTemporaryDir dir;
        RecordingPresenter messages;
        AppState state = StateAt(dir, true);
        state.DataDirectory = (std::filesystem::path(dir.path().toStdString()) / "missing");
        EnsureBaseMaps(state, nullptr, nullptr);
        QCOMPARE(messages.messages.size(), std::size_t(2));
        QVERIFY(messages.messages[0].text.startsWith(
            QStringLiteral("Unable to save Rectangular Map to disk\n")));
        QVERIFY(messages.messages[1].text.startsWith(
            QStringLiteral("Unable to save Great Circle Map to disk\n")));
        QVERIFY(messages.messages[1].text.contains(QStringLiteral("Hopscope.GC: No such file")));
    }

    // A FIFO in the rectangular map's place and a folder in the great circle map's: the
    // start goes on (nothing is opened for writing), each message names the file and
    // the reason, both stay as they were, and the maps are still there in memory.
    void reportsAFifoAndAFolderInTheMapsPlacesAndGoesOn() {
        QTemporaryDir dir;
        RecordingPresenter messages;
        const AppState state = StateAt(dir, true);
        const QString fifo = dir.filePath(kRectangularMapFileName);
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        QVERIFY(QDir(dir.path()).mkdir(kGreatCircleMapFileName));
        // Should the start open the FIFO for writing, it would wait for a reader for
        // ever: a reader comes after 20 s, and the messages below then fail.
        std::promise<void> finished;
        std::thread reader([fifo, done = finished.get_future()] {
            if (done.wait_for(std::chrono::seconds(20)) == std::future_status::ready)
                return;
            std::ifstream drain(fifo.toStdString(), std::ios::binary);
            drain.ignore(std::numeric_limits<std::streamsize>::max());
        });
        EnsureBaseMaps(state, nullptr, nullptr);
        finished.set_value();
        reader.join();
        QCOMPARE(messages.messages.size(), std::size_t(2));
        QCOMPARE(messages.messages[0].text,
                 QStringLiteral("Unable to save Rectangular Map to disk\n%1: Not a regular "
                                "file\nThe map is drawn in memory each time it is opened until "
                                "it can be saved.")
                     .arg(fifo));
        QVERIFY(messages.messages[1].text.contains(dir.filePath(kGreatCircleMapFileName) +
                                                   QStringLiteral(": Is a directory")));
        QVERIFY(std::filesystem::is_fifo(fifo.toStdString()));
        QVERIFY(QFileInfo(dir.filePath(kGreatCircleMapFileName)).isDir());
        QVERIFY(CurrentBaseMap(state.UserSettings, state.DataDirectory, false).has_value());
        QVERIFY(CurrentBaseMap(state.UserSettings, state.DataDirectory, true).has_value());
    }

    void drawingWindowRefusesToCloseAndCountsPoints() {
        BaseMapDrawingWindow window;
        window.show();
        window.startMap(QStringLiteral("Creating New Great Circle Map"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Creating New Great Circle Map"));
        auto* bar = window.findChild<QProgressBar*>(QStringLiteral("ProgressBar"));
        QVERIFY(bar);
        QCOMPARE(bar->maximum(), 8287);
        window.setProgress(8287);
        QCOMPARE(bar->value(), 8286);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
    }

    void qtCanvasDrawsTheSamePixels() {
        PixelBuffer plain(kGreatCircleBaseSize, kGreatCircleBaseSize);
        QImageCanvas qt(kGreatCircleBaseSize, kGreatCircleBaseSize);
        DrawGreatCircleBaseMap(plain, {-33.9, -151.2});
        DrawGreatCircleBaseMap(qt, {-33.9, -151.2});
        QCOMPARE(qt.image(), ToQImage(plain));
        qt.DrawText(0, 0, " 1200 UTC ", kWhite, kBlack);
        QCOMPARE(qt.PixelAt(0, 0), kBlack); // the label's paper
    }
};

QTEST_MAIN(TestBaseMapDrawing)
#include "TestBaseMapDrawing.moc"
