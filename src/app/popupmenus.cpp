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

QAction* PopupMenus::addDisabled(QMenu* menu, const QString& name, int index,
                                 const QString& caption, const QKeySequence& shortcut)
{
    QAction* action = add(menu, name, index, caption, shortcut);
    action->setEnabled(false);
    return action;
}

void PopupMenus::buildItemMenu()
{
    m_itemMenu = new QMenu(&m_window);
    m_itemMenu->setObjectName(QStringLiteral("mF"));
    QMenu* const mF = m_itemMenu;

    QAction* manual = add(mF, QStringLiteral("mFManual"), -1, QStringLiteral("&Enter manual..."));
    mF->setDefaultAction(manual);
    mF->addSeparator();
    add(mF, QStringLiteral("mFApply"), -1, QStringLiteral("&Apply"));
    mF->addSeparator();

    QMenu* mS = mF->addMenu(QStringLiteral("&Select"));
    mS->setObjectName(QStringLiteral("mS"));
    add(mS, QStringLiteral("mSAll"), -1, QStringLiteral("&All"),
        QKeySequence(Qt::CTRL | Qt::Key_A));
    mS->addSeparator();
    const QString selCaptions[] = {QStringLiteral("&Invert"), QStringLiteral("&Containing..."),
                                   QStringLiteral("&Min. length"), QStringLiteral("Ma&x. lenght")};
    const QKeySequence selKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_I),
                                    QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(),
                                    QKeySequence()};
    for (int i = 0; i < 4; ++i)
        add(mS, QStringLiteral("mSSel"), i, selCaptions[i], selKeys[i]);
    mS->addSeparator();
    addDisabled(mS, QStringLiteral("mSSelExt"), -1, QStringLiteral("&With extension"),
                QKeySequence(Qt::CTRL | Qt::Key_E));
    mS->addSeparator();
    add(mS, QStringLiteral("mSNone"), -1, QStringLiteral("&None"),
        QKeySequence(Qt::CTRL | Qt::Key_N));

    addDisabled(mF, QStringLiteral("mMove"), 0, QStringLiteral("Move u&p"),
                QKeySequence(Qt::CTRL | Qt::Key_U));
    addDisabled(mF, QStringLiteral("mMove"), 1, QStringLiteral("Move &down"),
                QKeySequence(Qt::CTRL | Qt::Key_D));

    QMenu* mFSort = mF->addMenu(QStringLiteral("S&ort"));
    mFSort->setObjectName(QStringLiteral("mFSort"));
    const QString sortSelCaptions[] = {
        QStringLiteral("Sort by &full name"),          QStringLiteral("Sort by &path/filename"),
        QStringLiteral("Sort by filename/&extension"), QStringLiteral("Sort by pat&h"),
        QStringLiteral("Sort by file&name"),           QStringLiteral("Sort by e&xtension"),
        QStringLiteral("Sort by path / ex&tension")};
    for (int i = 0; i < 7; ++i)
        add(mFSort, QStringLiteral("mSortSel"), i, sortSelCaptions[i]);
    mFSort->addSeparator();
    add(mFSort, QStringLiteral("mInvertSel"), -1, QStringLiteral("&Inverse"));
    mF->addSeparator();

    const QString defCaptions[] = {QStringLiteral("Cut &first word"),
                                   QStringLiteral("Cut &last word"),
                                   QStringLiteral("&Insert at beginning..."),
                                   QStringLiteral("Add &to end..."), QStringLiteral("&Replace...")};
    for (int i = 0; i < 5; ++i)
        add(mF, QStringLiteral("mFDef"), i, defCaptions[i]);

    QMenu* mFMore = mF->addMenu(QStringLiteral("&More"));
    mFMore->setObjectName(QStringLiteral("mFMore"));
    const QString numberCaptions[] = {QStringLiteral("&Add Numbers..."),
                                      QStringLiteral("&Reformat numbers"),
                                      QStringLiteral("Cro&p numbers"),
                                      QStringLiteral("C&ut numbers"),
                                      QStringLiteral("&Enumerated filename"),
                                      QStringLiteral("Enumerate a&s path..."),
                                      QStringLiteral("Enumerate pat&h / filename...")};
    for (int i = 0; i < 7; ++i) {
        QAction* a = add(mFMore, QStringLiteral("mNumbers"), i, numberCaptions[i]);
        a->setEnabled(i > 4);
    }
    mFMore->addSeparator();
    const QString enumCaptions[] = {QStringLiteral("&Generated fixed-width numbers"),
                                    QStringLiteral("Include &0 when enumerating"),
                                    QStringLiteral("&Inverse enumeration")};
    for (int i = 0; i < 3; ++i) {
        QAction* a = add(mFMore, QStringLiteral("mEnumSettings"), i, enumCaptions[i]);
        a->setCheckable(true);
    }
    mFMore->addSeparator();
    const QString cutXCaptions[] = {QStringLiteral("Cut &first x characters..."),
                                    QStringLiteral("Cut &last x characters..."),
                                    QStringLiteral("Crop first &x characters..."),
                                    QStringLiteral("Crop las&t x characters...")};
    for (int i = 0; i < 4; ++i)
        add(mFMore, QStringLiteral("mFCutX"), i, cutXCaptions[i]);
    mFMore->addSeparator();
    const QString cropXCaptions[] = {
        QStringLiteral("Cut &before expression..."), QStringLiteral("&Cut after expression..."),
        QStringLiteral("Cr&op before expression..."), QStringLiteral("Crop after expressio&n...")};
    for (int i = 0; i < 4; ++i) {
        QAction* a = add(mFMore, QStringLiteral("mFCropx"), i, cropXCaptions[i]);
        a->setEnabled(false);
    }

    QMenu* mC = mF->addMenu(QStringLiteral("&Case"));
    mC->setObjectName(QStringLiteral("mC"));
    const QString caseCaptions[] = {
        QStringLiteral("&Smart case"), QStringLiteral("&Upper-Lower-Case"),
        QStringLiteral("All U&ppercase"), QStringLiteral("All L&owercase")};
    for (int i = 0; i < 4; ++i) {
        QAction* a = add(mC, QStringLiteral("mFCase"), i, caseCaptions[i]);
        a->setEnabled(i > 1);
    }

    QMenu* mM = mF->addMenu(QStringLiteral("M&usic related"));
    mM->setObjectName(QStringLiteral("mM"));
    const QString mp3Captions[] = {QStringLiteral("Cut &artist (first)"),
                                   QStringLiteral("Cut &title (last)"),
                                   QStringLiteral("Cut &extra-info"),
                                   QStringLiteral("S&wap artist / title (first / last)"),
                                   QStringLiteral("Swap artist / title (first / &second)"),
                                   QStringLiteral("Swap &infos (any)"),
                                   QString(),
                                   QStringLiteral("S&martcase"),
                                   QStringLiteral("Smartcase (Artist) (&first)"),
                                   QStringLiteral("Smartcase (Title) (&rest)")};
    for (int i = 0; i < 10; ++i) {
        if (i == 6) {
            mM->addSeparator();
            continue;
        }
        QAction* a = add(mM, QStringLiteral("mFMP3"), i, mp3Captions[i]);
        a->setEnabled(i != 5);
    }
    mF->addSeparator();
    add(mF, QStringLiteral("mFCustom"), -1, QStringLiteral("Custom &generation..."));
    mF->addSeparator();

    QMenu* mE = mF->addMenu(QStringLiteral("E&xtension"));
    mE->setObjectName(QStringLiteral("mE"));
    const QString extCaptions[] = {QStringLiteral("&Uppercase"), QStringLiteral("&Lowercase")};
    for (int i = 0; i < 2; ++i)
        add(mE, QStringLiteral("mEExt"), i, extCaptions[i]);
    mE->addSeparator();
    add(mE, QStringLiteral("mFChangeExt"), -1, QStringLiteral("&Change..."));
    mF->addSeparator();
    add(mF, QStringLiteral("mFRestore"), -1, QStringLiteral("Restore &name"));
    mF->addSeparator();
    add(mF, QStringLiteral("mRemove"), -1, QStringLiteral("Remo&ve from list"));
}

void PopupMenus::buildListMenu()
{
    m_listMenu = new QMenu(&m_window);
    m_listMenu->setObjectName(QStringLiteral("mSortList"));
    const QString captions[] = {
        QStringLiteral("Sort by &full name"),          QStringLiteral("Sort by &path/filename"),
        QStringLiteral("Sort by filename/&extension"), QStringLiteral("Sort by pat&h"),
        QStringLiteral("Sort by file&name"),           QStringLiteral("Sort by e&xtension"),
        QStringLiteral("Sort by path/ex&tension")};
    for (int i = 0; i < 7; ++i)
        add(m_listMenu, QStringLiteral("mSort"), i, captions[i]);
    m_listMenu->addSeparator();
    add(m_listMenu, QStringLiteral("mInvertList"), -1, QStringLiteral("&Inverse"));
}
