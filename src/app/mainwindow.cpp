#include "app/mainwindow.h"

#include "app/filelistview.h"
#include "app/infobox.h"
#include "app/mainwindowlayout.h"
#include "app/renamesession.h"
#include "app/statusline.h"
#include "dialogs/findreplacedialog.h"
#include "list/itemmover.h"
#include "ops/enumeration.h"
#include "platform/posixfilesystem.h"
#include "platform/qtuserinteraction.h"
#include "resources/stringtable.h"
#include "text/bytename.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), m_ownFileSystem(std::make_unique<PosixFileSystem>()),
      m_ownInteraction(std::make_unique<QtUserInteraction>(this, [this] { openFindReplace(); })),
      m_fileSystem(*m_ownFileSystem), m_interaction(*m_ownInteraction)
{
    buildControls();
    connectMenus();
    Form_Load();
}

MainWindow::MainWindow(FileSystem& fileSystem, UserInteraction& interaction, QWidget* parent)
    : QWidget(parent), m_fileSystem(fileSystem), m_interaction(interaction)
{
    buildControls();
    connectMenus();
    Form_Load();
}

MainWindow::~MainWindow()
{
    // The dialog is a window of its own, not a child: it must not outlive its owner.
    delete m_findReplace.data();
}

void MainWindow::buildControls()
{
    m_list = new FileListView(m_store, this);
    m_list->setObjectName(QStringLiteral("eList"));
    m_status = new StatusLine(m_list);
    m_session = new RenameSession(m_store, m_renamer, m_fileSystem, m_interaction, *m_list,
                                  *m_status, JournalFolder(JournalFolder::defaultPath()));

    const QString captions[9] = {tr("Add &files..."), tr("Add &directory"), tr("&Modify"),
                                 tr("&Apply all"),    tr("&Sort list"),     tr("&Restore all"),
                                 tr("&Clear list"),   tr("&Info"),          tr("&Quit")};

    m_strip = new QWidget(this);
    m_strip->setObjectName(QStringLiteral("ePic"));
    // Top of the window: Add files, Add directory, Modify; the rest ride on the strip.
    for (int i = 0; i < 9; ++i) {
        QWidget* owner = i < 3 ? static_cast<QWidget*>(this) : m_strip;
        m_button[i] = new QPushButton(captions[i], owner);
        m_button[i]->setObjectName(QStringLiteral("eButton(%1)").arg(i));
        m_button[i]->setAutoDefault(false);
        connect(m_button[i], &QPushButton::clicked, this, [this, i] { eButton_Click(i); });
    }

    m_check[int(Check::RemoveAfterRename)] =
        new QCheckBox(tr("Remove items from &list after renaming"), m_strip);
    check(Check::RemoveAfterRename)->setChecked(true);
    m_check[int(Check::AlwaysOnTop)] = new QCheckBox(tr("Allways on &top"), m_strip);
    for (int i = 0; i < 2; ++i) {
        m_check[i]->setObjectName(QStringLiteral("eCheck(%1)").arg(i));
        connect(m_check[i], &QCheckBox::clicked, this, [this, i] { eCheck_Click(i); });
    }

    // Tab runs down the button column as it is seen, then to the list and the check boxes
    // under it.
    QWidget* const order[] = {button(Button::AddFiles),
                              button(Button::AddDirectory),
                              button(Button::Modify),
                              button(Button::ApplyAll),
                              button(Button::SortList),
                              button(Button::RestoreAll),
                              button(Button::ClearList),
                              button(Button::Info),
                              button(Button::Quit),
                              m_list,
                              check(Check::RemoveAfterRename),
                              check(Check::AlwaysOnTop)};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The window opens with the keyboard in the list, where the menu key works.
    m_list->setFocus();

    connect(m_list, &FileListView::pathsDropped, this,
            [this](const std::vector<QByteArray>& paths) { eList_OLEDragDrop(paths); });
    connect(m_list, &FileListView::manualEditRequested, this, [this] { eList_DblClick(); });
    connect(m_list, &FileListView::removeRequested, this, [this] { mRemove_Click(); });
    connect(m_list, &FileListView::menuRequested, this, [this](const QPoint& globalPos) {
        if (dispatch("eList_MouseUp"))
            popUp(m_menus.itemMenu(), globalPos);
    });

    // Esc ends a running folder scan early.
    auto* stopScan = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    stopScan->setContext(Qt::WindowShortcut);
    connect(stopScan, &QShortcut::activated, this, [this] {
        if (m_loader.isScanning())
            m_loader.requestStop();
    });

    m_menus.action(QStringLiteral("mEnumSettings"), int(EnumSwitch::FixedWidthNumbers))
        ->setChecked(true);
}

