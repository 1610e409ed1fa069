#include "app/mainwindow.h"

#include "app/filelistview.h"
#include "resources/stringtable.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_loader(m_store, platform),
      m_ordering(m_store, platform), m_selection(m_store, platform),
      m_engine(m_store, platform, m_switches), m_renamer(m_store, platform)
{
    setWindowTitle(LoadResString(100));
    auto* layout = new QHBoxLayout(this);
    auto* buttons = new QVBoxLayout;
    auto* addDirectory = new QPushButton(QStringLiteral("Add &directory"), this);
    buttons->addWidget(addDirectory);
    buttons->addStretch();
    layout->addLayout(buttons);
    m_list = new FileListView(m_store, this);
    layout->addWidget(m_list, 1);
    connect(addDirectory, &QPushButton::clicked, this, [this] { m_loader.addDirectoryCommand(); });
    connect(m_list, &FileListView::pathsDropped, this,
            [this](const std::vector<QByteArray>& paths) { m_loader.dropPaths(paths); });
}
