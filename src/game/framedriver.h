#ifndef FRAMEDRIVER_H
#define FRAMEDRIVER_H

#include <QElapsedTimer>
#include <QPointer>
#include <QQuickItem>

class GameSession;
class QQuickWindow;

// The game's clock: steps the session once per frame of the window this item
// is shown in, and asks for the next frame only while the run is going, so
// a paused or ended run costs no frame at all.
class FrameDriver : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(GameSession *session READ session WRITE setSession NOTIFY sessionChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)

public:
    explicit FrameDriver(QQuickItem *parent = nullptr);

    GameSession *session() const;
    void setSession(GameSession *session);
    bool running() const;

signals:
    void sessionChanged();
    void runningChanged();

protected:
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    void attach(QQuickWindow *window);
    void onFrame();
    void update();

    QPointer<GameSession> m_session;
    QPointer<QQuickWindow> m_window;
    QElapsedTimer m_clock;
    bool m_running;
};

#endif // FRAMEDRIVER_H