void MainWindow::connectMenus()
{
    const auto single = [this](const char* name, void (MainWindow::*handler)()) {
        connect(m_menus.action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler] { (this->*handler)(); });
    };
    const auto array = [this](const char* name, int count, void (MainWindow::*handler)(int)) {
        for (int i = 0; i < count; ++i) {
            // The separator line among the music entries has an index but no entry.
            if (QAction* action = m_menus.action(QString::fromLatin1(name), i))
                connect(action, &QAction::triggered, this,
                        [this, handler, i] { (this->*handler)(i); });
        }
    };
    single("mFManual", &MainWindow::mFManual_Click);
    single("mFApply", &MainWindow::mFApply_Click);
    single("mSAll", &MainWindow::mSAll_Click);
    array("mSSel", 4, &MainWindow::mSSel_Click);
    single("mSNone", &MainWindow::mSNone_Click);
    single("mSSelExt", &MainWindow::mSSelExt_Click);
    array("mMove", 2, &MainWindow::mMove_Click);
    array("mSortSel", 7, &MainWindow::mSortSel_Click);
    single("mInvertSel", &MainWindow::mInvertSel_Click);
    array("mFDef", 5, &MainWindow::mFDef_Click);
    array("mNumbers", 7, &MainWindow::mNumbers_Click);
    array("mEnumSettings", 3, &MainWindow::mEnumSettings_Click);
    array("mFCutX", 4, &MainWindow::mFCutX_Click);
    array("mFCropx", 4, &MainWindow::mFCropx_Click);
    array("mFCase", 4, &MainWindow::mFCase_Click);
    array("mFMP3", 10, &MainWindow::mFMP3_Click);
    single("mFCustom", &MainWindow::mFCustom_Click);
    array("mEExt", 2, &MainWindow::mEExt_Click);
    single("mFChangeExt", &MainWindow::mFChangeExt_Click);
    single("mFRestore", &MainWindow::mFRestore_Click);
    single("mRemove", &MainWindow::mRemove_Click);
    array("mSort", 7, &MainWindow::mSort_Click);
    single("mInvertList", &MainWindow::mInvertList_Click);

    single("mFUndo", &MainWindow::mUndo_Click);
    single("mUndoList", &MainWindow::mUndo_Click);
    m_session->setUndoActions(
        {m_menus.action(QStringLiteral("mFUndo")), m_menus.action(QStringLiteral("mUndoList"))});
    for (QMenu* menu : {m_menus.itemMenu(), m_menus.listMenu()})
        connect(menu, &QMenu::aboutToShow, m_session, [this] { m_session->refreshUndo(); });
    connect(m_menus.action(QStringLiteral("mShowDisk")), &QAction::toggled, m_session,
            [this](bool on) { m_session->setShowDiskNames(on); });
}

void MainWindow::Form_Load()
{
    m_renamer.RemoveAfterRename = true;
    m_switches.FixedWidthNumbers = true;
    setWindowTitle(LoadResString(TextId::AppTitle));
    resize(layoutForStyle().startClient());
    fitToStyle();
}

MainWindowLayout MainWindow::layoutForStyle() const
{
    MainWindowLayout::Metrics metrics;
    metrics.dpiX = logicalDpiX();
    metrics.dpiY = logicalDpiY();
    for (const QPushButton* b : m_button)
        metrics.buttonHint = metrics.buttonHint.expandedTo(b->sizeHint());
    for (int i = 0; i < 2; ++i)
        metrics.checkHint[i] = m_check[i]->sizeHint();
    // Room for a few lines and a name's start.
    const QFontMetrics list = m_list->fontMetrics();
    metrics.listMinimum = QSize(16 * list.averageCharWidth(), 3 * list.lineSpacing()) +
                          QSize(2 * m_list->frameWidth(), 2 * m_list->frameWidth());
    return MainWindowLayout(metrics);
}

void MainWindow::Form_Resize()
{
    const MainWindowLayout::Geometry g = layoutForStyle().place(size());
    m_list->setGeometry(g.list);
    m_strip->setGeometry(g.strip);
    for (int i = 0; i < 3; ++i)
        m_button[i]->setGeometry(g.topButton[i]);
    for (int i = 0; i < 6; ++i)
        m_button[3 + i]->setGeometry(g.stripButton[i]);
    for (int i = 0; i < 2; ++i)
        m_check[i]->setGeometry(g.check[i]);
}

void MainWindow::fitToStyle()
{
    const QSize minimum = layoutForStyle().minimumClient();
    setMinimumSize(minimum);
    if (width() < minimum.width() || height() < minimum.height())
        resize(size().expandedTo(minimum));
    else
        Form_Resize();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The controls learn of a new style or font after the window: measure them once they
    // have.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        QMetaObject::invokeMethod(this, &MainWindow::fitToStyle, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_loader.isScanning()) {
        // The scan runs further down this very call stack: let it stop at the next
        // folder and close once it has returned.
        m_loader.requestStop();
        m_closeAfterScan = true;
        event->ignore();
        return;
    }
    if (m_findReplace)
        m_findReplace->close();
    QWidget::closeEvent(event);
}

