#include "app/applicationcore.h"
#include "app/platformmodules.h"
#include "game/gamesession.h"
#include "testsupport.h"

#include <QImage>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickView>
#include <QSignalSpy>
#include <QStringList>
#include <QtQml>

// Loads the front end from the build tree as the application does and clicks
// through it: the desktop shell, and the phone's shell through the test
// stand-in of Silica. Each page must load without a single QML warning.
// With HOPLIX_SCREENSHOT_DIR set, every page is also saved there as a PNG.
class tst_FrontEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pagesAndDeveloperRun();
    void playToGameOver();
    void quittingStoresTheRun();
    void silicaShell();

private:
    void load(bool withSilicaStub);
    QObject *shell() const { return child("shellLoader")->property("item").value<QObject *>(); }
    void showPage(const QString &screen, const QString &name);
    void grab(const QString &name, QQuickItem *item = nullptr);
    QObject *child(const char *objectName) const
    {
        return view->rootObject()->findChild<QObject *>(QLatin1String(objectName));
    }
    GameSession *startGame(const QString &seed);
    void playOn(GameSession *session);

    std::unique_ptr<TestStorage> storage;
    std::unique_ptr<QQuickView> view;
};
namespace {

QStringList messages;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        messages << message;
    previousHandler(type, context, message);
}

// A grab that is one colour all over means nothing was drawn.
bool hasContent(const QImage &image)
{
    const QImage flat = image.convertToFormat(QImage::Format_ARGB32);
    QImage blank(flat.size(), flat.format());
    blank.fill(flat.isNull() ? 0 : flat.pixel(0, 0));
    return !flat.isNull() && flat != blank;
}

} // namespace

void tst_FrontEnd::initTestCase()
{
    setTestApplicationNames();
    qmlRegisterType<ApplicationCore>("org.hoplix.hoplix", 1, 0, "ApplicationCore");
    GameSession::registerQmlTypes();
    previousHandler = qInstallMessageHandler(recordMessage);
}

void tst_FrontEnd::init()
{
    storage.reset(new TestStorage);
    {
        // Runs stored before the front end starts, so that every page has
        // something to show; the 60 leaves a reward waiting.
        ApplicationCore seed;
        QVERIFY(seed.saveGameRecord("seed-1", "endless", 35, "wall", "2025-01-31T08:00:00Z",
                                    "2025-01-31T08:02:00Z", 640.0, 12.0, 20, 4, 1, 0));
        QVERIFY(seed.saveGameRecord("seed-2", "endless", 60, "block", "2025-01-31T08:03:00Z",
                                    "2025-01-31T08:06:00Z", 1210.5, -48.0, 31, 6, 0, 2));
    }
    messages.clear();
    if (QByteArray(QTest::currentTestFunction()) != "silicaShell")
        load(false);
}

// As start-up does: the engine's modules decide the shell.
void tst_FrontEnd::load(bool withSilicaStub)
{
    view.reset(new QQuickView);
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    if (withSilicaStub)
        view->engine()->addImportPath(QStringLiteral(HOPLIX_QML_STUB_DIR));
    PlatformModules::expose(view->engine());
    view->setSource(QUrl::fromLocalFile(QStringLiteral(HOPLIX_DATA_DIR)
                                        + QStringLiteral("/qml/harbour-hoplix.qml")));
    QCOMPARE(view->status(), QQuickView::Ready);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

// Every page and step must go without a single QML warning.
void tst_FrontEnd::cleanup()
{
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    view.reset();
    storage.reset();
}

void tst_FrontEnd::showPage(const QString &screen, const QString &name)
{
    shell()->setProperty("screen", screen);
    grab(name);
}

void tst_FrontEnd::grab(const QString &name, QQuickItem *item)
{
    // Let the images load and the scene render.
    QTest::qWait(300);
    // The offscreen platform gives no window grab with the software renderer;
    // the root item's grab draws the same scene.
    const QSharedPointer<QQuickItemGrabResult> grab
            = (item ? item : view->rootObject())->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait(5000));
    const QImage image = grab->image();
    const QString directory = QString::fromLocal8Bit(qgetenv("HOPLIX_SCREENSHOT_DIR"));
    if (!directory.isEmpty()) {
        const QString path = directory + QLatin1Char('/') + name + QStringLiteral(".png");
        QVERIFY2(image.save(path), qPrintable(path));
        qInfo("saved %s", qPrintable(path));
    }
    QVERIFY2(hasContent(image), qPrintable(name));
}

