#include "facepainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <functional>

namespace {

// All features are drawn in face units: origin at the face's centre, face
// radius 100, y pointing down.
const qreal FaceRadius = 100.0;

const QColor Ink(0x3b, 0x24, 0x12);
const QColor White(0xff, 0xff, 0xff);

struct Palette
{
    QColor light;
    QColor mid;
    QColor dark;
    QColor rim;
};

const Palette Sunny = {QColor(0xff, 0xf4, 0xa8), QColor(0xff, 0xd6, 0x3a), QColor(0xf2, 0x9b, 0x1f),
                       QColor(0xb8, 0x64, 0x12)};
const Palette Flushed = {QColor(0xff, 0xc9, 0x8a), QColor(0xff, 0x84, 0x3d),
                         QColor(0xe0, 0x3c, 0x1c), QColor(0x9e, 0x24, 0x0e)};

QPen roundPen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath circlePath(const QPointF &centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath facePath()
{
    return circlePath(QPointF(0, 0), FaceRadius);
}

void drawShadow(QPainter &p)
{
    QRadialGradient shade(QPointF(0, 8), FaceRadius * 1.12);
    shade.setColorAt(0.0, QColor(0, 0, 0, 90));
    shade.setColorAt(0.82, QColor(0, 0, 0, 60));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(0, 8), FaceRadius * 1.12, FaceRadius * 1.12);
}

void drawFace(QPainter &p, const Palette &palette)
{
    drawShadow(p);

    // Light from the upper left: a round, slightly glossy ball.
    QRadialGradient body(QPointF(-25, -35), 150, QPointF(-40, -50));
    body.setColorAt(0.0, palette.light);
    body.setColorAt(0.45, palette.mid);
    body.setColorAt(0.9, palette.dark);
    body.setColorAt(1.0, palette.dark.darker(110));
    p.setBrush(body);
    p.setPen(QPen(palette.rim, 3.0));
    p.drawPath(facePath());

    // Bounce light along the lower edge keeps the face from looking flat.
    p.save();
    p.setClipPath(facePath());
    p.translate(0, 92);
    p.scale(1.0, 0.45);
    QRadialGradient bounce(QPointF(0, 0), 72);
    bounce.setColorAt(0.0, QColor(255, 240, 180, 80));
    bounce.setColorAt(1.0, QColor(255, 240, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(bounce);
    p.drawEllipse(QPointF(0, 0), 72, 72);
    p.restore();

    // Gloss.
    p.setPen(Qt::NoPen);
    p.save();
    p.translate(-38, -58);
    p.rotate(-28);
    QRadialGradient gloss(QPointF(0, 0), 40);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 170));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.scale(1.0, 0.55);
    p.drawEllipse(QPointF(0, 0), 40, 40);
    p.restore();
}

void drawEye(QPainter &p, const QPointF &centre, qreal rx, qreal ry)
{
    QRadialGradient iris(centre + QPointF(-rx * 0.3, -ry * 0.3), ry * 1.2);
    iris.setColorAt(0.0, Ink.lighter(160));
    iris.setColorAt(1.0, Ink);
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(centre, rx, ry);
    p.setBrush(White);
    p.drawEllipse(centre + QPointF(-rx * 0.3, -ry * 0.38), rx * 0.34, rx * 0.34);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(centre + QPointF(rx * 0.35, ry * 0.4), rx * 0.15, rx * 0.15);
}

void drawCheeks(QPainter &p, int alpha)
{
    for (int side = -1; side <= 1; side += 2) {
        QRadialGradient blush(QPointF(side * 58, 22), 22);
        blush.setColorAt(0.0, QColor(255, 90, 110, alpha));
        blush.setColorAt(1.0, QColor(255, 90, 110, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(blush);
        p.drawEllipse(QPointF(side * 58, 22), 24, 16);
    }
}

void drawStar(QPainter &p, const QPointF &centre, qreal outer, qreal inner, qreal rotation)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = qDegreesToRadians(rotation - 90 + i * 36.0);
        const QPointF point = centre + QPointF(qCos(angle) * radius, qSin(angle) * radius);
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.drawPath(star);
}

// An open mouth: dark inside, a row of upper teeth and a tongue, all clipped
// to the mouth's outline.
void drawOpenMouth(QPainter &p, const QPainterPath &mouth, qreal teethDepth, qreal tongueTop,
                   const QColor &tongue)
{
    const QRectF box = mouth.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5c, 0x12, 0x16));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(White);
    p.drawRect(QRectF(box.left(), box.top(), box.width(), teethDepth));
    p.setBrush(tongue);
    p.drawEllipse(QPointF(box.center().x(), box.bottom() + 2), box.width() * 0.34,
                  box.bottom() + 2 - tongueTop);
    p.restore();
    p.setPen(roundPen(Ink, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

QPainterPath dollarSign()
{
    QPainterPath s;
    s.moveTo(10, -12);
    s.cubicTo(5, -18, -12, -17, -12, -7);
    s.cubicTo(-12, 2, 12, -2, 12, 8);
    s.cubicTo(12, 18, -5, 19, -12, 12);
    s.moveTo(0, -21);
    s.lineTo(0, 21);
    return s;
}

QPainterPath spiral(const QPointF &centre, qreal radius, qreal turns)
{
    QPainterPath path;
    const int steps = 120;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal angle = t * turns * 2 * M_PI;
        const QPointF point = centre + QPointF(qCos(angle), qSin(angle)) * (radius * t);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

void paintDefault(QPainter &p)
{
    drawFace(p, Sunny);
    drawCheeks(p, 110);
    drawEye(p, QPointF(-34, -20), 12, 18);
    drawEye(p, QPointF(34, -20), 12, 18);
    // A wide, open smile.
    QPainterPath mouth;
    mouth.moveTo(-46, 24);
    mouth.quadTo(0, 34, 46, 24);
    mouth.cubicTo(40, 72, -40, 72, -46, 24);
    drawOpenMouth(p, mouth, 9, 52, QColor(0xff, 0x6f, 0x7d));
}

void paintConfident(QPainter &p)
{
    drawFace(p, Sunny);
    // Sunglasses: a bar and two dark lenses with a sheen.
    QPainterPath lenses;
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath lens;
        lens.moveTo(side * 8, -34);
        lens.lineTo(side * 80, -34);
        lens.cubicTo(side * 80, -10, side * 72, 6, side * 48, 6);
        lens.cubicTo(side * 22, 6, side * 10, -8, side * 8, -34);
        lens.closeSubpath();
        lenses.addPath(lens);
    }
    QLinearGradient glass(QPointF(0, -34), QPointF(0, 6));
    glass.setColorAt(0.0, QColor(0x2c, 0x31, 0x3d));
    glass.setColorAt(1.0, QColor(0x0b, 0x0d, 0x12));
    p.setBrush(glass);
    p.setPen(roundPen(QColor(0x10, 0x10, 0x14), 4));
    p.drawPath(lenses);
    p.setPen(roundPen(QColor(0x10, 0x10, 0x14), 7));
    p.drawLine(QPointF(-92, -36), QPointF(92, -36));
    p.save();
    p.setClipPath(lenses);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    for (int side = -1; side <= 1; side += 2) {
        QPolygonF sheen;
        const qreal x = side < 0 ? -62 : 26;
        sheen << QPointF(x, -34) << QPointF(x + 14, -34) << QPointF(x - 4, 8) << QPointF(x - 18, 8);
        p.drawPolygon(sheen);
        sheen.translate(20, 0);
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawPolygon(sheen);
        p.setBrush(QColor(255, 255, 255, 70));
    }
    p.restore();
    // A sure, lopsided grin.
    QPainterPath grin;
    grin.moveTo(-34, 40);
    grin.cubicTo(-12, 56, 22, 54, 44, 28);
    p.setPen(roundPen(Ink, 8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(grin);
    p.setPen(roundPen(Ink, 5));
    p.drawLine(QPointF(40, 22), QPointF(48, 34));
    // A glint on the glasses.
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    drawStar(p, QPointF(-70, -30), 12, 3, 0);
}

void paintDetermined(QPainter &p)
{
    drawFace(p, Sunny);
    const QColor band(0xd9, 0x1e, 0x36);
    const QColor bandDark(0x9c, 0x10, 0x22);

    // Headband across the forehead, knotted on the right with tails that
    // stream out behind.
    QPainterPath bandPath;
    bandPath.moveTo(-110, -62);
    bandPath.cubicTo(-40, -78, 40, -80, 110, -66);
    bandPath.lineTo(110, -38);
    bandPath.cubicTo(40, -52, -40, -50, -110, -34);
    bandPath.closeSubpath();
    p.save();
    p.setClipPath(facePath());
    QLinearGradient bandShade(QPointF(0, -80), QPointF(0, -36));
    bandShade.setColorAt(0.0, band.lighter(125));
    bandShade.setColorAt(1.0, bandDark);
    p.setBrush(bandShade);
    p.setPen(Qt::NoPen);
    p.drawPath(bandPath);
    p.setPen(QPen(QColor(255, 255, 255, 60), 2));
    p.drawLine(QPointF(-100, -52), QPointF(100, -56));
    p.restore();

    QPainterPath tails;
    tails.moveTo(96, -62);
    tails.cubicTo(108, -72, 114, -86, 122, -96);
    tails.cubicTo(120, -76, 116, -62, 106, -52);
    tails.closeSubpath();
    tails.moveTo(98, -48);
    tails.cubicTo(110, -40, 116, -24, 124, -12);
    tails.cubicTo(110, -16, 102, -28, 94, -40);
    tails.closeSubpath();
    p.setBrush(band);
    p.setPen(QPen(bandDark, 2.5));
    p.drawPath(tails);
    p.setBrush(bandDark);
    p.drawEllipse(QPointF(98, -52), 11, 13);

    // Narrowed eyes under lowered brows.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath eye;
        eye.addEllipse(QPointF(side * 34, -6), 12, 15);
        QPainterPath lid;
        lid.moveTo(side * 14, -14);
        lid.lineTo(side * 56, -26);
        lid.lineTo(side * 56, -40);
        lid.lineTo(side * 14, -40);
        lid.closeSubpath();
        p.save();
        p.setClipPath(eye.subtracted(lid));
        drawEye(p, QPointF(side * 34, -6), 12, 15);
        p.restore();
        p.setPen(roundPen(Ink, 9));
        p.drawLine(QPointF(side * 14, -18), QPointF(side * 58, -33));
    }

    // Gritted teeth.
    const QRectF teeth(-34, 30, 68, 26);
    p.setPen(roundPen(Ink, 4.5));
    p.setBrush(White);
    p.drawRoundedRect(teeth, 11, 11);
    p.setPen(roundPen(Ink.lighter(130), 2.5));
    p.drawLine(QPointF(-32, 43), QPointF(32, 43));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(i * 12, 32), QPointF(i * 12, 54));

    // A bead of sweat on the temple.
    QPainterPath drop;
    drop.moveTo(-70, -30);
    drop.cubicTo(-62, -18, -56, -10, -56, -4);
    drop.cubicTo(-56, 6, -72, 8, -74, -2);
    drop.cubicTo(-75, -10, -72, -18, -70, -30);
    QLinearGradient water(QPointF(-70, -30), QPointF(-66, 6));
    water.setColorAt(0.0, QColor(0xc8, 0xf0, 0xff));
    water.setColorAt(1.0, QColor(0x3a, 0xa6, 0xe8));
    p.setBrush(water);
    p.setPen(QPen(QColor(0x1f, 0x78, 0xb4), 2));
    p.drawPath(drop);
}

void paintDizzy(QPainter &p)
{
    drawFace(p, Sunny);
    // A green tinge of nausea.
    p.save();
    p.setClipPath(facePath());
    QLinearGradient queasy(QPointF(0, -100), QPointF(0, 10));
    queasy.setColorAt(0.0, QColor(140, 230, 120, 110));
    queasy.setColorAt(0.5, QColor(160, 235, 130, 50));
    queasy.setColorAt(1.0, QColor(160, 235, 130, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(queasy);
    p.drawRect(QRectF(-100, -100, 200, 140));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Ink, 5.5));
    p.drawPath(spiral(QPointF(-34, -18), 22, 2.6));
    p.save();
    p.translate(34, -18);
    p.scale(-1, 1);
    p.drawPath(spiral(QPointF(0, 0), 22, 2.6));
    p.restore();

    // Wobbly mouth.
    QPainterPath wave;
    wave.moveTo(-38, 44);
    for (int i = 1; i <= 40; ++i) {
        const qreal x = -38 + i * 76.0 / 40;
        wave.lineTo(x, 44 + 7 * qSin(i * M_PI / 10.0));
    }
    p.setPen(roundPen(Ink, 7));
    p.drawPath(wave);

    // Stars circling the head.
    p.setPen(roundPen(QColor(0xc2, 0x6a, 0x00), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, -86), 88, 20);
    p.setBrush(QColor(0xff, 0xf7, 0xd6));
    drawStar(p, QPointF(-70, -96), 16, 7, -12);
    drawStar(p, QPointF(30, -104), 13, 6, 10);
    drawStar(p, QPointF(78, -72), 15, 6.5, 24);
}

void paintClown(QPainter &p)
{
    // Tufts of hair on both sides, behind the face.
    const QColor hair[] = {QColor(0xff, 0x3d, 0x6e), QColor(0x2f, 0xb5, 0xff),
                           QColor(0x6c, 0xd8, 0x3c), QColor(0xff, 0x9f, 0x1c)};
    const QPointF tufts[] = {QPointF(96, -44), QPointF(104, -14), QPointF(98, 16), QPointF(80, -68),
                             QPointF(108, 0)};
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 5; ++i) {
            const QPointF centre(side * tufts[i].x(), tufts[i].y());
            QRadialGradient puff(centre + QPointF(-5, -6), 22);
            const QColor colour = hair[(i + (side < 0 ? 0 : 2)) % 4];
            puff.setColorAt(0.0, colour.lighter(135));
            puff.setColorAt(1.0, colour);
            p.setBrush(puff);
            p.setPen(QPen(colour.darker(140), 2));
            p.drawEllipse(centre, 20, 20);
        }
    }
    drawFace(p, Sunny);

    // White greasepaint around eyes and mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    for (int side = -1; side <= 1; side += 2)
        p.drawEllipse(QPointF(side * 34, -22), 22, 28);
    // Blue diamonds over the eyes.
    p.setBrush(QColor(0x2f, 0x7d, 0xff));
    for (int side = -1; side <= 1; side += 2) {
        QPolygonF diamond;
        diamond << QPointF(side * 34, -66) << QPointF(side * 34 + 7, -54) << QPointF(side * 34, -42)
                << QPointF(side * 34 - 7, -54);
        p.drawPolygon(diamond);
    }
    drawEye(p, QPointF(-34, -20), 11, 15);
    drawEye(p, QPointF(34, -20), 11, 15);

    // Big painted smile.
    QPainterPath lips;
    lips.moveTo(-66, 18);
    lips.cubicTo(-40, 40, 40, 40, 66, 18);
    lips.cubicTo(58, 88, -58, 88, -66, 18);
    lips.closeSubpath();
    p.setBrush(QColor(0xe3, 0x1b, 0x4f));
    p.setPen(roundPen(QColor(0x8f, 0x0c, 0x2c), 3));
    p.drawPath(lips);
    QPainterPath mouth;
    mouth.moveTo(-46, 36);
    mouth.cubicTo(-20, 48, 20, 48, 46, 36);
    mouth.cubicTo(38, 66, -38, 66, -46, 36);
    drawOpenMouth(p, mouth, 7, 52, QColor(0xff, 0x7a, 0x8c));

    // Red nose.
    QRadialGradient nose(QPointF(-5, -2), 22, QPointF(-8, -6));
    nose.setColorAt(0.0, QColor(0xff, 0x9a, 0x9a));
    nose.setColorAt(0.35, QColor(0xf0, 0x1e, 0x2c));
    nose.setColorAt(1.0, QColor(0xa0, 0x08, 0x14));
    p.setBrush(nose);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 6), 19, 19);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(-7, -2), 5, 4);
}

