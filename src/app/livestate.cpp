#include "app/livestate.h"

#include <QEvent>
#include <QGuiApplication>

LiveState::LiveState(QObject *parent)
    : QObject(parent)
    , m_current(true)
    , m_moving(true)
    , m_idleInterval(0)
    , m_applicationActive(QGuiApplication::applicationState() == Qt::ApplicationActive)
    , m_idle(false)
    , m_live(false)
    , m_filtering(false)
{
    m_idleTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, [this]() { setIdle(true); });
    if (qGuiApp)
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                &LiveState::onApplicationStateChanged);
    update();
}

void LiveState::setCurrent(bool current)
{
    if (m_current == current)
        return;
    m_current = current;
    emit currentChanged();
    // Coming to the front counts as input: the page was just chosen.
    if (m_current)
        wake();
    update();
}

void LiveState::setMoving(bool moving)
{
    if (m_moving == moving)
        return;
    m_moving = moving;
    emit movingChanged();
    update();
}

void LiveState::setIdleInterval(int milliseconds)
{
    milliseconds = qMax(0, milliseconds);
    if (m_idleInterval == milliseconds)
        return;
    m_idleInterval = milliseconds;
    emit idleIntervalChanged();
    wake();
}

void LiveState::wake()
{
    m_idleTimer.stop();
    setIdle(false);
    update();
}

bool LiveState::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        // Each input reaches the filter once per object it passes through;
        // the window is the first of them.
        if (watched->isWindowType())
            wake();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void LiveState::onApplicationStateChanged(Qt::ApplicationState state)
{
    const bool active = state == Qt::ApplicationActive;
    if (m_applicationActive == active)
        return;
    m_applicationActive = active;
    emit applicationActiveChanged();
    // Back from the background or the cover, the player is looking again.
    if (m_applicationActive)
        wake();
    update();
}

void LiveState::setIdle(bool idle)
{
    if (m_idle == idle)
        return;
    m_idle = idle;
    emit idleChanged();
    update();
}

void LiveState::update()
{
    const bool watched = m_applicationActive && m_current && m_moving;
    // Input is looked for, and idle time counted, only while it matters.
    const bool filtering = watched && m_idleInterval > 0;
    if (filtering != m_filtering && qGuiApp) {
        m_filtering = filtering;
        if (m_filtering)
            qGuiApp->installEventFilter(this);
        else
            qGuiApp->removeEventFilter(this);
    }
    if (filtering && !m_idle && !m_idleTimer.isActive())
        m_idleTimer.start(m_idleInterval);
    else if (!filtering)
        m_idleTimer.stop();
    const bool live = watched && !m_idle;
    if (m_live == live)
        return;
    m_live = live;
    emit liveChanged();
}
