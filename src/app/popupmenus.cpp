#include "app/popupmenus.h"

#include "app/mainwindow.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <vector>

namespace {

using Row = MenuRow;
using W = MainWindow;

constexpr QKeyCombination NoKey = Qt::Key_unknown;

constexpr Row entry(const char* name, int index, const char* caption, MenuCommand command,
                    QKeyCombination key = NoKey, quint8 flags = 0)
{
    return {Row::Kind::Entry, name, index, caption, key, command, flags};
}

constexpr Row separator()
{
    return {Row::Kind::Separator};
}

constexpr Row submenu(const char* name, const char* caption)
{
    return {Row::Kind::Submenu, name, -1, caption};
}

constexpr Row endSubmenu()
{
    return {Row::Kind::EndSubmenu};
}

constexpr QKeyCombination ctrl(Qt::Key key)
{
    return Qt::CTRL | key;
}

} // namespace

QString MenuRow::entryName() const
{
    const QString base = QString::fromLatin1(name);
    return index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

// The item menu, top to bottom. An entry of a menu array takes one row per index; an
// operation entry names its array's base code (the entry runs base + index). Adding an
// entry is adding its row (and its handler, unless it is an operation).
std::span<const MenuRow> PopupMenus::itemRows()
{
    // clang-format off
    static constexpr Row rows[] = {
        entry("mFManual", -1, QT_TR_NOOP("&Enter manual..."), &W::mFManual_Click, NoKey, Row::Default),
        separator(),
        entry("mFApply", -1, QT_TR_NOOP("&Apply"), &W::mFApply_Click),
        entry("mFUndo", -1, QT_TR_NOOP("Undo last appl&y"), &W::mUndo_Click, ctrl(Qt::Key_Z)),
        separator(),
        submenu("mS", QT_TR_NOOP("&Select")),
            entry("mSAll", -1, QT_TR_NOOP("&All"), &W::mSAll_Click, ctrl(Qt::Key_A)),
            separator(),
            entry("mSSel", 0, QT_TR_NOOP("&Invert"), &W::mSSel_Click, ctrl(Qt::Key_I)),
            entry("mSSel", 1, QT_TR_NOOP("&Containing..."), &W::mSSel_Click, ctrl(Qt::Key_F)),
            entry("mSSel", 2, QT_TR_NOOP("&Min. length"), &W::mSSel_Click),
            entry("mSSel", 3, QT_TR_NOOP("Ma&x. lenght"), &W::mSSel_Click),
            separator(),
            entry("mSSelExt", -1, QT_TR_NOOP("&With extension"), &W::mSSelExt_Click, ctrl(Qt::Key_E)),
            separator(),
            entry("mSNone", -1, QT_TR_NOOP("&None"), &W::mSNone_Click, ctrl(Qt::Key_N)),
        endSubmenu(),
        entry("mMove", 0, QT_TR_NOOP("Move u&p"), &W::mMove_Click, ctrl(Qt::Key_U)),
        entry("mMove", 1, QT_TR_NOOP("Move &down"), &W::mMove_Click, ctrl(Qt::Key_D)),
        submenu("mFSort", QT_TR_NOOP("S&ort")),
            entry("mSortSel", 0, QT_TR_NOOP("Sort by &full name"), &W::mSortSel_Click),
            entry("mSortSel", 1, QT_TR_NOOP("Sort by &path/filename"), &W::mSortSel_Click),
            entry("mSortSel", 2, QT_TR_NOOP("Sort by filename/&extension"), &W::mSortSel_Click),
            entry("mSortSel", 3, QT_TR_NOOP("Sort by pat&h"), &W::mSortSel_Click),
            entry("mSortSel", 4, QT_TR_NOOP("Sort by file&name"), &W::mSortSel_Click),
            entry("mSortSel", 5, QT_TR_NOOP("Sort by e&xtension"), &W::mSortSel_Click),
            entry("mSortSel", 6, QT_TR_NOOP("Sort by path / ex&tension"), &W::mSortSel_Click),
            separator(),
            // By what the files hold; their rows follow ContentSort::Key.
            entry("mSortSelBy", 0, QT_TR_NOOP("Sort by date &modified"), &W::mSortSelBy_Click),
            entry("mSortSelBy", 1, QT_TR_NOOP("Sort by date ta&ken"), &W::mSortSelBy_Click),
            entry("mSortSelBy", 2, QT_TR_NOOP("Sort by si&ze"), &W::mSortSelBy_Click),
            entry("mSortSelBy", 3, QT_TR_NOOP("Sort by &album / track"), &W::mSortSelBy_Click),
            entry("mSortSelBy", 4, QT_TR_NOOP("Sort by a&rtist"), &W::mSortSelBy_Click),
            entry("mSortSelBy", 5, QT_TR_NOOP("Sort by tit&le"), &W::mSortSelBy_Click),
            separator(),
            entry("mInvertSel", -1, QT_TR_NOOP("&Inverse"), &W::mInvertSel_Click),
        endSubmenu(),
        separator(),
        entry("mFDef", 0, QT_TR_NOOP("Cut &first word"), OpCode::CutFirstWord),
        entry("mFDef", 1, QT_TR_NOOP("Cut &last word"), OpCode::CutFirstWord),
        entry("mFDef", 2, QT_TR_NOOP("&Insert at beginning..."), OpCode::CutFirstWord),
        entry("mFDef", 3, QT_TR_NOOP("Add &to end..."), OpCode::CutFirstWord),
        entry("mFDef", 4, QT_TR_NOOP("&Replace..."), OpCode::CutFirstWord),
        submenu("mFMore", QT_TR_NOOP("&More")),
            entry("mNumbers", 0, QT_TR_NOOP("&Add Numbers..."), OpCode::AddNumbers),
            entry("mNumbers", 1, QT_TR_NOOP("&Reformat numbers"), OpCode::AddNumbers),
            entry("mNumbers", 2, QT_TR_NOOP("Cro&p numbers"), OpCode::AddNumbers),
            entry("mNumbers", 3, QT_TR_NOOP("C&ut numbers"), OpCode::AddNumbers),
            entry("mNumbers", 4, QT_TR_NOOP("&Enumerated filename"), OpCode::AddNumbers),
            entry("mNumbers", 5, QT_TR_NOOP("Enumerate a&s path..."), OpCode::AddNumbers),
            entry("mNumbers", 6, QT_TR_NOOP("Enumerate pat&h / filename..."), OpCode::AddNumbers),
            separator(),
            entry("mEnumSettings", 0, QT_TR_NOOP("&Generated fixed-width numbers"), &W::mEnumSettings_Click, NoKey, Row::Checkable | Row::Checked),
            entry("mEnumSettings", 1, QT_TR_NOOP("Include &0 when enumerating"), &W::mEnumSettings_Click, NoKey, Row::Checkable),
            entry("mEnumSettings", 2, QT_TR_NOOP("&Inverse enumeration"), &W::mEnumSettings_Click, NoKey, Row::Checkable),
            separator(),
            entry("mFCutX", 0, QT_TR_NOOP("Cut &first x characters..."), OpCode::CutFirstChars),
            entry("mFCutX", 1, QT_TR_NOOP("Cut &last x characters..."), OpCode::CutFirstChars),
            entry("mFCutX", 2, QT_TR_NOOP("Crop first &x characters..."), OpCode::CutFirstChars),
            entry("mFCutX", 3, QT_TR_NOOP("Crop las&t x characters..."), OpCode::CutFirstChars),
            separator(),
            entry("mFCropx", 0, QT_TR_NOOP("Cut &before expression..."), OpCode::CutBeforeExpression),
            entry("mFCropx", 1, QT_TR_NOOP("&Cut after expression..."), OpCode::CutBeforeExpression),
            entry("mFCropx", 2, QT_TR_NOOP("Cr&op before expression..."), OpCode::CutBeforeExpression),
            entry("mFCropx", 3, QT_TR_NOOP("Crop after expressio&n..."), OpCode::CutBeforeExpression),
        endSubmenu(),
        submenu("mC", QT_TR_NOOP("&Case")),
            entry("mFCase", 0, QT_TR_NOOP("&Smart case"), OpCode::SmartCase),
            entry("mFCase", 1, QT_TR_NOOP("&Upper-Lower-Case"), OpCode::SmartCase),
            entry("mFCase", 2, QT_TR_NOOP("All U&ppercase"), OpCode::SmartCase),
            entry("mFCase", 3, QT_TR_NOOP("All L&owercase"), OpCode::SmartCase),
        endSubmenu(),
        submenu("mM", QT_TR_NOOP("M&usic related")),
            entry("mFMP3", 0, QT_TR_NOOP("Cut &artist (first)"), OpCode::CutArtist),
            entry("mFMP3", 1, QT_TR_NOOP("Cut &title (last)"), OpCode::CutArtist),
            entry("mFMP3", 2, QT_TR_NOOP("Cut &extra-info"), OpCode::CutArtist),
            entry("mFMP3", 3, QT_TR_NOOP("S&wap artist / title (first / last)"), OpCode::CutArtist),
            entry("mFMP3", 4, QT_TR_NOOP("Swap artist / title (first / &second)"), OpCode::CutArtist),
            entry("mFMP3", 5, QT_TR_NOOP("Swap &infos (any)"), OpCode::CutArtist),
            separator(), // index 6 of the array: no entry, no code
            entry("mFMP3", 7, QT_TR_NOOP("S&martcase"), OpCode::CutArtist),
            entry("mFMP3", 8, QT_TR_NOOP("Smartcase (Artist) (&first)"), OpCode::CutArtist),
            entry("mFMP3", 9, QT_TR_NOOP("Smartcase (Title) (&rest)"), OpCode::CutArtist),
        endSubmenu(),
        separator(),
        entry("mFCustom", -1, QT_TR_NOOP("Custom &generation..."), OpCode::CustomGeneration),
        submenu("mRoutines", QT_TR_NOOP("Routine &book")),
            separator(), // the saved routines are listed above this line when the menu opens
            entry("mRoutineSteps", -1, QT_TR_NOOP("&Steps..."), &W::mRoutineSteps_Click),
            entry("mRoutineSave", -1, QT_TR_NOOP("Save steps as &routine..."), &W::mRoutineSave_Click),
            entry("mRoutineManage", -1, QT_TR_NOOP("&Manage routines..."), &W::mRoutineManage_Click),
        endSubmenu(),
        separator(),
        submenu("mE", QT_TR_NOOP("E&xtension")),
            entry("mEExt", 0, QT_TR_NOOP("&Uppercase"), OpCode::ExtensionUppercase),
            entry("mEExt", 1, QT_TR_NOOP("&Lowercase"), OpCode::ExtensionUppercase),
            separator(),
            entry("mFChangeExt", -1, QT_TR_NOOP("&Change..."), OpCode::ChangeExtension),
        endSubmenu(),
        separator(),
        entry("mFRestore", -1, QT_TR_NOOP("Restore &name"), OpCode::RestoreName),
        separator(),
        entry("mRemove", -1, QT_TR_NOOP("Remo&ve from list"), &W::mRemove_Click),
    };
    // clang-format on
    return rows;
}

// The list order menu (the Sort list button), top to bottom.
std::span<const MenuRow> PopupMenus::listRows()
{
    // clang-format off
    static constexpr Row rows[] = {
        entry("mSort", 0, QT_TR_NOOP("Sort by &full name"), &W::mSort_Click),
        entry("mSort", 1, QT_TR_NOOP("Sort by &path/filename"), &W::mSort_Click),
        entry("mSort", 2, QT_TR_NOOP("Sort by filename/&extension"), &W::mSort_Click),
        entry("mSort", 3, QT_TR_NOOP("Sort by pat&h"), &W::mSort_Click),
        entry("mSort", 4, QT_TR_NOOP("Sort by file&name"), &W::mSort_Click),
        entry("mSort", 5, QT_TR_NOOP("Sort by e&xtension"), &W::mSort_Click),
        entry("mSort", 6, QT_TR_NOOP("Sort by path/ex&tension"), &W::mSort_Click),
        separator(),
        entry("mSortBy", 0, QT_TR_NOOP("Sort by date &modified"), &W::mSortBy_Click),
        entry("mSortBy", 1, QT_TR_NOOP("Sort by date ta&ken"), &W::mSortBy_Click),
        entry("mSortBy", 2, QT_TR_NOOP("Sort by si&ze"), &W::mSortBy_Click),
        entry("mSortBy", 3, QT_TR_NOOP("Sort by &album / track"), &W::mSortBy_Click),
        entry("mSortBy", 4, QT_TR_NOOP("Sort by a&rtist"), &W::mSortBy_Click),
        entry("mSortBy", 5, QT_TR_NOOP("Sort by tit&le"), &W::mSortBy_Click),
        separator(),
        entry("mInvertList", -1, QT_TR_NOOP("&Inverse"), &W::mInvertList_Click),
        separator(),
        // The item menu's Undo carries Ctrl+Z for the window; this one answers it only
        // while its own menu is open, so the two never make the shortcut ambiguous.
        entry("mUndoList", -1, QT_TR_NOOP("Undo last appl&y"), &W::mUndo_Click, ctrl(Qt::Key_Z), Row::MenuOnlyKey),
        entry("mShowDisk", -1, QT_TR_NOOP("Show names on &disk"), &W::mShowDisk_Click, NoKey, Row::Checkable),
    };
    // clang-format on
    return rows;
}

PopupMenus::PopupMenus(QWidget& window, Chosen chosen)
    : m_window(window), m_chosen(std::move(chosen))
{
    m_itemMenu = build(itemRows());
    m_itemMenu->setObjectName(QStringLiteral("mF"));
    m_listMenu = build(listRows());
    m_listMenu->setObjectName(QStringLiteral("mSortList"));
}

PopupMenus::~PopupMenus()
{
    delete m_itemMenu;
    delete m_listMenu;
}

QAction* PopupMenus::action(const QString& name, int index) const
{
    return m_actions.value(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index));
}

