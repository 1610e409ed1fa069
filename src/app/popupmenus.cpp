#include "app/popupmenus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

QString entryName(const QString& name, int index)
{
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace

PopupMenus::PopupMenus(QWidget& window) : m_window(window)
{
    buildItemMenu();
    buildListMenu();
}

PopupMenus::~PopupMenus()
{
    delete m_itemMenu;
    delete m_listMenu;
}

QAction* PopupMenus::action(const QString& name, int index) const
{
    return m_actions.value(entryName(name, index), nullptr);
}

QAction* PopupMenus::add(QMenu* menu, const QString& name, int index, const QString& caption,
                         const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(entryName(name, index));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        m_window.addAction(action);
    }
    m_actions.insert(action->objectName(), action);
    return action;
}

void PopupMenus::buildItemMenu()
{
    m_itemMenu = new QMenu(&m_window);
    m_itemMenu->setObjectName(QStringLiteral("mF"));
    QMenu* const mF = m_itemMenu;

    QAction* manual = add(mF, QStringLiteral("mFManual"), -1, tr("&Enter manual..."));
    mF->setDefaultAction(manual);
    mF->addSeparator();
    add(mF, QStringLiteral("mFApply"), -1, tr("&Apply"));
    add(mF, QStringLiteral("mFUndo"), -1, tr("Undo last appl&y"),
        QKeySequence(Qt::CTRL | Qt::Key_Z));
    mF->addSeparator();

    QMenu* mS = mF->addMenu(tr("&Select"));
    mS->setObjectName(QStringLiteral("mS"));
    add(mS, QStringLiteral("mSAll"), -1, tr("&All"), QKeySequence(Qt::CTRL | Qt::Key_A));
    mS->addSeparator();
    const QString selCaptions[] = {tr("&Invert"), tr("&Containing..."), tr("&Min. length"),
                                   tr("Ma&x. lenght")};
    const QKeySequence selKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_I),
                                    QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(),
                                    QKeySequence()};
    for (int i = 0; i < 4; ++i)
        add(mS, QStringLiteral("mSSel"), i, selCaptions[i], selKeys[i]);
    mS->addSeparator();
    add(mS, QStringLiteral("mSSelExt"), -1, tr("&With extension"),
        QKeySequence(Qt::CTRL | Qt::Key_E));
    mS->addSeparator();
    add(mS, QStringLiteral("mSNone"), -1, tr("&None"), QKeySequence(Qt::CTRL | Qt::Key_N));

    add(mF, QStringLiteral("mMove"), 0, tr("Move u&p"), QKeySequence(Qt::CTRL | Qt::Key_U));
    add(mF, QStringLiteral("mMove"), 1, tr("Move &down"), QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu* mFSort = mF->addMenu(tr("S&ort"));
    mFSort->setObjectName(QStringLiteral("mFSort"));
    const QString sortSelCaptions[] = {
        tr("Sort by &full name"),          tr("Sort by &path/filename"),
        tr("Sort by filename/&extension"), tr("Sort by pat&h"),
        tr("Sort by file&name"),           tr("Sort by e&xtension"),
        tr("Sort by path / ex&tension")};
    for (int i = 0; i < 7; ++i)
        add(mFSort, QStringLiteral("mSortSel"), i, sortSelCaptions[i]);
    mFSort->addSeparator();
    add(mFSort, QStringLiteral("mInvertSel"), -1, tr("&Inverse"));
    mF->addSeparator();

    const QString defCaptions[] = {tr("Cut &first word"), tr("Cut &last word"),
                                   tr("&Insert at beginning..."), tr("Add &to end..."),
                                   tr("&Replace...")};
    for (int i = 0; i < 5; ++i)
        add(mF, QStringLiteral("mFDef"), i, defCaptions[i]);

    QMenu* mFMore = mF->addMenu(tr("&More"));
    mFMore->setObjectName(QStringLiteral("mFMore"));
    const QString numberCaptions[] = {tr("&Add Numbers..."),
                                      tr("&Reformat numbers"),
                                      tr("Cro&p numbers"),
                                      tr("C&ut numbers"),
                                      tr("&Enumerated filename"),
                                      tr("Enumerate a&s path..."),
                                      tr("Enumerate pat&h / filename...")};
    for (int i = 0; i < 7; ++i)
        add(mFMore, QStringLiteral("mNumbers"), i, numberCaptions[i]);
    mFMore->addSeparator();
    const QString enumCaptions[] = {tr("&Generated fixed-width numbers"),
                                    tr("Include &0 when enumerating"), tr("&Inverse enumeration")};
    for (int i = 0; i < 3; ++i) {
        QAction* a = add(mFMore, QStringLiteral("mEnumSettings"), i, enumCaptions[i]);
        a->setCheckable(true);
    }
    mFMore->addSeparator();
    const QString cutXCaptions[] = {
        tr("Cut &first x characters..."), tr("Cut &last x characters..."),
        tr("Crop first &x characters..."), tr("Crop las&t x characters...")};
    for (int i = 0; i < 4; ++i)
        add(mFMore, QStringLiteral("mFCutX"), i, cutXCaptions[i]);
    mFMore->addSeparator();
    const QString cropXCaptions[] = {
        tr("Cut &before expression..."), tr("&Cut after expression..."),
        tr("Cr&op before expression..."), tr("Crop after expressio&n...")};
    for (int i = 0; i < 4; ++i)
        add(mFMore, QStringLiteral("mFCropx"), i, cropXCaptions[i]);

    QMenu* mC = mF->addMenu(tr("&Case"));
    mC->setObjectName(QStringLiteral("mC"));
    const QString caseCaptions[] = {tr("&Smart case"), tr("&Upper-Lower-Case"),
                                    tr("All U&ppercase"), tr("All L&owercase")};
    for (int i = 0; i < 4; ++i)
        add(mC, QStringLiteral("mFCase"), i, caseCaptions[i]);

    QMenu* mM = mF->addMenu(tr("M&usic related"));
    mM->setObjectName(QStringLiteral("mM"));
    const QString mp3Captions[] = {tr("Cut &artist (first)"),
                                   tr("Cut &title (last)"),
                                   tr("Cut &extra-info"),
                                   tr("S&wap artist / title (first / last)"),
                                   tr("Swap artist / title (first / &second)"),
                                   tr("Swap &infos (any)"),
                                   QString(),
                                   tr("S&martcase"),
                                   tr("Smartcase (Artist) (&first)"),
                                   tr("Smartcase (Title) (&rest)")};
    for (int i = 0; i < 10; ++i) {
        if (i == 6) {
            mM->addSeparator();
            continue;
        }
        add(mM, QStringLiteral("mFMP3"), i, mp3Captions[i]);
    }
    mF->addSeparator();
    add(mF, QStringLiteral("mFCustom"), -1, tr("Custom &generation..."));
    mF->addSeparator();

    QMenu* mE = mF->addMenu(tr("E&xtension"));
    mE->setObjectName(QStringLiteral("mE"));
    const QString extCaptions[] = {tr("&Uppercase"), tr("&Lowercase")};
    for (int i = 0; i < 2; ++i)
        add(mE, QStringLiteral("mEExt"), i, extCaptions[i]);
    mE->addSeparator();
    add(mE, QStringLiteral("mFChangeExt"), -1, tr("&Change..."));
    mF->addSeparator();
    add(mF, QStringLiteral("mFRestore"), -1, tr("Restore &name"));
    mF->addSeparator();
    add(mF, QStringLiteral("mRemove"), -1, tr("Remo&ve from list"));
}

void PopupMenus::buildListMenu()
{
    m_listMenu = new QMenu(&m_window);
    m_listMenu->setObjectName(QStringLiteral("mSortList"));
    const QString captions[] = {tr("Sort by &full name"),          tr("Sort by &path/filename"),
                                tr("Sort by filename/&extension"), tr("Sort by pat&h"),
                                tr("Sort by file&name"),           tr("Sort by e&xtension"),
                                tr("Sort by path/ex&tension")};
    for (int i = 0; i < 7; ++i)
        add(m_listMenu, QStringLiteral("mSort"), i, captions[i]);
    m_listMenu->addSeparator();
    add(m_listMenu, QStringLiteral("mInvertList"), -1, tr("&Inverse"));
    addViewEntries();
}

void PopupMenus::addViewEntries()
{
    m_listMenu->addSeparator();
    // The item menu's entry carries Ctrl+Z for the window; this one answers it only
    // while its own menu is open, so the two never make the shortcut ambiguous.
    QAction* undo = add(m_listMenu, QStringLiteral("mUndoList"), -1, tr("Undo last appl&y"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* disk = add(m_listMenu, QStringLiteral("mShowDisk"), -1, tr("Show names on &disk"));
    disk->setCheckable(true);
}
