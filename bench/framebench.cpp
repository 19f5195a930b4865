// The front end's frames: what each state of rest costs beside a static Qt
// Quick window and a window with one looping animation, what play costs,
// how long the first frame takes beside a bare window, and what sound adds
// to play and to memory. Every figure is taken in the same process, one
// window at a time, so the anchors share the machine's state.

#include "benchrows.h"

#include "app/applicationcore.h"
#include "app/platformmodules.h"
#include "game/gameautopilot.h"
#include "game/gamesession.h"
#include "storage/databaseconnection.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

struct Cost
{
    double framesPerSecond;
    double cpuPerSecond;
    double frameMs; // mean time between frames; 0 without frames
};

// Runs the event loop for `milliseconds`, or less once `done` holds.
void wait(int milliseconds, const std::function<bool()> &done = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    // Sleeps in the event loop between looks: a busy loop would be the CPU
    // measured.
    while (clock.elapsed() < milliseconds && !(done && done())) {
        QEventLoop loop;
        QTimer::singleShot(done ? 10 : milliseconds - int(clock.elapsed()), &loop, SLOT(quit()));
        loop.exec();
    }
}

double cpuSeconds()
{
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The window's frames and the process's CPU over `milliseconds`, after a
// moment for the last change to settle.
Cost measure(QQuickWindow *window, int milliseconds = 3000)
{
    wait(700);
    int frames = 0;
    const auto counting
            = QObject::connect(window, &QQuickWindow::frameSwapped, [&frames]() { ++frames; });
    QElapsedTimer wall;
    const double cpu = cpuSeconds();
    wall.start();
    wait(milliseconds);
    const double seconds = wall.nsecsElapsed() / 1e9;
    const double used = cpuSeconds() - cpu;
    QObject::disconnect(counting);
    return {frames / seconds, used / seconds, frames > 0 ? seconds * 1000 / frames : 0};
}

QString perSecond(const Cost &cost)
{
    return QStringLiteral("%1 frames/s, %2 CPU/s")
            .arg(cost.framesPerSecond, 0, 'f', 1)
            .arg(cost.cpuPerSecond, 0, 'f', 3);
}

QString ratio(double figure, double anchor)
{
    return anchor > 0 ? QString::number(figure / anchor, 'f', 2) + QLatin1Char('x')
                      : QStringLiteral("-");
}

std::unique_ptr<QQuickView> anchorWindow(const QByteArray &qml)
{
    std::unique_ptr<QQuickView> view(new QQuickView);
    QQmlComponent component(view->engine());
    component.setData(qml, QUrl());
    view->setContent(QUrl(), &component, component.create());
    view->resize(540, 960);
    view->show();
    wait(5000, [&view]() { return view->isExposed(); });
    return view;
}

QObject *shellOf(QQuickView *view)
{
    QObject *loader = view->rootObject()->findChild<QObject *>(QStringLiteral("shellLoader"));
    return loader ? loader->property("item").value<QObject *>() : nullptr;
}

// Plays on the window's frames as a player would: the autopilot's tap, if
// any, once a frame.
class FramePilot : public QObject
{
public:
    FramePilot(QQuickWindow *window, GameSession *session)
        : session(session)
    {
        connect(window, &QQuickWindow::afterAnimating, this, [this]() {
            if (this->session->state() != GameSession::Running)
                return;
            const int side = pilot.decide(this->session->simulation());
            if (side != 0)
                this->session->jump(side);
        });
    }

private:
    GameSession *session;
    GameAutopilot pilot;
};

GameSession *openRun(QObject *shell, QQuickView *view)
{
    QMetaObject::invokeMethod(shell, "show", Q_ARG(QVariant, QStringLiteral("game")));
    QObject *page = view->rootObject()->findChild<QObject *>(QStringLiteral("gamePage"));
    auto *session = page ? qobject_cast<GameSession *>(page->property("session").value<QObject *>())
                         : nullptr;
    if (session) {
        session->prepare(QStringLiteral("endless"), QStringLiteral("{bench}"),
                         QStringLiteral("13"));
        session->jump(1);
    }
    return session;
}

void setSound(QQuickView *view, bool on)
{
    for (QObject *object : view->rootObject()->findChildren<QObject *>()) {
        if (object->inherits("FrontEndSettings"))
            object->setProperty("soundEnabled", on);
    }
}

} // namespace

