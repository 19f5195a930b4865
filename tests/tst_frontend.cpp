#include "app/applicationcore.h"
#include "app/platformmodules.h"
#include "app/qmltypes.h"
#include "game/gamesession.h"
#include "qml/stubs/pagestatus.h"
#include "testsupport.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickView>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>
#include <QtQml>
#include <qpa/qwindowsysteminterface.h>

#include <functional>

namespace {
QStringList messages;
QtMessageHandler previousHandler = nullptr;
} // namespace

// Loads each shell from the build tree as the application loads its entry file
// and clicks through it: the desktop shell, and the phone's shell through the
// test stand-in of Silica. Each step must go without a single QML warning. With
// HOPLIX_SCREENSHOT_DIR set, every screen is also saved there as a PNG, in the
// language whose code HOPLIX_SCREENSHOT_LANGUAGE gives (English when unset).
// Last, the real application started as a process of its own.
class tst_FrontEnd : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestStorage> storage;
    std::unique_ptr<QQuickView> view;

    // The shell is the view's root object, as the entry file is on either build.
    QObject *shell()
    {
        QObject *loaded = view->rootObject();
        if (!loaded)
            QTest::qFail("the shell did not load", __FILE__, __LINE__);
        return loaded ? loaded : &placeholder;
    }
    QObject placeholder;

    // A shell that failed to load has none of its items: the test fails
    // naming the item, and reads on into an empty object instead of crashing.
    QObject *child(const char *name)
    {
        QObject *found
                = view->rootObject() ? view->rootObject()->findChild<QObject *>(name) : nullptr;
        if (!found)
            QTest::qFail(qPrintable(QStringLiteral("no item \"%1\"").arg(name)), __FILE__,
                         __LINE__);
        return found ? found : &placeholder;
    }

    // Grabs the scene, or one item, once its images have loaded: it must show
    // more than one colour.
    void grab(const QString &name, QQuickItem *item = nullptr)
    {
        QTest::qWait(300);
        // The offscreen platform gives no window grab with the software
        // renderer; the root item's grab draws the same scene.
        const auto result = (item ? item : view->rootObject())->grabToImage();
        QVERIFY(QSignalSpy(result.data(), &QQuickItemGrabResult::ready).wait(5000));
        const QImage image = result->image();
        const QString directory = QString::fromLocal8Bit(qgetenv("HOPLIX_SCREENSHOT_DIR"));
        QVERIFY(directory.isEmpty() || image.save(directory + '/' + name + ".png"));
        // A picture of one colour is the same once shrunk to a pixel and grown back.
        QVERIFY2(!image.isNull() && image != image.scaled(1, 1).scaled(image.size()),
                 qPrintable(name));
    }

    // Opens the game from the start screen on a known tower (one with blocks
    // and power-ups in its first sections) and climbs to where the picture of
    // play is taken.
    GameSession *playKnownTower(const char *gameId = "{quit-run}")
    {
        if (shell()->objectName() == QLatin1String("silicaShell"))
            QMetaObject::invokeMethod(shell(), "openGame");
        else
            QMetaObject::invokeMethod(shell(), "show", Q_ARG(QVariant, QStringLiteral("game")));
        auto *session = qobject_cast<GameSession *>(
                child("gamePage")->property("session").value<QObject *>());
        if (!session)
            return nullptr;
        session->prepare("endless", gameId, "13");
        session->jump(1);
        while (session->cameraY() < 640 && session->state() == GameSession::Running)
            session->autoplay(10);
        // The offscreen window does not advance a collision's flash while
        // nothing else redraws; the picture is of the run, not of the flash.
        child("flash")->setProperty("opacity", 0);
        return session;
    }

