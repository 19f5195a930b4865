#include "app/applicationcore.h"
#include "testsupport.h"

#include <QImage>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickView>
#include <QSignalSpy>
#include <QStringList>
#include <QtQml>

// Loads the reference front end from the build tree as the application does
// and clicks through it. Each page must load without a single QML warning.
// With HOPLIX_SCREENSHOT_DIR set, every page is also saved there as a PNG.
class tst_FrontEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pagesShowWithoutWarnings();
    void finishAndCollect();

private:
    void showPage(int page, const QString &name);
    QObject *runPage() const;

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
    previousHandler = qInstallMessageHandler(recordMessage);
}

void tst_FrontEnd::init()
{
    storage.reset(new TestStorage);
    {
        // Runs stored before the front end starts, so that every page has
        // something to show; the 60 leaves a reward waiting.
        ApplicationCore seed;
        QVERIFY(seed.saveGameRecord(QStringLiteral("seed-1"), QStringLiteral("endless"), 35,
                                    QStringLiteral("wall"), QStringLiteral("2025-01-31T08:00:00Z"),
                                    QStringLiteral("2025-01-31T08:02:00Z"), 640.0, 12.0, 20, 4, 1,
                                    0));
        QVERIFY(seed.saveGameRecord(QStringLiteral("seed-2"), QStringLiteral("endless"), 60,
                                    QStringLiteral("block"), QStringLiteral("2025-01-31T08:03:00Z"),
                                    QStringLiteral("2025-01-31T08:06:00Z"), 1210.5, -48.0, 31, 6, 0,
                                    2));
    }
    messages.clear();
    view.reset(new QQuickView);
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->setSource(QUrl::fromLocalFile(QStringLiteral(HOPLIX_DATA_DIR)
                                        + QStringLiteral("/qml/harbour-hoplix.qml")));
    QCOMPARE(view->status(), QQuickView::Ready);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void tst_FrontEnd::cleanup()
{
    view.reset();
    storage.reset();
}

QObject *tst_FrontEnd::runPage() const
{
    return view->rootObject()->findChild<QObject *>(QStringLiteral("runPage"));
}

void tst_FrontEnd::showPage(int page, const QString &name)
{
    view->rootObject()->setProperty("currentPage", page);
    // Let the images load and the scene render.
    QTest::qWait(300);
    // The offscreen platform gives no window grab with the software renderer;
    // the root item's grab draws the same scene.
    const QSharedPointer<QQuickItemGrabResult> grab = view->rootObject()->grabToImage();
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

void tst_FrontEnd::pagesShowWithoutWarnings()
{
    const QStringList names{QStringLiteral("run"), QStringLiteral("achievements"),
                            QStringLiteral("skins"), QStringLiteral("runs"),
                            QStringLiteral("settings")};
    for (int page = 0; page < names.size(); ++page)
        showPage(page, names.at(page));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

void tst_FrontEnd::finishAndCollect()
{
    QObject *page = runPage();
    QVERIFY(page);
    QVERIFY(QMetaObject::invokeMethod(page, "finishRun"));
    QTRY_VERIFY(page->property("settlement").toMap().contains(QStringLiteral("success")));
    const QVariantMap settlement = page->property("settlement").toMap();
    QCOMPARE(settlement.value(QStringLiteral("success")).toBool(), true);
    QCOMPARE(settlement.value(QStringLiteral("rewards")).toList().size(), 1);
    showPage(0, QStringLiteral("run-settled"));

    QVERIFY(QMetaObject::invokeMethod(page, "collectRewards"));
    QTRY_VERIFY(page->property("settlement")
                        .toMap()
                        .value(QStringLiteral("rewards"))
                        .toList()
                        .isEmpty());
    QCOMPARE(
            sqlValue(QStringLiteral(
                             "SELECT notification_pending FROM achievements WHERE code='score_50'"))
                    .toInt(),
            0);
    showPage(0, QStringLiteral("run-collected"));
    showPage(2, QStringLiteral("skins-after-collecting"));
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_FrontEnd)
#include "tst_frontend.moc"
