#ifndef LIVESTATE_H
#define LIVESTATE_H

#include <QObject>
#include <QTimer>

// Whether a page of the front end may move: the one rule every running
// animation and timer of the pages binds to, so that at rest nothing draws.
// Live means the application is active (not in the background, on the
// cover, or an unfocused window), the page is the one in front, it has
// something to move (a run going, an entrance playing) and, where the page
// idles, there was some input in the last `idleInterval` milliseconds.
class LiveState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool current READ current WRITE setCurrent NOTIFY currentChanged)
    Q_PROPERTY(bool moving READ moving WRITE setMoving NOTIFY movingChanged)
    // 0: the page never idles.
    Q_PROPERTY(int idleInterval READ idleInterval WRITE setIdleInterval NOTIFY idleIntervalChanged)
    Q_PROPERTY(bool applicationActive READ applicationActive NOTIFY applicationActiveChanged)
    Q_PROPERTY(bool idle READ idle NOTIFY idleChanged)
    Q_PROPERTY(bool live READ live NOTIFY liveChanged)

public:
    explicit LiveState(QObject *parent = nullptr);

    bool current() const { return m_current; }
    void setCurrent(bool current);
    bool moving() const { return m_moving; }
    void setMoving(bool moving);
    int idleInterval() const { return m_idleInterval; }
    void setIdleInterval(int milliseconds);
    bool applicationActive() const { return m_applicationActive; }
    bool idle() const { return m_idle; }
    bool live() const { return m_live; }

    // Input seen: the idle time starts again.
    Q_INVOKABLE void wake();

signals:
    void currentChanged();
    void movingChanged();
    void idleIntervalChanged();
    void applicationActiveChanged();
    void idleChanged();
    void liveChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onApplicationStateChanged(Qt::ApplicationState state);
    void setIdle(bool idle);
    void update();

    QTimer m_idleTimer;
    bool m_current;
    bool m_moving;
    int m_idleInterval;
    bool m_applicationActive;
    bool m_idle;
    bool m_live;
    bool m_filtering;
};

#endif // LIVESTATE_H