bool MainWindow::commandsAllowed() const
{
    return isEnabled() && !m_loader.isScanning();
}

bool MainWindow::dispatch(const char* handler, int index)
{
    if (!commandsAllowed())
        return false;
    Q_EMIT commandDispatched(QString::fromLatin1(handler), index);
    return true;
}

void MainWindow::runScan(const std::function<void()>& scan)
{
    // Add files to Clear list, the buttons that change the list.
    for (int i = int(Button::AddFiles); i <= int(Button::ClearList); ++i)
        m_button[i]->setEnabled(false);
    // Pending events run during the scan; guard against the window going away meanwhile.
    const QPointer<MainWindow> self(this);
    scan();
    if (!self)
        return;
    for (int i = int(Button::AddFiles); i <= int(Button::ClearList); ++i)
        m_button[i]->setEnabled(true);
    if (m_loader.notAdded() > 0)
        m_status->setMessage(StatusLine::notAdded(m_loader.notAdded(), ItemStore::MaxItems));
    if (m_closeAfterScan) {
        m_closeAfterScan = false;
        close();
    }
}

void MainWindow::popUp(QMenu* menu)
{
    popUp(menu, QCursor::pos());
}

void MainWindow::popUp(QMenu* menu, const QPoint& globalPos)
{
    Q_EMIT menuOpening(menu);
    menu->exec(globalPos);
}

void MainWindow::openFindReplace()
{
    if (m_findReplace) {
        m_findReplace->raise();
        m_findReplace->activateWindow();
        return;
    }
    m_findReplace = new FindReplaceDialog(this, m_findValues, [this] { ReturnFind(); });
    m_findReplace->show();
}

void MainWindow::ReturnFind()
{
    m_engine.ReturnFind();
}

void MainWindow::ModifyItems(OpCode op)
{
    Q_EMIT operationRequested(int(op));
    m_engine.ModifyItems(op);
}

void MainWindow::openPaths(const std::vector<QByteArray>& paths,
                           const std::function<void(const QByteArray&)>& unreadable)
{
    std::vector<QByteArray> loadable;
    QStringList failed;
    std::vector<FolderEntry> entries;
    for (const QByteArray& path : paths) {
        const std::optional<PathKind> kind = m_fileSystem.pathKind(path);
        entries.clear();
        if (kind && (*kind == PathKind::File || m_fileSystem.listFolder(path, entries))) {
            loadable.push_back(path);
            continue;
        }
        if (unreadable)
            unreadable(path);
        failed << ByteName::shown(ByteName::decode(path));
    }
    if (!loadable.empty())
        eList_OLEDragDrop(loadable);
    if (!failed.isEmpty())
        m_interaction.messageBox(tr("These could not be opened:") + QChar(13) +
                                     failed.join(QChar(13)),
                                 LoadResString(TextId::ErrorTitle));
}

void MainWindow::eButton_Click(int index)
{
    buttonClicked(Button(index));
}

void MainWindow::buttonClicked(Button which)
{
    switch (which) {
    case Button::AddDirectory:
        if (commandsAllowed())
            runScan([this] { m_loader.addDirectoryCommand(); });
        break;
    case Button::Modify:
        if (commandsAllowed())
            popUp(m_menus.itemMenu());
        break;
    case Button::ApplyAll:
        if (commandsAllowed())
            m_session->apply(true);
        break;
    case Button::SortList:
        if (commandsAllowed())
            popUp(m_menus.listMenu());
        break;
    case Button::RestoreAll:
        if (commandsAllowed())
            m_renamer.restoreAll();
        break;
    case Button::ClearList:
        if (commandsAllowed())
            m_loader.clearList();
        break;
    case Button::Info:
        showInfo();
        break;
    case Button::Quit:
        close();
        break;
    case Button::AddFiles:
        if (commandsAllowed())
            runScan([this] { m_loader.addFilesCommand(); });
        break;
    }
}

void MainWindow::eCheck_Click(int index)
{
    checkClicked(Check(index));
}

void MainWindow::checkClicked(Check which)
{
    switch (which) {
    case Check::RemoveAfterRename:
        m_renamer.RemoveAfterRename = check(which)->isChecked();
        break;
    case Check::AlwaysOnTop:
        setAlwaysOnTop(check(which)->isChecked());
        break;
    }
}

void MainWindow::setAlwaysOnTop(bool on)
{
    // Changing a window flag hides the window; keep its place and size.
    const bool visible = isVisible();
    const QPoint position = pos();
    const QSize clientSize = size();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    move(position);
    resize(clientSize);
    if (visible)
        show();
}

