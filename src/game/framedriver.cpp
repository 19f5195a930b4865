#include "game/framedriver.h"

#include "game/gamesession.h"

#include <QQuickWindow>

FrameDriver::FrameDriver(QQuickItem *parent)
    : QQuickItem(parent)
    , m_running(false)
{
    m_clock.start();
}

GameSession *FrameDriver::session() const
{
    return m_session;
}

void FrameDriver::setSession(GameSession *session)
{
    if (m_session == session)
        return;
    if (m_session)
        disconnect(m_session, nullptr, this, nullptr);
    m_session = session;
    if (m_session)
        connect(m_session, &GameSession::stateChanged, this, &FrameDriver::update);
    emit sessionChanged();
    update();
}

bool FrameDriver::running() const
{
    return m_running;
}

void FrameDriver::itemChange(ItemChange change, const ItemChangeData &value)
{
    if (change == ItemSceneChange)
        attach(value.window);
    QQuickItem::itemChange(change, value);
}

void FrameDriver::attach(QQuickWindow *window)
{
    if (m_window)
        disconnect(m_window, nullptr, this, nullptr);
    m_window = window;
    if (m_window)
        connect(m_window, &QQuickWindow::afterAnimating, this, &FrameDriver::onFrame);
    update();
}

void FrameDriver::onFrame()
{
    if (!m_running)
        return;
    m_session->frame(m_clock.nsecsElapsed());
    // The next frame is wanted only while the run still goes on.
    if (m_running && m_session->state() == GameSession::Running)
        m_window->update();
}

void FrameDriver::update()
{
    const bool running = m_window && m_session && m_session->state() == GameSession::Running;
    if (running == m_running)
        return;
    m_running = running;
    if (m_running)
        m_window->update();
    emit runningChanged();
}
