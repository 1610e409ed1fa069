#include "shownloader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <deque>
#include <dirent.h>
#include <sys/stat.h>

ShownLoader::ShownLoader()
{
    view.resize(500, 600);
    view.show();
    // Events run for half a second, as in a window that has just appeared: nobody has
    // chosen a folder by then, and the list has done its work of that time.
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 500) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

int rawWalk(const std::string& root)
{
    int files = 0;
    std::deque<std::string> queue{root};
    while (!queue.empty()) {
        const std::string folder = std::move(queue.front());
        queue.pop_front();
        DIR* dir = ::opendir(folder.c_str());
        if (!dir)
            continue;
        while (const dirent* entry = ::readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            const std::string path = folder + '/' + entry->d_name;
            bool isFolder = entry->d_type == DT_DIR;
            if (entry->d_type == DT_UNKNOWN) {
                struct stat st;
                if (::lstat(path.c_str(), &st) != 0)
                    continue;
                isFolder = S_ISDIR(st.st_mode);
            }
            if (isFolder)
                queue.push_back(path);
            else
                ++files;
        }
        ::closedir(dir);
    }
    return files;
}
