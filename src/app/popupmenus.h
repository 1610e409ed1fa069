#pragma once

#include "ops/opcode.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyCombination>
#include <QList>
#include <QString>

#include <functional>
#include <span>
#include <variant>

class MainWindow;
class QWidget;
class QAction;
class QMenu;

// What a menu entry does: a handler of the window (an array's handler receives the entry's
// index), or ModifyItems with the operation code base + index.
using MenuCommand =
    std::variant<std::monostate, void (MainWindow::*)(), void (MainWindow::*)(int), OpCode>;

// One line of a popup menu's table: an entry, a separator, or the start or end of a submenu.
struct MenuRow {
    enum class Kind { Entry, Separator, Submenu, EndSubmenu };
    enum Flag {
        Checkable = 1,
        Checked = 2,     // checked at start
        Default = 4,     // the menu's default entry, shown in bold
        MenuOnlyKey = 8, // the shortcut works only while the menu is open
    };
    Kind kind = Kind::Entry;
    const char* name = nullptr;    // object name of the entry or submenu ("mFDef", "mS")
    int index = -1;                // index within its menu array; -1 outside an array
    const char* caption = nullptr; // source text, translated in the context PopupMenus
    QKeyCombination key = {};      // the shortcut; Qt::Key_unknown: none
    MenuCommand command = {};
    quint8 flags = 0;

    // "mFDef(3)", or "mFDef" outside an array: the entry's object name.
    QString entryName() const;
};

// The two popup menus of the main window: the item menu (every command on selected
// items, default entry "Enter manual...") and the list order menu. Both are built from
// one table, which also says what each entry does; every chosen entry is handed to the
// window's callback with its row. Entries with a shortcut are also added to the window,
// so the shortcut works whenever the window is active and enabled, without opening a
// menu; a disabled entry's shortcut does nothing.
class PopupMenus {
    Q_DECLARE_TR_FUNCTIONS(PopupMenus)
public:
    using Chosen = std::function<void(const MenuRow& row, bool checked)>;

    PopupMenus(QWidget& window, Chosen chosen);
    ~PopupMenus();
    PopupMenus(const PopupMenus&) = delete;
    PopupMenus& operator=(const PopupMenus&) = delete;

    // The item menu's rows, then the list order menu's (which start with its Submenu row).
    static std::span<const MenuRow> itemRows();
    static std::span<const MenuRow> listRows();

    QMenu* itemMenu() const { return m_itemMenu; }
    QMenu* listMenu() const { return m_listMenu; }

    // The entry built from row, or from the row with this name and index
    // (action("mFDef", 3), action("mFManual")); null when there is none.
    QAction* action(const MenuRow& row) const { return m_byRow.value(&row, nullptr); }
    QAction* action(const QString& name, int index = -1) const;
    // Every entry whose row runs command (both Undo entries for &MainWindow::mUndo_Click).
    QList<QAction*> actionsFor(const MenuCommand& command) const;
    // Every entry that is not a separator or a submenu, by its name ("mFDef(3)").
    const QHash<QString, QAction*>& actions() const { return m_actions; }

private:
    QMenu* build(std::span<const MenuRow> rows);
    QAction* add(QMenu* menu, const MenuRow& row);

    QWidget& m_window;
    Chosen m_chosen;
    QMenu* m_itemMenu = nullptr;
    QMenu* m_listMenu = nullptr;
    QHash<QString, QAction*> m_actions;
    QHash<const MenuRow*, QAction*> m_byRow;
};
