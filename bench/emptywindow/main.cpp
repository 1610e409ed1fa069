#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <ctime>

// The floor of any window's start, for the startup-load bench group: a bare widget of the
// main window's size, which prints the wall-clock time (CLOCK_REALTIME, nanoseconds)
// once its first paint is on its way to the screen, and quits.
class Window : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_painted)
            return;
        m_painted = true;
        QMetaObject::invokeMethod(
            this,
            [] {
                timespec now{};
                ::clock_gettime(CLOCK_REALTIME, &now);
                std::printf("painted %lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
    }

private:
    bool m_painted = false;
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Window window;
    window.resize(472, 333);
    window.show();
    return app.exec();
}
