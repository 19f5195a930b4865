#ifndef WORNSKIN_H
#define WORNSKIN_H

#include "app/corewatch.h"

#include <QObject>
#include <QString>
#include <QUrl>

class ApplicationCore;

// The skin the character wears, as its id and image, current after every
// settlement, reward acknowledgement and skin choice.
class WornSkin : public QObject
{
    Q_OBJECT
    Q_PROPERTY(ApplicationCore *core READ core WRITE setCore NOTIFY coreChanged)
    Q_PROPERTY(QString skinId READ skinId NOTIFY changed)
    Q_PROPERTY(QUrl imageUrl READ imageUrl NOTIFY changed)
public:
    explicit WornSkin(QObject *parent = nullptr);

    ApplicationCore *core() const { return watch.core(); }
    void setCore(ApplicationCore *core);
    QString skinId() const { return id; }
    QUrl imageUrl() const { return image; }

    // Wears an unlocked skin; false for a locked or unknown one.
    Q_INVOKABLE bool wear(const QString &skinId);
    Q_INVOKABLE void refresh();

signals:
    void coreChanged();
    void changed();

private:
    CoreWatch watch;
    QString id;
    QUrl image;
};

#endif // WORNSKIN_H
