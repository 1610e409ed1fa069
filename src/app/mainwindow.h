#pragma once

#include "app/mainwindowlayout.h"
#include "app/modulemetadatareader.h"
#include "app/popupmenus.h"
#include "dialogs/customgenerationprompt.h"
#include "dialogs/findreplacedialog.h"
#include "list/contentsort.h"
#include "list/fileloader.h"
#include "list/itemstore.h"
#include "list/listordering.h"
#include "list/selectioncommands.h"
#include "ops/opcode.h"
#include "ops/operationengine.h"
#include "platform/filesystem.h"
#include "platform/userinteraction.h"
#include "rename/renamerunner.h"
#include "templates/metadatacache.h"
#include "text/enumswitches.h"
#include "text/findreplacevalues.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class FileListView;
class MetadataProgress;
class QCheckBox;
class QMenu;
class QPushButton;
class RenameSession;
class RoutineCommands;
class StatusLine;

// The program's one window: the list, the nine buttons, the two check boxes and the two
// popup menus. It owns the item store, the switches, the find and replace values and the
// commands that work on them, and dispatches every button, check box, list event and menu entry to
// its command.
//
// While a folder scan runs, commands that change the list do nothing; Esc or closing
// the window ends the scan early (what was found stays). Esc or closing the window also
// stops an Apply or Undo after the current file; a close then follows the run's report.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The nine buttons and the two check boxes, in the order of their control arrays.
    enum class Button {
        AddFiles,
        AddDirectory,
        Modify,
        ApplyAll,
        SortList,
        RestoreAll,
        ClearList,
        Info,
        Quit,
    };
    enum class Check { RemoveAfterRename, AlwaysOnTop };

    // The application's window, complete as it stands: it owns the real file system and
    // the Qt dialogs, whose find and replace dialog is this window's own.
    explicit MainWindow(QWidget* parent = nullptr);
    // A window on the given seams (tests, benchmarks), which must outlive it.
    MainWindow(FileSystem& fileSystem, UserInteraction& interaction, QWidget* parent = nullptr);
    ~MainWindow() override;

    ItemStore& store() { return m_store; }
    FileListView* list() const { return m_list; }
    OperationEngine& engine() { return m_engine; }
    FileLoader& loader() { return m_loader; }
    RenameRunner& renamer() { return m_renamer; }
    const EnumSwitches& switches() const { return m_switches; }
    FindReplaceValues& findValues() { return m_findValues; }
    PopupMenus& menus() { return m_menus; }
    QPushButton* button(Button which) const { return m_button[int(which)]; }
    QCheckBox* check(Check which) const { return m_check[int(which)]; }
    QWidget* strip() const { return m_strip; }
    StatusLine* statusLine() const { return m_status; }
    // Apply, Apply all and Undo with their journal, report and status.
    RenameSession& renameSession() const { return *m_session; }
    // The recorded steps and the saved routines.
    RoutineCommands& routines() const { return *m_routines; }
    // The open find and replace dialog, or null.
    FindReplaceDialog* findReplaceDialog() const { return m_findReplace; }

    // Reads file metadata (for sorts and templates) from reader instead of the disk, and
    // forgets what was read; reader must outlive the window (tests, benchmarks).
    void setMetadataSource(MetadataReader& reader);
    MetadataCache& metadataCache() { return m_metadataCache; }

    // Opens the find and replace dialog in the mode of ReplaceMode without waiting for
    // it; the dialog disables this window until it closes.
    void openFindReplace();
    // Called by the find and replace dialog's OK.
    void ReturnFind();
    // Every rename operation of the menus passes here.
    void ModifyItems(OpCode op);
    // Loads paths handed over at start (command line, a file manager's "Open with"), in
    // order: folders as Add directory does, files as a drop does. A path that is missing
    // or cannot be read is passed to unreadable, left out, and named in one message after
    // the others have loaded.
    void openPaths(const std::vector<QByteArray>& paths,
                   const std::function<void(const QByteArray&)>& unreadable = {});

    // Handlers of the controls and menu arrays; array handlers receive the index and pass
    // it on as the command it stands for. The menu handlers run through the menu table
    // (PopupMenus), which checks first that commands may run and announces each one.
    void eButton_Click(int index);
    void eCheck_Click(int index);
    void eList_DblClick();
    void eList_OLEDragDrop(const std::vector<QByteArray>& paths);
    void mFManual_Click();
    void mFApply_Click();
    void mSAll_Click();
    void mSSel_Click(int index);
    void mSNone_Click();
    void mSSelExt_Click();
    void mMove_Click(int index);
    void mSortSel_Click(int index);
    void mSortSelBy_Click(int index);
    void mInvertSel_Click();
    void mEnumSettings_Click(int index);
    void mRoutineSteps_Click();
    void mRoutineSave_Click();
    void mRoutineManage_Click();
    void mRemove_Click();
    void mSort_Click(int index);
    void mSortBy_Click(int index);
    void mInvertList_Click();
    void mUndo_Click();
    void mShowDisk_Click();

    // Shows a popup menu at globalPos (by default the mouse pointer) and returns after the
    // choice.
    void popUp(QMenu* menu, const QPoint& globalPos);
    void popUp(QMenu* menu);

