#include "app/mainwindow.h"
#include "platform/qtplatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QtPlatform platform;
    MainWindow window(platform);
    platform.setOwner(&window);
    window.show();
    return app.exec();
}