private slots:
    void initTestCase()
    {
        QmlTypes::registerAll();
        const QString language = QString::fromLocal8Bit(qgetenv("HOPLIX_SCREENSHOT_LANGUAGE"));
        if (!language.isEmpty()) {
            auto *translator = new QTranslator(qApp);
            QVERIFY(translator->load(QStringLiteral(HOPLIX_DATA_DIR "/translations/harbour-hoplix-")
                                     + language));
            qApp->installTranslator(translator);
        }
        previousHandler = qInstallMessageHandler(
                [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                    // This machine has no sound server; Qt's audio backend says so
                    // once per player, which is not the front end's warning.
                    if (type != QtDebugMsg && type != QtInfoMsg
                        && !message.startsWith(QLatin1String("PulseAudioService:")))
                        messages << message;
                    previousHandler(type, context, message);
                });
    }

    void init()
    {
        const QByteArray function = QTest::currentTestFunction();
        if (function == "startsFrontEnd" || function == "soundAndTouch") {
            messages.clear();
            return; // the application in a process of its own; an engine of its own
        }
        storage.reset(new TestStorage);
        // Runs stored before the front end starts, so that every page has
        // something to show; the 60 leaves a reward waiting.
        ApplicationCore seed;
        QVERIFY(seed.saveGameRecord("seed-1", "endless", 35, "wall", "2025-01-31T08:00:00Z",
                                    "2025-01-31T08:02:00Z", 640.0, 12.0, 20, 4, 1, 0));
        QVERIFY(seed.saveGameRecord("seed-2", "endless", 60, "block", "2025-01-31T08:03:00Z",
                                    "2025-01-31T08:06:00Z", 1210.5, -48.0, 31, 6, 0, 2));
        messages.clear();
        view.reset(new QQuickView);
        view->setResizeMode(QQuickView::SizeRootObjectToView);
        // The file that the phone's package installs as its entry file, over
        // the stand-in of Silica.
        const bool silica
                = function == "silicaShell" || QByteArray(QTest::currentDataTag()) == "silica";
        if (silica) {
            PageStatus::registerStandIn();
            view->engine()->addImportPath(QStringLiteral(HOPLIX_QML_STUB_DIR));
        }
        PlatformModules::expose(view->engine());
        view->setSource(QUrl::fromLocalFile(QStringLiteral(HOPLIX_DATA_DIR "/qml/")
                                            + (silica ? "SilicaShell.qml" : "DesktopShell.qml")));
        QCOMPARE(view->status(), QQuickView::Ready);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }

    void cleanup()
    {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
        view.reset();
        storage.reset();
    }

    // The desktop shell: every page, a run settled from the developer page,
    // a run played to its end, and quitting during a run.
    void desktopShell()
    {
        for (const char *screen :
             {"start", "achievements", "skins", "runs", "settings", "developer"}) {
            shell()->setProperty("screen", screen);
            grab(screen);
        }
        // The developer page settles a typed-in run and collects its reward.
        QObject *page = child("developerPage");
        QVERIFY(QMetaObject::invokeMethod(page, "finishRun"));
        QTRY_COMPARE(page->property("settlement").toMap().value("rewards").toList().size(), 1);
        grab("developer-settled");
        QVERIFY(QMetaObject::invokeMethod(page, "collectRewards"));
        QTRY_VERIFY(page->property("settlement").toMap().value("rewards").toList().isEmpty());
        grab("developer-collected");

        // The last death of the seeded runs (y 1210.5) is marked on the way up.
        GameSession *session = playKnownTower("{played-run}");
        QVERIFY(session);
        QCOMPARE(session->state(), GameSession::Running);
        grab("game-play");
        session->pause();
        grab("game-paused");
        session->resume();
        // Rushing on ends the run; the settlement brings the reward the
        // seeded runs left waiting.
        for (int i = 0; i < 400 && session->state() == GameSession::Running; ++i) {
            session->jump(i % 2 ? 1 : -1);
            session->advance(10);
        }
        QTRY_VERIFY(child("gamePage")->property("settled").toBool());
        grab("game-over");
        // Climbing that tower again races the run's ghost: a translucent face
        // beside the player's, from a start of its own.
        QVERIFY(QMetaObject::invokeMethod(child("replayLayer"), "race",
                                          Q_ARG(QVariant, session->lastCode())));
        QVERIFY(session->ghostActive());
        session->jump(-1);
        session->advance(40);
        while (session->cameraY() < 420 && session->state() == GameSession::Running)
            session->autoplay(10);
        child("flash")->setProperty("opacity", 0);
        QVERIFY(child("ghost")->property("visible").toBool());
        grab("ghost-race");
        QVERIFY(QMetaObject::invokeMethod(child("gamePage"), "finish"));
        shell()->setProperty("screen", "start");
        grab("start-after-run");

        // Quitting during a run stores it at once, as abandoned, with its jumps.
        session = playKnownTower();
        QVERIFY(session);
        QVERIFY(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit"));
        QCOMPARE(sqlText("SELECT end_reason||jump_count FROM game_records WHERE id='{quit-run}'"),
                 "abandoned" + QString::number(session->jumpCount()));
    }

    // The application's focus as the platform reports it: an unfocused
    // window on a desktop, the background or the cover on the phone.
    void setApplicationActive(bool active)
    {
        QWindowSystemInterface::handleWindowActivated(active ? view.get() : nullptr);
        QTRY_COMPARE(QGuiApplication::applicationState(),
                     active ? Qt::ApplicationActive : Qt::ApplicationInactive);
    }

    // What keeps the scene moving: every animation that runs, the frame
    // driver while it steps, and each timer firing more often than once a
    // second, named by class and object.
    QStringList runningAnimations()
    {
        QStringList found;
        QSet<QObject *> seen;
        std::function<void(QObject *)> walk = [&](QObject *object) {
            if (seen.contains(object))
                return;
            seen.insert(object);
            if (object->property("running").toBool()
                && (object->inherits("QQuickAbstractAnimation") || object->inherits("FrameDriver")
                    || (object->inherits("QQmlTimer")
                        && object->property("interval").toInt() < 1000)))
                found << QStringLiteral("%1 in %2")
                                 .arg(object->metaObject()->className(),
                                      object->parent() ? object->parent()->metaObject()->className()
                                                       : "-");
            for (QObject *child : object->children())
                walk(child);
            if (auto *item = qobject_cast<QQuickItem *>(object)) {
                for (QQuickItem *child : item->childItems())
                    walk(child);
            }
        };
        walk(view->contentItem());
        return found;
    }

    // What moves at rest, after a moment for the change to settle: nothing
    // running and at most one frame over two seconds, or what does.
    QString movesAtRest()
    {
        QTest::qWait(700);
        QSignalSpy frames(view.get(), &QQuickWindow::frameSwapped);
        QStringList moving = runningAnimations();
        QTest::qWait(2000);
        moving << runningAnimations();
        if (frames.count() > 1)
            moving << QStringLiteral("%1 frames").arg(frames.count());
        moving.removeDuplicates();
        return moving.join(QStringLiteral(", "));
    }

    // Shows a page reached from the start screen, or back to the start.
    void showPage(const char *name)
    {
        QObject *stack = shell()->property("pageStack").value<QObject *>();
        if (!stack) {
            shell()->setProperty("screen", name);
        } else {
            while (stack->property("depth").toInt() > 1)
                QVERIFY(QMetaObject::invokeMethod(stack, "pop", Q_ARG(QVariant, QVariant())));
            if (qstrcmp(name, "start") != 0)
                QVERIFY(QMetaObject::invokeMethod(shell(), "openPage", Q_ARG(QVariant, name)));
        }
    }

    void restDrawsNothing_data()
    {
        QTest::addColumn<QString>("shell");
        // The desktop's first: once the Silica stand-in is registered, every
        // later engine of the process finds it.
        QTest::newRow("desktop") << "desktopShell";
        QTest::newRow("silica") << "silicaShell";
    }

    // At rest the window draws nothing and nothing runs: the start page once
    // its idle time is up and while the application is not active, a run in
    // the background, a paused run, a run over once its card is in, the
    // quiet pages. One frame is allowed for each change. The phone's cover
    // follows the scores without moving.
    void restDrawsNothing()
    {
        QFETCH(QString, shell);
        QCOMPARE(this->shell()->objectName(), shell);
        QObject *cover = this->shell()->property("_coverItem").value<QObject *>();
        auto coverText = [&](const char *name) {
            QObject *text = cover ? cover->findChild<QObject *>(name) : nullptr;
            return text ? text->property("text").toString() : QString();
        };

        // The face bounces while somebody is looking, until the idle time
        // (shortened here) is up; a press wakes it.
        // A window on a display without a window manager (the phone's Qt
        // runs this under Xvfb) is never given the focus by itself.
        setApplicationActive(true);
        QObject *startLive = child("startLive");
        QTRY_VERIFY(startLive->property("live").toBool());
        QSignalSpy bouncing(view.get(), &QQuickWindow::frameSwapped);
        QTRY_VERIFY(bouncing.count() > 5);
        startLive->setProperty("idleInterval", 300);
        QString moving = movesAtRest();
        QVERIFY2(moving.isEmpty(), qPrintable("start page, idle: " + moving));
        QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(startLive->property("live").toBool());
        startLive->setProperty("idleInterval", 30000);
        setApplicationActive(false);
        moving = movesAtRest();
        QVERIFY2(moving.isEmpty(), qPrintable("start page, application inactive: " + moving));
        setApplicationActive(true);
        QTRY_VERIFY(startLive->property("live").toBool());
        if (cover)
            QCOMPARE(coverText("coverBest"), tr("Best score: %1").arg(60));

        // A run the application leaves pauses, and nothing moves.
        GameSession *session = playKnownTower("{rest-run}");
        QVERIFY(session);
        setApplicationActive(false);
        QCOMPARE(session->state(), GameSession::Paused);
        moving = movesAtRest();
        QVERIFY2(moving.isEmpty(), qPrintable("run, application inactive: " + moving));
        setApplicationActive(true);
        session->resume();
        // The run goes on by itself on the window's frames.
        const double camera = session->drawnCameraY();
        QTRY_VERIFY(session->drawnCameraY() != camera || session->state() == GameSession::Over);
        session->pause();
        moving = movesAtRest();
        QVERIFY2(moving.isEmpty(), qPrintable("paused: " + moving));
        session->resume();
        // Past the best score of the seeded runs, then on into the end.
        while (session->score() <= 60 && session->state() == GameSession::Running) {
            session->autoplay(30);
            if (cover)
                QCOMPARE(coverText("coverRunScore"), QString::number(session->score()));
        }
        QVERIFY(session->score() > 60);
        while (session->state() == GameSession::Running)
            session->advance(60);
        // The card is in once the answer is shown and a tap may start again.
        QTRY_VERIFY(child("gamePage")->property("settled").toBool());
        QTRY_VERIFY(child("gamePage")->property("canRestart").toBool());
        moving = movesAtRest();
        QVERIFY2(moving.isEmpty(), qPrintable("game over: " + moving));
        if (cover)
            QTRY_COMPARE(coverText("coverBest"), tr("Best score: %1").arg(session->score()));

        for (const char *page : {"achievements", "skins", "runs", "settings"}) {
            showPage(page);
            moving = movesAtRest();
            QVERIFY2(moving.isEmpty(), qPrintable(page + (": " + moving)));
        }
    }

    // The phone's shell as the view's root: the start page, a page from the
    // pull-down menu, the game, the cover, and quitting during the run.
    void silicaShell()
    {
        QCOMPARE(shell()->objectName(), QStringLiteral("silicaShell"));
        grab("silica-start");
        QVERIFY(QMetaObject::invokeMethod(shell(), "openPage", Q_ARG(QVariant, "achievements")));
        grab("silica-achievements");
        GameSession *session = playKnownTower();
        QVERIFY(session);
        QCOMPARE(session->state(), GameSession::Running);
        grab("silica-game-play");
        grab("silica-cover", shell()->property("_coverItem").value<QQuickItem *>());
        QVERIFY(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit"));
        QCOMPARE(sqlText("SELECT end_reason||jump_count FROM game_records WHERE id='{quit-run}'"),
                 "abandoned" + QString::number(session->jumpCount()));
    }

    // The real application, started offscreen with its own configuration
    // directory: it must report that its front end is up, in the language
    // the settings (or the system locale) ask for.
    // The sound and vibration components with the real QtMultimedia and
    // QtFeedback (installed by the setup script), and as where they are
    // absent: both load, without a warning.
    void soundAndTouch_data()
    {
        QTest::addColumn<bool>("modulesPresent");
#ifndef HOPLIX_NO_MEDIA_MODULES
        QTest::newRow("real modules") << true;
#endif
        QTest::newRow("modules absent") << false;
    }

    void soundAndTouch()
    {
        QFETCH(bool, modulesPresent);
        QQmlEngine engine;
        QVariantMap modules = PlatformModules::probe(&engine);
        if (modulesPresent
            && (!modules.value("multimedia").toBool() || !modules.value("feedback").toBool()))
            QFAIL("QtMultimedia 5.6 or QtFeedback 5.0 is not importable (run scripts/setup.sh)");
        if (!modulesPresent) {
            modules.insert("multimedia", false);
            modules.insert("feedback", false);
        }
        engine.rootContext()->setContextProperty(QStringLiteral("platformModules"), modules);
        QQmlComponent component(&engine);
        component.setData("import QtQuick 2.6\nimport \"components\"\n"
                          "Item { property var sounds: GameSounds {}\n"
                          "       property var haptics: Haptics {} }\n",
                          QUrl::fromLocalFile(QStringLiteral(HOPLIX_DATA_DIR "/qml/probe.qml")));
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        QObject *sounds = root->property("sounds").value<QObject *>();
        QObject *haptics = root->property("haptics").value<QObject *>();
        QCOMPARE(sounds->property("ready").toBool(), modulesPresent);
        QVariant played;
        QVERIFY(QMetaObject::invokeMethod(sounds, "play", Q_RETURN_ARG(QVariant, played),
                                          Q_ARG(QVariant, QStringLiteral("button"))));
        QCOMPARE(played.toBool(), modulesPresent);
        QVERIFY(QMetaObject::invokeMethod(haptics, "buzz", Q_RETURN_ARG(QVariant, played),
                                          Q_ARG(QVariant, QStringLiteral("weak"))));
        if (!modulesPresent)
            QVERIFY(!played.toBool());
        QTest::qWait(100);
    }

    void startsFrontEnd_data()
    {
        // The stored language index, the locale, the language the front end
        // reports; "-" when the translations are not installed.
        QTest::addColumn<QString>("run");
        QTest::newRow("German") << "3 C Deutsch";
        // Nothing to load at all: one warning, and the source texts.
        QTest::newRow("no translations installed") << "3 C English -";
        // Not a number: index 0, the system locale, whose de_AT falls back to de.
        QTest::newRow("system locale") << "abc de_AT.UTF-8 Deutsch";
    }

    void startsFrontEnd()
    {
        if (qstrcmp(HOPLIX_ENTRY_SHELL, "silica") == 0)
            QSKIP("the entry file is the phone's shell, which needs the phone's Sailfish.Silica");
        QFETCH(QString, run);
        const QString stored = run.section(' ', 0, 0), locale = run.section(' ', 1, 1);
        const bool installTranslations = !run.endsWith(" -");
        QTemporaryDir home, install;
        QSettings(home.path() + "/org.hoplix/harbour-Hoplix/config/appSettings.conf",
                  QSettings::IniFormat)
                .setValue("APP_SETTING/LANGUAGE", stored);

        // The build tree is laid out as an installation; without translations the
        // program runs from a copy of that layout that lacks them.
        QString program = QStringLiteral(HOPLIX_APP_PATH),
                dataDir = QStringLiteral(HOPLIX_DATA_DIR);
        if (!installTranslations) {
            dataDir = install.path() + "/share/harbour-hoplix";
            program = install.path() + "/bin/harbour-hoplix";
            QVERIFY(QDir().mkpath(install.path() + "/bin") && QDir().mkpath(dataDir));
            QVERIFY(QFile::copy(HOPLIX_APP_PATH, program)
                    && QFile::link(HOPLIX_DATA_DIR "/qml", dataDir + "/qml"));
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", home.path());
        environment.insert("LC_ALL", locale);
        environment.insert("LANG", locale);

        QProcess application;
        // However the checks below end, the application does not outlive the test.
        struct Stop
        {
            QProcess &process;
            ~Stop()
            {
                process.kill();
                process.waitForFinished(10000);
            }
        } stop{application};
        application.setProcessChannelMode(QProcess::MergedChannels);
        application.setProcessEnvironment(environment);
        application.start(program, QStringList());
        QByteArray output;
        const QByteArray loaded("[harbour-hoplix] front end loaded:");
        QTRY_VERIFY_WITH_TIMEOUT((output += application.readAll()).contains(loaded)
                                         || application.state() == QProcess::NotRunning,
                                 30000);
        output += application.readAll();
        QVERIFY2(application.state() == QProcess::Running && output.contains(loaded),
                 output.data());
        const int at = output.indexOf(loaded);
        QVERIFY2(output.mid(at, output.indexOf('\n', at) - at)
                         .contains(run.section(' ', 2, 2).toUtf8()),
                 output.data());
        // Without translations, one warning names the directory looked in.
        const QByteArray warning = "Unable to load application translations from \""
                + QDir::cleanPath(dataDir + "/translations").toUtf8() + '"';
        QVERIFY2(output.count(warning) == (installTranslations ? 0 : 1), output.data());
    }
};

QTEST_MAIN(tst_FrontEnd)
#include "tst_frontend.moc"
