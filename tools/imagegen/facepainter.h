#ifndef FACEPAINTER_H
#define FACEPAINTER_H

#include <QImage>
#include <QString>
#include <QStringList>

// Draws the character's faces (one per skin id) and the launcher icon.
// Everything is vector drawing with QPainter: no fonts and no input files,
// so the output depends only on the code and the Qt build.
namespace FacePainter {

// The skin ids, in the order they are generated.
QStringList skinIds();

// Edge length in pixels of the square image for a skin.
int skinSize(const QString &id);

// An RGBA image of the face for the skin id; a null image for an unknown id.
QImage skin(const QString &id);

// The launcher icon, size x size pixels.
QImage launcherIcon(int size);

}

#endif // FACEPAINTER_H
