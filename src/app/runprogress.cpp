#include "app/runprogress.h"

#include "app/statusline.h"
#include "platform/userinteraction.h"

#include <QCoreApplication>
#include <QKeyEvent>

RunProgress::RunProgress(StatusLine& line, UserInteraction& interaction, Text text)
    : m_line(line), m_interaction(interaction), m_text(std::move(text))
{
    m_clock.start();
}

RunProgress::~RunProgress()
{
    if (m_filtering)
        QCoreApplication::instance()->removeEventFilter(this);
    if (m_shown)
        m_line.endProgress();
}

bool RunProgress::operator()(int done, int total)
{
    if (m_clock.elapsed() < m_nextUpdate)
        return !m_stopped;
    if (!m_filtering) {
        QCoreApplication::instance()->installEventFilter(this);
        m_filtering = true;
    }
    m_shown = true;
    m_line.showProgress(m_text(done, total));
    m_interaction.processPendingEvents();
    m_nextUpdate = m_clock.elapsed() + StepMs;
    return !m_stopped;
}

bool RunProgress::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            m_stopped = true;
        return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Close:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
