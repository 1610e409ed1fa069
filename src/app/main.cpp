#include "app/benchhook.h"
#include "app/commandline.h"
#include "app/filelistview.h"
#include "app/mainwindow.h"
#include "app/renamesession.h"
#include "app/terminaljob.h"
#include "app/translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

CommandLine::Result parseArguments(const std::vector<QByteArray>& raw)
{
    const CommandLine::Result command = CommandLine::parse(QCoreApplication::arguments(), raw);
    std::fputs(command.standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(command.standardError.toLocal8Bit().constData(), stderr);
    return command;
}

// The installed icon; when the theme lacks it, the copy installed beside the program.
// An icon is made of that copy only when it is there: one of a missing file tries every
// image format (loading each plugin and its libraries) to no avail, at every start from
// the build folder.
QIcon programIcon()
{
    QIcon icon = QIcon::fromTheme(QStringLiteral("filevane"));
    const QString installed = QCoreApplication::applicationDirPath() +
                              QStringLiteral("/../share/icons/hicolor/scalable/apps/filevane.svg");
    if ((icon.isNull() || icon.availableSizes().isEmpty()) && QFileInfo::exists(installed))
        icon = QIcon(installed);
    return icon;
}

// Gives the windows their icon right after the next paint of widget: the lookup in the
// icon theme takes about 3 ms, which the first sight of the list need not wait for.
class IconAfterPaint : public QObject {
public:
    explicit IconAfterPaint(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(programIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<QByteArray> raw(argv, argv + argc);
    // Only an option can ask for help or the version; a start with paths or nothing at
    // all goes straight to the window, without a first application object to set up.
    const bool hasOption = std::any_of(raw.begin() + 1, raw.end(), [](const QByteArray& argument) {
        return argument.startsWith('-');
    });
    if (hasOption) {
        // --help and --version need no display: they are answered before the GUI starts.
        // Anything else waits for QApplication, which takes its own options (-style) first.
        QCoreApplication core(argc, argv);
        Translations::install();
        const CommandLine::Result probe = CommandLine::parse(QCoreApplication::arguments(), raw);
        if (probe.action == CommandLine::Action::Exit && probe.exitCode == 0)
            return parseArguments(raw).exitCode;
        // The terminal jobs never open a window, so their errors are final here too.
        if (TerminalJob::wanted(raw)) {
            QCoreApplication::setApplicationName(QStringLiteral("Filevane"));
            const CommandLine::Result command = parseArguments(raw);
            if (command.action == CommandLine::Action::Exit)
                return command.exitCode;
            const int status = TerminalJob::run(command);
            std::fflush(stdout);
            std::fflush(stderr);
            std::_Exit(status);
        }
    }

    // Qt's own style for the platform stands in for the visual-styles start-up that other
    // systems need before the first window.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Filevane"));
    QApplication::setDesktopFileName(QStringLiteral("org.filevane.filevane"));
    Translations::install();
    const CommandLine::Result command = parseArguments(raw);
    if (command.action == CommandLine::Action::Exit)
        return command.exitCode;

    MainWindow window;
    window.show();
    QTimer::singleShot(0, &window, [&window, &command] {
        window.renameSession().offerInterruptedUndo();
        window.openPaths(command.paths, [](const QByteArray& path) {
            const QByteArray reason =
                QCoreApplication::translate("main", "cannot be opened").toLocal8Bit();
            std::fprintf(stderr, "filevane: %s: %s\n", path.constData(), reason.constData());
            std::fflush(stderr);
        });
        BenchHook::exitAfterNextPaint(window.list()->viewport());
        new IconAfterPaint(window.list()->viewport());
    });
    return app.exec();
}
