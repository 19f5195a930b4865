// Draws the game's skin images and the launcher icons, and checks that the
// committed copies are what this program draws.
//
//   imagegen generate <repo>        writes assets/skins/*.png and icons/*/harbour-hoplix.png
//   imagegen verify <repo>          redraws into a temporary directory and compares
//   imagegen sheet <repo> <out.png>  everything on one picture, for a look
//   imagegen render-svg <in> <out> <size>   renders an SVG icon to PNG for a look

#include "facepainter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdlib>

namespace {

const int IconSizes[] = {86, 108, 128, 172};
const char *const PowerUps[] = {"dash", "clear", "shield", "shield-bubble"};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString skinPath(const QString &id)
{
    return QStringLiteral("assets/skins/%1.png").arg(id);
}

QString iconPath(int size)
{
    return QStringLiteral("icons/%1x%1/harbour-hoplix.png").arg(size);
}

QStringList generatedFiles()
{
    QStringList files;
    for (const QString &id : FacePainter::skinIds())
        files << skinPath(id);
    for (int size : IconSizes)
        files << iconPath(size);
    return files;
}

bool save(const QImage &image, const QString &root, const QString &relative)
{
    const QString path = root + QLatin1Char('/') + relative;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
        err() << "cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool generate(const QString &root)
{
    bool ok = true;
    for (const QString &id : FacePainter::skinIds())
        ok = save(FacePainter::skin(id), root, skinPath(id)) && ok;
    for (int size : IconSizes)
        ok = save(FacePainter::launcherIcon(size), root, iconPath(size)) && ok;
    return ok;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// PNG output of one Qt build is byte-for-byte stable; another CPU's drawing
// code may round a few edge pixels differently, which is not a change.
bool sameImage(const QString &expectedPath, const QString &actualPath)
{
    const QByteArray expectedBytes = readAll(expectedPath);
    if (expectedBytes.isEmpty()) {
        err() << "missing: " << expectedPath << '\n';
        return false;
    }
    if (expectedBytes == readAll(actualPath))
        return true;

    QImage expected;
    QImage actual;
    if (!expected.loadFromData(expectedBytes, "PNG") || !actual.load(actualPath, "PNG")) {
        err() << "not a PNG: " << expectedPath << '\n';
        return false;
    }
    if (expected.size() != actual.size() || !expected.hasAlphaChannel()) {
        err() << "wrong size or no alpha: " << expectedPath << '\n';
        return false;
    }
    expected = expected.convertToFormat(QImage::Format_ARGB32);
    actual = actual.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        const QRgb *a = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        const QRgb *b = reinterpret_cast<const QRgb *>(actual.constScanLine(y));
        for (int x = 0; x < expected.width(); ++x) {
            if (a[x] == b[x])
                continue;
            ++differing;
            worst = qMax(worst, qAbs(qRed(a[x]) - qRed(b[x])));
            worst = qMax(worst, qAbs(qGreen(a[x]) - qGreen(b[x])));
            worst = qMax(worst, qAbs(qBlue(a[x]) - qBlue(b[x])));
            worst = qMax(worst, qAbs(qAlpha(a[x]) - qAlpha(b[x])));
        }
    }
    const int allowed = expected.width() * expected.height() / 1000;
    if (worst > 8 || differing > allowed) {
        err() << "out of date: " << expectedPath << " (" << differing << " pixels differ, by up to "
              << worst << "); run imagegen generate" << '\n';
        return false;
    }
    return true;
}

bool checkSvg(const QString &path)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
        err() << "not a usable SVG: " << path << '\n';
        return false;
    }
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    renderer.render(&p);
    p.end();
    // Something must be drawn, and the corners must stay clear.
    bool drawn = false;
    for (int y = 0; y < image.height() && !drawn; ++y) {
        for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(image.pixel(x, y)) > 0;
    }
    if (!drawn || qAlpha(image.pixel(0, 0)) != 0) {
        err() << "SVG draws nothing or fills its corners: " << path << '\n';
        return false;
    }
    return true;
}