// Opens the game from the start screen on a known tower.
GameSession *tst_FrontEnd::startGame(const QString &seed)
{
    if (shell()->objectName() == QLatin1String("silicaShell"))
        QMetaObject::invokeMethod(shell(), "openGame");
    else
        QMetaObject::invokeMethod(shell(), "show", Q_ARG(QVariant, QStringLiteral("game")));
    QObject *page = child("gamePage");
    auto *session = qobject_cast<GameSession *>(page->property("session").value<QObject *>());
    if (session) {
        session->prepare(QStringLiteral("endless"), QStringLiteral("{screenshot-run}"), seed);
        session->jump(1);
    }
    return session;
}

void tst_FrontEnd::pagesAndDeveloperRun()
{
    for (const char *screen : {"start", "achievements", "skins", "runs", "settings", "developer"})
        showPage(screen, screen);

    QObject *page = child("developerPage");
    QVERIFY(QMetaObject::invokeMethod(page, "finishRun"));
    QTRY_VERIFY(page->property("settlement").toMap().value("success").toBool());
    QCOMPARE(page->property("settlement").toMap().value("rewards").toList().size(), 1);
    showPage("developer", "developer-settled");
    QVERIFY(QMetaObject::invokeMethod(page, "collectRewards"));
    QTRY_COMPARE(
            sqlValue("SELECT notification_pending FROM achievements WHERE code='score_50'").toInt(),
            0);
    QTRY_VERIFY(page->property("settlement").toMap().value("rewards").toList().isEmpty());
    showPage("developer", "developer-collected");
}

void tst_FrontEnd::playToGameOver()
{
    // A tower whose first sections hold blocks and power-ups; the last
    // death of the seeded runs (y 1210.5) is marked on the way up.
    GameSession *session = startGame("13");
    QVERIFY(session);
    playOn(session);
    grab("game-play");
    session->pause();
    grab("game-paused");
    session->resume();

    // Rushing on ends the run against a wall or a block; the settlement
    // brings the reward the seeded runs left waiting.
    for (int i = 0; i < 400 && session->state() == GameSession::Running; ++i) {
        session->jump(i % 2 ? 1 : -1);
        session->advance(10);
    }
    QCOMPARE(session->state(), GameSession::Over);
    QObject *page = child("gamePage");
    QTRY_VERIFY(page->property("settled").toBool());
    QCOMPARE(page->property("rewards").toList().size(), 1);
    grab("game-over");
    showPage("start", "start-after-run");
}

// Climbs the known tower to where the screenshot of play is taken.
void tst_FrontEnd::playOn(GameSession *session)
{
    while (session->cameraY() < 640 && session->state() == GameSession::Running)
        session->autoplay(10);
    QCOMPARE(session->state(), GameSession::Running);
    // The offscreen test window does not advance a collision's flash while
    // nothing else redraws; the picture is of the run, not of the flash.
    child("flash")->setProperty("opacity", 0);
}

// The phone's shell, chosen because the engine can import (the stand-in of)
// Silica: the start page, a page from the pull-down menu, the game, the cover.
void tst_FrontEnd::silicaShell()
{
    load(true);
    QCOMPARE(shell()->objectName(), QStringLiteral("silicaShell"));
    auto *stack = shell()->property("pageStack").value<QObject *>();
    grab("silica-start");

    QVERIFY(QMetaObject::invokeMethod(shell(), "openPage", Q_ARG(QVariant, "achievements")));
    grab("silica-achievements");
    QVERIFY(QMetaObject::invokeMethod(stack, "pop", Q_ARG(QVariant, QVariant())));

    GameSession *session = startGame("13");
    QVERIFY(session);
    playOn(session);
    grab("silica-game-play");
    grab("silica-cover", shell()->property("_coverItem").value<QQuickItem *>());
}

void tst_FrontEnd::quittingStoresTheRun()
{
    GameSession *session = startGame("5");
    QVERIFY(session);
    session->advance(60);
    // What the application does when the window closes or it is told to
    // quit: the run goes to the database at once, as abandoned.
    QVERIFY(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit"));
    QCOMPARE(session->state(), GameSession::Over);
    QCOMPARE(sqlValue("SELECT end_reason FROM game_records WHERE id='{screenshot-run}'"),
             QVariant("abandoned"));
}

QTEST_MAIN(tst_FrontEnd)
#include "tst_frontend.moc"