void MainWindow::showInfo()
{
    m_interaction.messageBox(
        InfoBox::message(FILEVANE_VERSION_MAJOR, FILEVANE_VERSION_MINOR, FILEVANE_VERSION_PATCH),
        InfoBox::title());
}

void MainWindow::eList_DblClick()
{
    if (dispatch("eList_DblClick"))
        m_ordering.editManual();
}

void MainWindow::eList_OLEDragDrop(const std::vector<QByteArray>& paths)
{
    if (commandsAllowed())
        runScan([this, &paths] { m_loader.dropPaths(paths); });
}

void MainWindow::mFManual_Click()
{
    if (dispatch("mFManual_Click"))
        m_ordering.editManual();
}

void MainWindow::mFApply_Click()
{
    if (dispatch("mFApply_Click"))
        m_session->apply(false);
}

void MainWindow::mUndo_Click()
{
    if (dispatch("mUndo_Click"))
        m_session->undo();
}

void MainWindow::mSAll_Click()
{
    if (dispatch("mSAll_Click"))
        m_selection.SelectAll();
}

void MainWindow::mSSel_Click(int index)
{
    if (!dispatch("mSSel_Click", index))
        return;
    // The entries of the Select submenu's array, in menu order.
    static constexpr void (SelectionCommands::*commands[])() = {
        &SelectionCommands::invert, &SelectionCommands::containing, &SelectionCommands::minLength,
        &SelectionCommands::maxLength};
    if (index >= 0 && index < int(std::size(commands)))
        (m_selection.*commands[index])();
}

void MainWindow::mSNone_Click()
{
    if (dispatch("mSNone_Click"))
        m_selection.selectNone();
}

void MainWindow::mSSelExt_Click()
{
    if (dispatch("mSSelExt_Click"))
        m_selection.withExtension();
}

void MainWindow::mMove_Click(int index)
{
    if (!dispatch("mMove_Click", index))
        return;
    if (index == 0)
        ItemMover::moveUp(m_store);
    else if (index == 1)
        ItemMover::moveDown(m_store);
}

void MainWindow::mSortSel_Click(int index)
{
    if (dispatch("mSortSel_Click", index))
        m_ordering.sortSelected(index);
}

void MainWindow::mInvertSel_Click()
{
    if (dispatch("mInvertSel_Click"))
        m_ordering.reverseSelected();
}

void MainWindow::mFDef_Click(int index)
{
    if (dispatch("mFDef_Click", index))
        ModifyItems(opCodeAt(OpCode::CutFirstWord, index));
}

void MainWindow::mNumbers_Click(int index)
{
    if (dispatch("mNumbers_Click", index))
        ModifyItems(opCodeAt(OpCode::AddNumbers, index));
}

void MainWindow::mEnumSettings_Click(int index)
{
    if (!dispatch("mEnumSettings_Click", index))
        return;
    const std::optional<bool> on = Enumeration::toggleSwitch(m_switches, EnumSwitch(index));
    if (on)
        m_menus.action(QStringLiteral("mEnumSettings"), index)->setChecked(*on);
}

void MainWindow::mFCutX_Click(int index)
{
    if (dispatch("mFCutX_Click", index))
        ModifyItems(opCodeAt(OpCode::CutFirstChars, index));
}

void MainWindow::mFCropx_Click(int index)
{
    if (dispatch("mFCropx_Click", index))
        ModifyItems(opCodeAt(OpCode::CutBeforeExpression, index));
}

void MainWindow::mFCase_Click(int index)
{
    if (dispatch("mFCase_Click", index))
        ModifyItems(opCodeAt(OpCode::SmartCase, index));
}

void MainWindow::mFMP3_Click(int index)
{
    if (dispatch("mFMP3_Click", index))
        ModifyItems(opCodeAt(OpCode::CutArtist, index));
}

void MainWindow::mFCustom_Click()
{
    if (dispatch("mFCustom_Click"))
        ModifyItems(OpCode::CustomGeneration);
}

void MainWindow::mEExt_Click(int index)
{
    if (dispatch("mEExt_Click", index))
        ModifyItems(opCodeAt(OpCode::ExtensionUppercase, index));
}

void MainWindow::mFChangeExt_Click()
{
    if (dispatch("mFChangeExt_Click"))
        ModifyItems(OpCode::ChangeExtension);
}

void MainWindow::mFRestore_Click()
{
    if (dispatch("mFRestore_Click"))
        ModifyItems(OpCode::RestoreName);
}

void MainWindow::mRemove_Click()
{
    if (dispatch("mRemove_Click"))
        m_ordering.removeSelected();
}

void MainWindow::mSort_Click(int index)
{
    if (dispatch("mSort_Click", index))
        m_ordering.sortList(index);
}

void MainWindow::mInvertList_Click()
{
    if (dispatch("mInvertList_Click"))
        m_ordering.reverseList();
}