bool verify(const QString &root)
{
    QTemporaryDir scratch;
    if (!scratch.isValid() || !generate(scratch.path()))
        return false;
    bool ok = true;
    for (const QString &relative : generatedFiles()) {
        ok = sameImage(root + QLatin1Char('/') + relative,
                       scratch.path() + QLatin1Char('/') + relative)
                && ok;
    }
    for (const QString &id : FacePainter::skinIds()) {
        const QImage image(root + QLatin1Char('/') + skinPath(id));
        const int size = FacePainter::skinSize(id);
        if (image.size() != QSize(size, size) || !image.hasAlphaChannel()) {
            err() << "skin " << id << " is not a " << size << " pixel RGBA square" << '\n';
            ok = false;
        }
    }
    for (const char *name : PowerUps)
        ok = checkSvg(root + QStringLiteral("/assets/powerups/%1.svg").arg(QLatin1String(name)))
                && ok;
    return ok;
}

bool renderSvg(const QString &in, const QString &out, int size)
{
    QSvgRenderer renderer(in);
    if (!renderer.isValid())
        return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    renderer.render(&p);
    p.end();
    return image.save(out, "PNG");
}

// One picture of everything in the repository, on a light and a dark
// backdrop, for looking at the artwork together.
bool sheet(const QString &root, const QString &out)
{
    const int cell = 260;
    const QStringList ids = FacePainter::skinIds();
    QImage image(cell * ids.size() / 3 * 2, cell * 3 + 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xee, 0xee, 0xe8));
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.fillRect(QRectF(image.width() / 2, 0, image.width() / 2, image.height()),
               QColor(0x22, 0x2b, 0x3a));
    for (int half = 0; half < 2; ++half) {
        const int left = half * image.width() / 2;
        for (int i = 0; i < ids.size(); ++i) {
            const QImage face(root + QLatin1Char('/') + skinPath(ids.at(i)));
            p.drawImage(
                    QRectF(left + (i % 3) * cell + 10, (i / 3) * cell + 10, cell - 20, cell - 20),
                    face);
        }
        int x = left + 10;
        for (int size : IconSizes) {
            const QImage icon(root + QLatin1Char('/') + iconPath(size));
            p.drawImage(
                    QPointF(x, 3 * cell + 10),
                    icon.scaled(size / 2, size / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            p.drawImage(QPointF(x, 3 * cell + 100), icon);
            x += size + 8;
        }
        for (int i = 0; i < 4; ++i) {
            QSvgRenderer svg(
                    root
                    + QStringLiteral("/assets/powerups/%1.svg").arg(QLatin1String(PowerUps[i])));
            svg.render(&p, QRectF(x + (i % 2) * 110, 3 * cell + 40 + (i / 2) * 110, 96, 96));
        }
    }
    p.end();
    return image.save(out, "PNG");
}

int usage()
{
    err() << "usage: imagegen generate <repo> | verify <repo> | render-svg <in.svg> <out.png> "
             "<size>"
          << '\n';
    return 2;
}

int run(const QStringList &args)
{
    if (args.size() == 3 && args.at(1) == QLatin1String("generate"))
        return generate(args.at(2)) ? EXIT_SUCCESS : EXIT_FAILURE;
    if (args.size() == 3 && args.at(1) == QLatin1String("verify"))
        return verify(args.at(2)) ? EXIT_SUCCESS : EXIT_FAILURE;
    if (args.size() == 4 && args.at(1) == QLatin1String("sheet"))
        return sheet(args.at(2), args.at(3)) ? EXIT_SUCCESS : EXIT_FAILURE;
    if (args.size() == 5 && args.at(1) == QLatin1String("render-svg"))
        return renderSvg(args.at(2), args.at(3), args.at(4).toInt()) ? EXIT_SUCCESS : EXIT_FAILURE;
    return usage();
}

}

int main(int argc, char *argv[])
{
    // Only raster drawing happens here; no window system is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int result = run(app.arguments());
    err().flush();
    return result;
}