void frameCosts()
{
    QTemporaryDir configuration;
    DatabaseConnection::closeConnection();
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());

    // The memory the sound effects add, first, before anything else has
    // loaded QtMultimedia: the module and every cue, against the process before.
    QQmlEngine engine;
    PlatformModules::expose(&engine);
    const bool multimedia
            = PlatformModules::probe(&engine).value(QStringLiteral("multimedia")).toBool();
    const long before = residentKiB();
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.6\nimport \"components\"\nGameSounds {}\n",
                      QUrl::fromLocalFile(QStringLiteral(HOPLIX_QML_DIR "/bench.qml")));
    std::unique_ptr<QObject> sounds(component.create());
    wait(5000, [&]() { return !sounds || !multimedia || sounds->property("ready").toBool(); });
    wait(500);
    const long after = residentKiB();
    addRow(multimedia
                   ? QStringLiteral("9 resident memory the 13 sound effects add")
                   : QStringLiteral("9 sound effects' memory: QtMultimedia missing, none loaded"),
           QString::number((after - before) / 1024.0, 'f', 1) + QStringLiteral(" MiB"),
           QStringLiteral("the process before: %1 MiB").arg(before / 1024.0, 0, 'f', 1),
           ratio(after - before, before));
    sounds.reset();

    // Start-up: to the first frame, beside a bare window loading one page;
    // of the front end's load, the facade's construction on a fresh
    // database, timed apart in a directory of its own.
    QElapsedTimer clock;
    qint64 coreBuilt = 0;
    {
        QTemporaryDir fresh;
        qputenv("XDG_CONFIG_HOME", fresh.path().toLocal8Bit());
        clock.start();
        ApplicationCore core;
        coreBuilt = clock.nsecsElapsed();
    }
    DatabaseConnection::closeConnection();
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    clock.restart();
    std::unique_ptr<QQuickView> bare(new QQuickView);
    bare->setSource(QUrl::fromLocalFile(QStringLiteral(HOPLIX_QML_DIR "/pages/StartPage.qml")));
    const qint64 bareLoaded = clock.nsecsElapsed();
    bare->resize(540, 960);
    bool drawn = false;
    QObject::connect(bare.get(), &QQuickWindow::frameSwapped, [&drawn]() { drawn = true; });
    bare->show();
    wait(20000, [&drawn]() { return drawn; });
    const qint64 bareFirst = clock.nsecsElapsed();
    bare.reset();

    clock.restart();
    std::unique_ptr<QQuickView> view(new QQuickView);
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    PlatformModules::expose(view->engine());
    const qint64 probed = clock.nsecsElapsed();
    view->setSource(QUrl::fromLocalFile(QStringLiteral(HOPLIX_QML_DIR "/harbour-hoplix.qml")));
    const qint64 loaded = clock.nsecsElapsed();
    view->resize(540, 960);
    drawn = false;
    QObject::connect(view.get(), &QQuickWindow::frameSwapped, [&drawn]() { drawn = true; });
    view->show();
    wait(20000, [&drawn]() { return drawn; });
    const qint64 first = clock.nsecsElapsed();
    addRow(QStringLiteral("9 start to the first frame (probe %1 ms, load %2 ms of which a fresh "
                          "ApplicationCore %3 ms, first frame %4 ms)")
                   .arg(probed / 1e6, 0, 'f', 0)
                   .arg((loaded - probed) / 1e6, 0, 'f', 0)
                   .arg(coreBuilt / 1e6, 0, 'f', 0)
                   .arg((first - loaded) / 1e6, 0, 'f', 0),
           QString::number(first / 1e6, 'f', 0) + QStringLiteral(" ms"),
           QStringLiteral("bare window, start page: %1 ms (load %2 ms)")
                   .arg(bareFirst / 1e6, 0, 'f', 0)
                   .arg(bareLoaded / 1e6, 0, 'f', 0),
           ratio(first, bareFirst));

    // The anchors.
    Cost still, looping;
    {
        auto window = anchorWindow("import QtQuick 2.6\nRectangle { color: 'navy'\n"
                                   "  Text { text: 'still'; color: 'white' } }\n");
        still = measure(window.get());
    }
    {
        auto window = anchorWindow("import QtQuick 2.6\nRectangle { color: 'navy'\n"
                                   "  Rectangle { width: 40; height: 40; color: 'gold'\n"
                                   "    NumberAnimation on rotation { from: 0; to: 360;\n"
                                   "      duration: 1000; loops: Animation.Infinite } } }\n");
        looping = measure(window.get());
    }
    const QString stillText = QStringLiteral("static window: ") + perSecond(still);
    const QString loopingText = QStringLiteral("one looping animation: ") + perSecond(looping);
    auto restRow = [&](const QString &state, const Cost &cost) {
        addRow(QStringLiteral("9 at rest: ") + state, perSecond(cost), stillText,
               QStringLiteral("CPU %1 of the looping window's")
                       .arg(ratio(cost.cpuPerSecond, looping.cpuPerSecond)));
    };

    QObject *shell = shellOf(view.get());
    QObject *startLive = view->rootObject()->findChild<QObject *>(QStringLiteral("startLive"));
    if (!shell || !startLive) {
        std::fprintf(stderr, "frames: the front end did not load\n");
        return;
    }
    // The window may have lost the focus to the bare window before it.
    view->requestActivate();
    wait(2000, []() { return QGuiApplication::applicationState() == Qt::ApplicationActive; });
    const Cost bouncing = measure(view.get());
    addRow(QStringLiteral("9 start page, face bouncing"), perSecond(bouncing), loopingText,
           QStringLiteral("CPU ") + ratio(bouncing.cpuPerSecond, looping.cpuPerSecond));
    startLive->setProperty("idleInterval", 100);
    restRow(QStringLiteral("start page after its idle time"), measure(view.get()));
    startLive->setProperty("idleInterval", 30000);
    QWindowSystemInterface::handleWindowActivated(nullptr);
    restRow(QStringLiteral("application inactive (start page)"), measure(view.get()));
    QWindowSystemInterface::handleWindowActivated(view.get());

    GameSession *session = openRun(shell, view.get());
    if (!session)
        return;
    FramePilot pilot(view.get(), session);
    // Sound on and off in turns, so a drift of the machine falls on both.
    Cost on{0, 0, 0}, off{0, 0, 0};
    int turns = 0;
    for (int turn = 0; turn < 4; ++turn) {
        setSound(view.get(), turn % 2 == 0);
        const Cost cost = measure(view.get(), 2000);
        if (session->state() != GameSession::Running)
            break;
        Cost &sum = turn % 2 == 0 ? on : off;
        sum.framesPerSecond += cost.framesPerSecond / 2;
        sum.cpuPerSecond += cost.cpuPerSecond / 2;
        sum.frameMs += cost.frameMs / 2;
        ++turns;
    }
    if (turns == 4) {
        addRow(QStringLiteral("9 play, sound off"), perSecond(off), loopingText,
               QStringLiteral("CPU ") + ratio(off.cpuPerSecond, looping.cpuPerSecond));
        addRow(QStringLiteral("9 play, sound on%1").arg(multimedia ? "" : " (no QtMultimedia)"),
               QStringLiteral("%1 ms a frame, %2 CPU/s")
                       .arg(on.frameMs, 0, 'f', 2)
                       .arg(on.cpuPerSecond, 0, 'f', 3),
               QStringLiteral("sound off: %1 ms a frame, %2 CPU/s")
                       .arg(off.frameMs, 0, 'f', 2)
                       .arg(off.cpuPerSecond, 0, 'f', 3),
               QStringLiteral("CPU ") + ratio(on.cpuPerSecond, off.cpuPerSecond));
    } else {
        std::fprintf(stderr, "frames: the run ended after %d turns of play\n", turns);
    }
    setSound(view.get(), true);

    session->pause();
    restRow(QStringLiteral("paused"), measure(view.get()));
    QWindowSystemInterface::handleWindowActivated(nullptr);
    restRow(QStringLiteral("application inactive (paused run)"), measure(view.get()));
    QWindowSystemInterface::handleWindowActivated(view.get());
    wait(100);
    session->resume();
    // Rushing on into whatever is overhead ends the run.
    for (int i = 0; i < 400 && session->state() == GameSession::Running; ++i) {
        session->jump(i % 2 ? 1 : -1);
        session->advance(10);
    }
    session->abandon();
    wait(1500); // the answer and the card
    restRow(QStringLiteral("game over"), measure(view.get()));
    for (const char *page : {"achievements", "skins", "runs", "settings"}) {
        shell->setProperty("screen", page);
        restRow(QString::fromLatin1(page) + QStringLiteral(" page"), measure(view.get(), 2000));
    }
    view.reset();
}