QList<QAction*> PopupMenus::actionsFor(const MenuCommand& command) const
{
    QList<QAction*> found;
    for (const std::span<const MenuRow> rows : {itemRows(), listRows()}) {
        for (const MenuRow& row : rows) {
            if (row.kind == MenuRow::Kind::Entry && row.command == command)
                found << action(row);
        }
    }
    return found;
}

QMenu* PopupMenus::build(std::span<const MenuRow> rows)
{
    auto* top = new QMenu(&m_window);
    std::vector<QMenu*> open = {top};
    for (const MenuRow& row : rows) {
        switch (row.kind) {
        case MenuRow::Kind::Entry:
            add(open.back(), row);
            break;
        case MenuRow::Kind::Separator:
            open.back()->addSeparator();
            break;
        case MenuRow::Kind::Submenu:
            open.push_back(open.back()->addMenu(tr(row.caption)));
            open.back()->setObjectName(QString::fromLatin1(row.name));
            break;
        case MenuRow::Kind::EndSubmenu:
            open.pop_back();
            break;
        }
    }
    return top;
}

QAction* PopupMenus::add(QMenu* menu, const MenuRow& row)
{
    QAction* action = menu->addAction(tr(row.caption));
    action->setObjectName(row.entryName());
    action->setCheckable(row.flags & MenuRow::Checkable);
    action->setChecked(row.flags & MenuRow::Checked);
    if (row.flags & MenuRow::Default)
        menu->setDefaultAction(action);
    if (row.key.key() != Qt::Key_unknown) {
        action->setShortcut(row.key);
        // A window shortcut works without the menu open; a menu-only one needs no context.
        if (!(row.flags & MenuRow::MenuOnlyKey)) {
            action->setShortcutContext(Qt::WindowShortcut);
            m_window.addAction(action);
        }
    }
    if (action->isCheckable())
        QObject::connect(action, &QAction::toggled, action,
                         [this, &row](bool on) { m_chosen(row, on); });
    else
        QObject::connect(action, &QAction::triggered, action,
                         [this, &row] { m_chosen(row, false); });
    m_actions.insert(action->objectName(), action);
    m_byRow.insert(&row, action);
    return action;
}
