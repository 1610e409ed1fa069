#pragma once

#include "list/fileloader.h"
#include "list/itemstore.h"
#include "list/listordering.h"
#include "list/selectioncommands.h"
#include "ops/globals.h"
#include "ops/operationengine.h"
#include "platform/platform.h"
#include "rename/renamerunner.h"

#include <QWidget>

class FileListView;
class QPushButton;

// The program's one window: the list, the buttons and the check boxes. It owns the item
// store, the switches and the commands that work on them.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);

    ItemStore& store() { return m_store; }
    FileListView* list() const { return m_list; }
    OperationEngine& engine() { return m_engine; }

private:
    Platform& m_platform;
    ItemStore m_store;
    EnumSwitches m_switches;
    FileLoader m_loader;
    ListOrdering m_ordering;
    SelectionCommands m_selection;
    OperationEngine m_engine;
    RenameRunner m_renamer;

    FileListView* m_list = nullptr;
};
