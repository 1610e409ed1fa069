#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QKeySequence>
#include <QString>

class QWidget;
class QAction;
class QMenu;

// The two popup menus of the main window: the item menu (every command on selected
// items, default entry "Enter manual...") and the list order menu. The window connects
// each entry to the handler of its menu array. Entries with a shortcut are also added
// to the window, so the shortcut works whenever the window is active and
// enabled, without opening a menu; a disabled entry's shortcut does nothing.
class PopupMenus {
    Q_DECLARE_TR_FUNCTIONS(PopupMenus)
public:
    explicit PopupMenus(QWidget& window);
    ~PopupMenus();
    PopupMenus(const PopupMenus&) = delete;
    PopupMenus& operator=(const PopupMenus&) = delete;

    QMenu* itemMenu() const { return m_itemMenu; }
    QMenu* listMenu() const { return m_listMenu; }

    // An entry by its menu name, e.g. action("mFDef", 3) or action("mFManual"); null
    // when there is none.
    QAction* action(const QString& name, int index = -1) const;
    // Every entry that is not a separator or a submenu, with its name ("mFDef(3)").
    const QHash<QString, QAction*>& actions() const { return m_actions; }

private:
    QAction* add(QMenu* menu, const QString& name, int index, const QString& caption,
                 const QKeySequence& shortcut = {});
    void buildItemMenu();
    void buildListMenu();
    // Undo last apply and Show names on disk at the end of the list order menu.
    void addViewEntries();

    QWidget& m_window;
    QMenu* m_itemMenu = nullptr;
    QMenu* m_listMenu = nullptr;
    QHash<QString, QAction*> m_actions;
};
