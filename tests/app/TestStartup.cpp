// Start-up and shutdown of the whole program: the command line (/b, --data-dir),
// the splash and its three seconds, the settings and atlas at start, the
// no-default-terminal answer reaching the settings file, and the next run.

#include "app/HopscopeProgram.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "settings/SettingsFile.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>

// Answers message boxes from a list (Cancel once it runs out) and keeps their texts.
class AnsweringPresenter final : public MessagePresenter {
public:
    explicit AnsweringPresenter(QList<MessageAnswer> answers)
        : m_answers(std::move(answers)), m_scope(this) {}
    MessageAnswer showMessage(QWidget*, MessageKind kind, const QString& text) override {
        kinds.append(kind);
        texts.append(text);
        if (beforeAnswer)
            beforeAnswer();
        return m_answers.isEmpty() ? MessageAnswer::Cancel : m_answers.takeFirst();
    }
    void showSyntaxError(QWidget*, const QStringList&) override {}
    void alert() override {}

    QList<MessageKind> kinds;
    QStringList texts;
    std::function<void()> beforeAnswer;

private:
    QList<MessageAnswer> m_answers;
    ScopedMessagePresenter m_scope;
};

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void commandLine() {
        QVERIFY(ParseCommandLine({"/b"}).suppressSplash);
        QVERIFY(ParseCommandLine({"/B", "--data-dir", "x"}).suppressSplash);
        QVERIFY(!ParseCommandLine({}).suppressSplash);
        // Only a first argument counts.
        QVERIFY(!ParseCommandLine({"--data-dir", "x", "/b"}).suppressSplash);
        QCOMPARE(ParseCommandLine({"--data-dir", "/tmp/a"}).dataDir.value_or(""),
                 std::string("/tmp/a"));
        QCOMPARE(ParseCommandLine({"--data-dir=/tmp/b"}).dataDir.value_or(""),
                 std::string("/tmp/b"));
        QVERIFY(!ParseCommandLine({"--data-dir"}).error.isEmpty());
        QVERIFY(!ParseCommandLine({"/b"}).dataDir.has_value());
    }

    void slashBStartsWithoutSplash() {
        QTemporaryDir dir;
        HopscopeProgram program;
        QVERIFY(program.start({"/b", "--data-dir", dir.path()}));
        QVERIFY(!program.splash());
        QVERIFY(program.mainForm()->isVisible());
        // The first start created the atlas and used the factory settings.
        QCOMPARE(program.state().PlaceAtlas.Count, 371);
        QCOMPARE(program.state().UserSettings.FrequencyCount, 5);
        QCOMPARE(program.state().TimeZone.TimeZoneLabel, std::string("UTC"));
        QVERIFY(!QFile::exists(dir.filePath("Hopscope.SAV")));
        program.shutDown();
        QCOMPARE(QFileInfo(dir.filePath("Hopscope.SAV")).size(), qint64(344));
    }

    void splashStaysThreeSecondsUnlessClicked() {
        QTemporaryDir dir;
        {
            HopscopeProgram program;
            QVERIFY(program.start({"--data-dir", dir.path()}, false));
            SplashWindow* splash = program.splash();
            QVERIFY(splash);
            QVERIFY(splash->isVisible());
            // The no-default question waits for the splash to go.
            QVERIFY(!program.mainForm()->firstActivationDone());
            bool clicked = false;
            QTimer::singleShot(100, splash, [splash, &clicked] {
                QTest::mouseClick(splash, Qt::LeftButton);
                clicked = splash->dismissed();
            });
            program.closeSplashWhenDue();
            QVERIFY(clicked);
            QVERIFY(!program.splash());
        }
        {
            SplashWindow splash;
            splash.showNow();
            splash.closeWhenDue(300);
            QVERIFY(splash.shownMs() >= 300);
            QVERIFY(!splash.isVisible());
            QVERIFY(!splash.dismissed());
        }
        {
            // A click ends the wait however long it was to be: only the click can end an
            // hour's wait before the watchdog, which is there so that a fault fails the
            // test instead of holding it up for the hour.
            SplashWindow splash;
            splash.showNow();
            bool watchdog = false;
            QTimer::singleShot(0, &splash,
                               [&splash] { QTest::mouseClick(&splash, Qt::LeftButton); });
            QTimer::singleShot(60'000, &splash, [&splash, &watchdog] {
                watchdog = true;
                QTest::mouseClick(&splash, Qt::LeftButton);
            });
            splash.closeWhenDue(3'600'000);
            QVERIFY(splash.dismissed());
            QVERIFY(!watchdog);
            QVERIFY(!splash.isVisible());
        }
    }

    void noDefaultAnswerIsKeptForTheNextRun() {
        QTemporaryDir dir;
        {
            HopscopeProgram program;
            QTimer poll;
            bool asked = false;
            connect(&poll, &QTimer::timeout, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || modal->objectName() != "NoDefaultMsgForm")
                    return;
                asked = true;
                modal->findChild<QCheckBox*>("CheckBox1")->setChecked(true);
                modal->findChild<QPushButton*>("NoBtn")->click();
            });
            poll.start(10);
            QVERIFY(program.start({"/b", "--data-dir", dir.path()}));
            QSignalSpy finished(program.mainForm(), &MainWindow::firstActivationFinished);
            QVERIFY(finished.wait(3000));
            QVERIFY(asked);
            program.shutDown();
        }
        QCOMPARE(
            LoadSettings(SettingsFilePath(dir.path().toStdString())).settings.NoDefaultMessageOff,
            -1);
        {
            HopscopeProgram program;
            QVERIFY(program.start({"/b", "--data-dir", dir.path()}));
            QSignalSpy finished(program.mainForm(), &MainWindow::firstActivationFinished);
            QVERIFY(finished.wait(3000));
            QVERIFY(!program.mainForm()->noDefaultQuestionAsked());
        }
    }

    void settingsThatCannotBeSavedAtExitAreNeverDroppedSilently() {
        QTemporaryDir dir;
        const std::filesystem::path file = SettingsFilePath(dir.path().toStdString());
        // A folder standing where the settings file goes makes every save fail.
        std::filesystem::create_directories(file / "kept");
        {
            // OK tries again, Cancel quits without saving; the folder is untouched.
            AnsweringPresenter presenter({MessageAnswer::Ok, MessageAnswer::Cancel});
            HopscopeProgram program;
            QVERIFY(program.start({"/b", "--data-dir", dir.path()}));
            program.shutDown();
            QCOMPARE(presenter.texts.size(), qsizetype(2));
            QCOMPARE(presenter.kinds.front(), MessageKind::Warning);
            QVERIFY(presenter.texts.front().contains(QString::fromStdString(file.string())));
            QVERIFY(presenter.texts.front().contains(QStringLiteral("Is a directory")));
            QVERIFY(std::filesystem::is_directory(file / "kept"));
        }
        {
            // Room made before the retry: the second try saves the changed settings.
            AnsweringPresenter presenter({MessageAnswer::Ok});
            presenter.beforeAnswer = [&] { std::filesystem::remove_all(file); };
            HopscopeProgram program;
            QVERIFY(program.start({"/b", "--data-dir", dir.path()}));
            program.state().UserSettings.ShowSnr = true;
            program.shutDown();
            QCOMPARE(presenter.texts.size(), qsizetype(1));
            QVERIFY(LoadSettings(file).settings.ShowSnr);
        }
    }

    void defaultTerminalBecomesTerminalA() {
        QTemporaryDir dir;
        Settings settings = FactorySettings();
        settings.DefaultLatitudeText = "43 39";
        settings.DefaultLongitudeText = "79 23";
        settings.DefaultName = "Toronto";
        DeriveSettings(settings);
        QVERIFY(SaveSettings(SettingsFilePath(dir.path().toStdString()), settings));
        HopscopeProgram program;
        QVERIFY(program.start({"/b", "--data-dir", dir.path()}));
        const Terminal& a = program.state().Prediction.TerminalA;
        QCOMPARE(a.Prefix, std::string("DEFAULT"));
        QCOMPARE(a.Name, std::string("Toronto"));
        QVERIFY(qAbs(a.LatitudeDeg - (43.0 + 39.0 / 60.0)) < 1e-9);
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
