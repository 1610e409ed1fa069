#include "app/benchhook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

// A window paints and flushes its widgets to the screen while it handles an update
// request, or at once when it is exposed. The time is taken right after that, before
// anything else the event loop has waiting.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : QObject(widget), m_widget(widget) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Painted on exposure: the flush follows before this runs.
            QMetaObject::invokeMethod(this, &PaintWatch::report, Qt::QueuedConnection);
        } else if (watched == m_widget->window() && event->type() == QEvent::UpdateRequest) {
            watched->event(event);
            if (m_painted)
                report();
            return true;
        }
        return false;
    }

private:
    void report()
    {
        if (m_reported)
            return;
        m_reported = true;
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        std::printf("painted %lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget* m_widget;
    bool m_painted = false;
    bool m_reported = false;
};

} // namespace

void BenchHook::exitAfterNextPaint(QWidget* widget)
{
    if (!qEnvironmentVariableIsSet("FILEVANE_BENCH_EXIT_AFTER_LOAD"))
        return;
    auto* watch = new PaintWatch(widget);
    widget->installEventFilter(watch);
    widget->window()->installEventFilter(watch);
}