void paintInjured(QPainter &p)
{
    drawFace(p, Sunny);

    // Bruise around the right eye.
    QRadialGradient bruise(QPointF(36, -14), 30);
    bruise.setColorAt(0.0, QColor(0x6a, 0x2c, 0x91, 200));
    bruise.setColorAt(0.6, QColor(0x8e, 0x44, 0xad, 120));
    bruise.setColorAt(1.0, QColor(0x8e, 0x44, 0xad, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(bruise);
    p.drawEllipse(QPointF(36, -14), 32, 28);

    // Left eye open, right eye squeezed shut.
    drawEye(p, QPointF(-34, -14), 11, 15);
    p.setPen(roundPen(Ink, 6));
    p.setBrush(Qt::NoBrush);
    QPainterPath shut;
    shut.moveTo(22, -22);
    shut.lineTo(44, -14);
    shut.lineTo(22, -6);
    p.drawPath(shut);
    // Brows raised in the middle: it hurts.
    p.drawLine(QPointF(-50, -42), QPointF(-20, -50));
    p.drawLine(QPointF(50, -40), QPointF(20, -50));

    // Wobbly frown.
    QPainterPath frown;
    frown.moveTo(-32, 52);
    frown.cubicTo(-20, 36, -8, 44, 0, 40);
    frown.cubicTo(10, 36, 22, 38, 32, 50);
    p.setPen(roundPen(Ink, 7));
    p.drawPath(frown);

    // Bandage wrapped around the head, with a stain.
    QPainterPath wrap;
    wrap.moveTo(-110, -58);
    wrap.cubicTo(-40, -96, 40, -100, 110, -82);
    wrap.lineTo(110, -56);
    wrap.cubicTo(40, -74, -40, -70, -110, -30);
    wrap.closeSubpath();
    p.save();
    p.setClipPath(facePath());
    QLinearGradient gauze(QPointF(0, -96), QPointF(0, -40));
    gauze.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    gauze.setColorAt(1.0, QColor(0xdc, 0xdc, 0xe4));
    p.setBrush(gauze);
    p.setPen(QPen(QColor(0xa8, 0xa8, 0xb4), 2.5));
    p.drawPath(wrap);
    p.setClipPath(wrap, Qt::IntersectClip);
    p.setPen(QPen(QColor(0xc4, 0xc4, 0xd0), 1.6));
    for (int i = -6; i <= 6; ++i)
        p.drawLine(QPointF(i * 17 - 10, -100), QPointF(i * 17 + 10, -30));
    QRadialGradient stain(QPointF(-44, -66), 16);
    stain.setColorAt(0.0, QColor(0xd0, 0x1c, 0x2a, 230));
    stain.setColorAt(0.7, QColor(0xd0, 0x1c, 0x2a, 160));
    stain.setColorAt(1.0, QColor(0xd0, 0x1c, 0x2a, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(stain);
    p.drawEllipse(QPointF(-44, -66), 17, 13);
    p.restore();

    // Crossed plasters on the cheek.
    for (int angle = -40; angle <= 40; angle += 80) {
        p.save();
        p.translate(-56, 28);
        p.rotate(angle);
        p.setBrush(QColor(0xf2, 0xc4, 0x94));
        p.setPen(QPen(QColor(0xc0, 0x8a, 0x58), 2));
        p.drawRoundedRect(QRectF(-26, -8, 52, 16), 7, 7);
        p.setBrush(QColor(0xfa, 0xe3, 0xc8));
        p.drawRect(QRectF(-9, -6, 18, 12));
        p.restore();
    }
}

void paintMoney(QPainter &p)
{
    drawFace(p, Sunny);
    drawCheeks(p, 80);
    // Dollar signs for eyes.
    const QColor green(0x12, 0x8c, 0x3f);
    for (int side = -1; side <= 1; side += 2) {
        p.save();
        p.translate(side * 34, -22);
        p.scale(1.05, 1.05);
        p.setPen(roundPen(QColor(0x0b, 0x5e, 0x2a), 10));
        p.setBrush(Qt::NoBrush);
        p.drawPath(dollarSign());
        p.setPen(roundPen(QColor(0x2e, 0xc2, 0x64), 6));
        p.drawPath(dollarSign());
        p.restore();
    }
    // Grin with a banknote of a tongue.
    QPainterPath mouth;
    mouth.moveTo(-48, 22);
    mouth.quadTo(0, 32, 48, 22);
    mouth.cubicTo(42, 68, -42, 68, -48, 22);
    drawOpenMouth(p, mouth, 9, 44, green);
    QPainterPath note;
    note.addRoundedRect(QRectF(-20, 44, 40, 46), 5, 5);
    QLinearGradient paper(QPointF(-20, 44), QPointF(20, 90));
    paper.setColorAt(0.0, QColor(0x9c, 0xe6, 0x9e));
    paper.setColorAt(1.0, QColor(0x3f, 0xb3, 0x5c));
    p.setBrush(paper);
    p.setPen(QPen(QColor(0x1d, 0x6e, 0x34), 2.5));
    p.drawPath(note);
    p.setPen(QPen(QColor(0x1d, 0x6e, 0x34), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 70), 9, 9);
    p.drawLine(QPointF(-14, 52), QPointF(14, 52));
    p.drawLine(QPointF(-14, 84), QPointF(14, 84));

    // Gold coins about the head.
    const QPointF coins[] = {QPointF(82, -78), QPointF(-88, -70)};
    const qreal radii[] = {17, 13};
    for (int i = 0; i < 2; ++i) {
        QRadialGradient gold(coins[i] + QPointF(-4, -5), radii[i] * 1.3);
        gold.setColorAt(0.0, QColor(0xff, 0xf1, 0x9c));
        gold.setColorAt(0.6, QColor(0xf5, 0xc2, 0x18));
        gold.setColorAt(1.0, QColor(0xc7, 0x8a, 0x05));
        p.setBrush(gold);
        p.setPen(QPen(QColor(0x9a, 0x66, 0x00), 2.5));
        p.drawEllipse(coins[i], radii[i], radii[i]);
        p.setPen(QPen(QColor(0xb0, 0x78, 0x00), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(coins[i], radii[i] * 0.68, radii[i] * 0.68);
    }
}

void paintShouting(QPainter &p)
{
    drawFace(p, Flushed);
    // Angry brows and small glaring eyes.
    p.setPen(roundPen(Ink, 9));
    p.drawLine(QPointF(-60, -52), QPointF(-18, -34));
    p.drawLine(QPointF(60, -52), QPointF(18, -34));
    for (int side = -1; side <= 1; side += 2) {
        p.setPen(QPen(Ink, 3));
        p.setBrush(White);
        p.drawEllipse(QPointF(side * 36, -18), 14, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(Ink);
        p.drawEllipse(QPointF(side * 33, -16), 6, 6);
    }

    // Wide open, yelling mouth.
    QPainterPath mouth;
    mouth.addEllipse(QPointF(0, 44), 36, 34);
    drawOpenMouth(p, mouth, 10, 60, QColor(0xff, 0x5a, 0x6a));

    // Throbbing vein on the forehead.
    p.setPen(roundPen(QColor(0xb0, 0x0e, 0x1c), 5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(56, -62);
        p.rotate(i * 90);
        QPainterPath arc;
        arc.moveTo(4, -14);
        arc.quadTo(4, -4, 14, -4);
        p.drawPath(arc);
        p.restore();
    }

    // Shout lines.
    p.setPen(roundPen(QColor(0x8c, 0x1c, 0x0c), 6));
    for (int side = -1; side <= 1; side += 2) {
        p.drawLine(QPointF(side * 98, 28), QPointF(side * 116, 22));
        p.drawLine(QPointF(side * 96, 48), QPointF(side * 116, 52));
        p.drawLine(QPointF(side * 90, 68), QPointF(side * 106, 80));
    }
}

void paintSmirking(QPainter &p)
{
    drawFace(p, Sunny);
    // Half-lidded eyes glancing to the side.
    for (int side = -1; side <= 1; side += 2) {
        const QPointF centre(side * 34, -14);
        p.setPen(Qt::NoPen);
        p.setBrush(White);
        p.drawEllipse(centre, 18, 13);
        p.save();
        QPainterPath ball;
        ball.addEllipse(centre, 18, 13);
        p.setClipPath(ball);
        drawEye(p, centre + QPointF(9, 2), 9, 11);
        // A heavy lid over the upper half.
        QLinearGradient lid(centre + QPointF(0, -14), centre + QPointF(0, -2));
        lid.setColorAt(0.0, QColor(0xf7, 0xb9, 0x2e));
        lid.setColorAt(1.0, QColor(0xe8, 0x9a, 0x1c));
        p.setBrush(lid);
        p.drawRect(QRectF(centre.x() - 20, centre.y() - 16, 40, 14));
        p.restore();
        p.setPen(roundPen(Ink, 4.5));
        p.setBrush(Qt::NoBrush);
        p.drawLine(centre + QPointF(-19, -2), centre + QPointF(19, -2));
    }
    // One raised brow.
    QPainterPath brow;
    brow.moveTo(-56, -42);
    brow.quadTo(-38, -62, -16, -48);
    p.setPen(roundPen(Ink, 7));
    p.drawPath(brow);
    p.drawLine(QPointF(16, -36), QPointF(54, -38));

    // Smirk pulled up on one side, with a dimple.
    QPainterPath smirk;
    smirk.moveTo(-26, 46);
    smirk.cubicTo(0, 52, 26, 46, 42, 28);
    p.setPen(roundPen(Ink, 7.5));
    p.drawPath(smirk);
    QPainterPath dimple;
    dimple.moveTo(44, 20);
    dimple.quadTo(52, 28, 46, 36);
    p.setPen(roundPen(Ink, 4));
    p.drawPath(dimple);
}

struct SkinDef
{
    const char *id;
    int size;
    qreal faceRadius; // pixels
    std::function<void(QPainter &)> paint;
};

const QList<SkinDef> &skinDefs()
{
    // The determined face gets a larger canvas for its streaming headband.
    static const QList<SkinDef> defs = {
            {"default", 800, 330, paintDefault},       {"confident", 800, 330, paintConfident},
            {"determined", 950, 360, paintDetermined}, {"dizzy", 800, 330, paintDizzy},
            {"clown", 800, 300, paintClown},           {"injured", 800, 330, paintInjured},
            {"money", 800, 330, paintMoney},           {"shouting", 800, 330, paintShouting},
            {"smirking", 800, 330, paintSmirking},
    };
    return defs;
}

QImage blankImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void beginFacePainting(QPainter &p, int size, qreal faceRadius)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.translate(size / 2.0, size / 2.0);
    p.scale(faceRadius / FaceRadius, faceRadius / FaceRadius);
}

}

namespace FacePainter {

QStringList skinIds()
{
    QStringList ids;
    for (const SkinDef &def : skinDefs())
        ids << QString::fromLatin1(def.id);
    return ids;
}

int skinSize(const QString &id)
{
    for (const SkinDef &def : skinDefs()) {
        if (id == QLatin1String(def.id))
            return def.size;
    }
    return 0;
}

QImage skin(const QString &id)
{
    for (const SkinDef &def : skinDefs()) {
        if (id != QLatin1String(def.id))
            continue;
        QImage image = blankImage(def.size);
        QPainter p(&image);
        beginFacePainting(p, def.size, def.faceRadius);
        def.paint(p);
        p.end();
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    return QImage();
}

QImage launcherIcon(int size)
{
    QImage image = blankImage(size);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // Icon units: 100 across.
    p.scale(size / 100.0, size / 100.0);

    // Round badge: a dusk sky with the ground at the bottom.
    QPainterPath badge;
    badge.addEllipse(QPointF(50, 50), 48, 48);
    QLinearGradient sky(QPointF(0, 2), QPointF(0, 98));
    sky.setColorAt(0.0, QColor(0x2b, 0x5c, 0xd6));
    sky.setColorAt(1.0, QColor(0x12, 0xa8, 0xc4));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(badge);
    p.save();
    p.setClipPath(badge);
    p.setBrush(QColor(0x1b, 0x2a, 0x49));
    p.drawRect(QRectF(0, 80, 100, 20));
    // A block to jump over.
    QLinearGradient stone(QPointF(66, 62), QPointF(86, 82));
    stone.setColorAt(0.0, QColor(0xff, 0x8a, 0x5c));
    stone.setColorAt(1.0, QColor(0xd6, 0x3e, 0x2a));
    p.setBrush(stone);
    p.setPen(QPen(QColor(0x7a, 0x1c, 0x14), 1.2));
    p.drawRoundedRect(QRectF(68, 62, 18, 19), 2.5, 2.5);
    // Motion trail of the jump.
    p.setPen(QPen(QColor(255, 255, 255, 150), 3.2, Qt::DotLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arc;
    arc.moveTo(12, 80);
    arc.quadTo(22, 52, 32, 44);
    p.drawPath(arc);
    p.restore();

    p.setPen(QPen(QColor(255, 255, 255, 210), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(badge);

    // The character mid-jump.
    p.translate(48, 38);
    p.rotate(-10);
    p.scale(0.27, 0.27);
    paintDefault(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

}