Q_SIGNALS:
    // Emitted before ModifyItems runs the operation with this code (an OpCode value).
    void operationRequested(int op);
    // Emitted by every menu and list command before it runs: its handler's name and the
    // index within its menu array (-1 for single entries).
    void commandDispatched(const QString& handler, int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    // The layout for the controls' current style and font, and the window's minimum size
    // that follows from it.
    MainWindowLayout layoutForStyle() const;
    void fitToStyle();
    void buildControls();
    void buildButtons();
    void setTabOrders();
    void connectList();
    // Runs the entry of row, chosen from a menu or by its shortcut; checked is the check
    // mark a checkable entry has just got.
    void menuChosen(const MenuRow& row, bool checked);
    void connectUndo();
    // Gives the keyboard back to the list, its current line in view, after a command or
    // a dialog, wherever the focus was before (a button, a check box).
    void returnToList();
    void buttonClicked(Button which);
    void checkClicked(Check which);
    // False while a scan runs or the window is disabled: commands that change the list
    // must not run then.
    bool commandsAllowed() const;
    bool dispatch(const QString& handler, int index = -1);
    // Runs a folder scan with the list commands blocked, and finishes a close that was
    // asked for during it.
    void runScan(const std::function<void()>& scan);
    // Runs an Apply or Undo, and finishes a close that was asked for during it.
    void runRename(const std::function<void()>& run);
    // Runs a command that may read file metadata (a sort, a template), and finishes a
    // close that was asked for during the read.
    void runRead(const std::function<void()>& command);
    void showInfo();
    void setAlwaysOnTop(bool on);

    std::unique_ptr<FileSystem> m_ownFileSystem; // set when the window made its own
    std::unique_ptr<UserInteraction> m_ownInteraction;
    FileSystem& m_fileSystem;
    UserInteraction& m_interaction;
    ItemStore m_store;
    EnumSwitches m_switches;
    FindReplaceValues m_findValues;
    FileLoader m_loader{m_store, m_fileSystem, m_interaction};
    ListOrdering m_ordering{m_store, m_interaction};
    SelectionCommands m_selection{m_store, m_interaction, m_findValues};
    ModuleMetadataReader m_metadata;
    // What was read of each file, for sorts and templates alike; forgotten when the list
    // is cleared and after renames, which give paths to other files.
    MetadataCache m_metadataCache{m_metadata};
    ContentSort m_contentSort{m_store, m_metadataCache};
    CustomGenerationPrompt m_templates{m_metadataCache, this};
    OperationEngine m_engine{m_store, m_interaction, m_switches, m_findValues, &m_templates};
    RenameRunner m_renamer{m_store, m_fileSystem};

    FileListView* m_list = nullptr;
    QWidget* m_strip = nullptr;
    QPushButton* m_button[9] = {};
    QCheckBox* m_check[2] = {};
    PopupMenus m_menus{*this,
                       [this](const MenuRow& row, bool checked) { menuChosen(row, checked); }};
    QPointer<FindReplaceDialog> m_findReplace;
    bool m_closeAfterScan = false;
    bool m_closeAfterRename = false;
    bool m_closeAfterRead = false;
    StatusLine* m_status = nullptr;
    RenameSession* m_session = nullptr;
    std::unique_ptr<RoutineCommands> m_routines;
    std::unique_ptr<MetadataProgress> m_readProgress;
};
