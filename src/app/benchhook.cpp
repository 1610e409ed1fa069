#include "app/benchhook.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

class PaintWatch : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_done)
            return false;
        m_done = true;
        // Once this paint and the window's flush to the screen that follows it are done.
        QTimer::singleShot(0, watched, [] {
            timespec now{};
            ::clock_gettime(CLOCK_REALTIME, &now);
            std::printf("painted %lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        return false;
    }

private:
    bool m_done = false;
};

} // namespace

void BenchHook::exitAfterNextPaint(QWidget* widget)
{
    if (!qEnvironmentVariableIsSet("FILEVANE_BENCH_EXIT_AFTER_LOAD"))
        return;
    widget->installEventFilter(new PaintWatch(widget));
}
