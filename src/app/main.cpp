#include "app/mainwindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    // Qt's own style for the platform stands in for the visual-styles start-up that other
    // systems need before the first window.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Filevane"));
    QApplication::setDesktopFileName(QStringLiteral("org.filevane.filevane"));
    // The installed icon; when the theme lacks it, the copy installed beside the program.
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("filevane"),
        QIcon(QCoreApplication::applicationDirPath() +
              QStringLiteral("/../share/icons/hicolor/scalable/apps/filevane.svg"))));

    MainWindow window;
    window.show();
    return app.exec();
}
