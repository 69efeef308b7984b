// The map display: drawing on show, stepping the date and time, following the clock,
// and the availability check of the map items.

#include "tests/widgets/RecordingPresenter.h"

#include "appstate/AppState.h"
#include "core/DataDirectory.h"
#include "core/Geometry.h"
#include "maps/BaseMapFile.h"
#include "maps/ui/MapDisplayWindow.h"
#include "maps/ui/MapWindows.h"
#include "settings/SettingsFile.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

Settings Home() {
    Settings s = FactorySettings();
    s.DefaultLatitudeText = "51 30 N";
    s.DefaultLongitudeText = "0 7 W";
    s.DefaultName = "Home";
    s.DefaultDefined = true;
    return s;
}

MapDisplayInput Input(const QTemporaryDir& dir, MapKind kind) {
    MapDisplayInput input;
    input.kind = kind;
    input.settings = Home();
    input.dataDir = dir.path().toStdString();
    input.paths.a.LatitudeText = "51.5";
    input.paths.a.LongitudeText = "0.1";
    input.paths.b.LatitudeText = "35.65";
    input.paths.b.LongitudeText = "-139.75";
    ComputePathGeometry(input.paths.a, input.paths.b, input.paths.shortPath, input.paths.longPath);
    input.date = DateFromCalendar(2026, 6, 21);
    input.timeText = "1200";
    const auto map = DrawBaseMapFor(input.settings, kind == MapKind::GreatCircle);
    if (!SaveBaseMap(*map, kind == MapKind::GreatCircle, input.settings, input.dataDir))
        qFatal("cannot write the base map");
    return input;
}

} // namespace

class TestMapDisplayWindow : public QObject {
    Q_OBJECT
private slots:
    void drawsOnShowAndStepsTheTimeAndDate() {
        QTemporaryDir dir;
        MapDisplayWindow form(Input(dir, MapKind::GreatCircle));
        form.show();
        QCOMPARE(form.redrawCount(), 1);
        QVERIFY(!form.mapImage().isNull());
        QCOMPARE(form.mapImage().width(), form.layout().mapSize);
        form.show(); // showing again keeps the picture
        QCOMPARE(form.redrawCount(), 1);

        const QImage noon = form.mapImage();
        form.setTimeAsker([] { return std::optional<QString>(QStringLiteral("0000")); });
        form.NewTimeBtnClick();
        QCOMPARE(form.mapTime(), QStringLiteral("0000"));
        QVERIFY(form.mapImage() != noon); // the night side moved
        const QString winter =
            QString::fromStdString(FormatDateText(false, DateFromCalendar(2026, 12, 21), {}));
        form.setDateAsker([winter] { return std::optional<QString>(winter); });
        form.NewDateBtnClick();
        QCOMPARE(form.mapDate(), DateFromCalendar(2026, 12, 21));
    }

    void autoUpdateFollowsTheClockUntilStopped() {
        QTemporaryDir dir;
        MapDisplayWindow form(Input(dir, MapKind::Rectangular));
        DateValue now = DateFromCalendar(2026, 3, 20) + 23.9 / 24.0;
        form.setClock([&now] { return ClockReading{now, now}; });
        form.show();
        auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
        auto* label = form.findChild<QLabel*>(QStringLiteral("AutoUpdatingLbl"));
        form.AutoUpdateBtnClick();
        QVERIFY(form.autoUpdating());
        QVERIFY(timer->isActive());
        QVERIFY(label->isVisible());
        QCOMPARE(form.mapTime(), QStringLiteral("2354"));
        for (int tick = 0; tick < 2; ++tick) { // across midnight and on
            now += 3.0 / 1440.0;
            form.Timer1Timer();
        }
        QVERIFY(form.autoUpdating());
        QCOMPARE(form.mapTime(), QStringLiteral("0000"));
        QCOMPARE(form.mapDate(), DateFromCalendar(2026, 3, 21));

        form.setTimeAsker([] { return std::optional<QString>(); }); // cancelled
        form.NewTimeBtnClick();
        QVERIFY(form.autoUpdating());
        QVERIFY(timer->isActive());
        form.NowBtnClick();
        QVERIFY(!form.autoUpdating());
        QVERIFY(!timer->isActive());
        form.AutoUpdateBtnClick();
        QVERIFY(timer->isActive());
        form.close();
        QVERIFY(!timer->isActive());
    }

    void mapItemsNeedADefaultTerminal() {
        QTemporaryDir dir;
        RecordingPresenter messages;
        AppState state;
        state.DataDirectory = dir.path().toStdString();
        QVERIFY(!CheckMapAvailable(nullptr, state, MapKind::Rectangular));
        QVERIFY(messages.lastText().startsWith(
            QStringLiteral("The Hopscope maps will not be available until the default terminal")));
        // Without the base map file (it could not be saved) the map is drawn in memory.
        state.UserSettings = Home();
        messages.clear();
        QVERIFY(CheckMapAvailable(nullptr, state, MapKind::GreatCircle));
        QVERIFY(messages.messages.empty());
        Input(dir, MapKind::GreatCircle);
        QVERIFY(CheckMapAvailable(nullptr, state, MapKind::GreatCircle));
    }
};

QTEST_MAIN(TestMapDisplayWindow)
#include "TestMapDisplayWindow.moc"
