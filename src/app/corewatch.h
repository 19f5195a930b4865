#ifndef COREWATCH_H
#define COREWATCH_H

#include <QObject>
#include <QPointer>

class ApplicationCore;

// What a state object of the front end listens to: the settlements and
// acknowledgements of its facade, and the GUI thread's synchronous changes.
// It folds them into one `changed`, so each state object re-reads in one
// place.
class CoreWatch : public QObject
{
    Q_OBJECT
public:
    explicit CoreWatch(QObject *parent = nullptr);

    ApplicationCore *core() const { return facade.data(); }
    // True when the facade changed.
    bool setCore(ApplicationCore *core);

signals:
    void changed();

private:
    QPointer<ApplicationCore> facade;
};

#endif // COREWATCH_H
