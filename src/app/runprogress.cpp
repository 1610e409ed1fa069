#include "app/runprogress.h"

#include "app/statusline.h"
#include "platform/userinteraction.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcutEvent>
#include <QWidget>
#include <QWindow>

namespace {

bool isInputEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::DragEnter:
    case QEvent::DragMove:
        return true;
    default:
        return false;
    }
}

bool isEscape(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
    case QEvent::Shortcut:
        return static_cast<const QShortcutEvent*>(event)->key() == QKeySequence(Qt::Key_Escape);
    default:
        return false;
    }
}

// Whether the object is (in) the box that is modal just now.
bool inModalBox(const QObject* watched)
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    if (watched->isWidgetType())
        return static_cast<const QWidget*>(watched)->window() == modal;
    return watched->isWindowType() && watched == modal->windowHandle();
}

} // namespace

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
    if (m_stopped || m_clock.elapsed() < m_nextUpdate)
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
    if (!isInputEvent(event->type()) || inModalBox(watched))
        return QObject::eventFilter(watched, event);
    // Esc reaches the focus widget first as a shortcut override; taking it there keeps a
    // window-wide Esc shortcut (the scan's stop) from swallowing the key unseen.
    if (isEscape(event))
        m_stopped = true;
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    return true;
}
