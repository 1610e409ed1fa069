#include "app/mainwindow.h"

#include "app/filelistview.h"
#include "app/infobox.h"
#include "app/linedelegate.h"
#include "app/mainwindowlayout.h"
#include "app/metadataprogress.h"
#include "app/renamesession.h"
#include "app/routinecommands.h"
#include "app/statusline.h"
#include "dialogs/findreplacedialog.h"
#include "list/itemmover.h"
#include "ops/enumeration.h"
#include "ops/findreplace.h"
#include "platform/posixfilesystem.h"
#include "platform/qtuserinteraction.h"
#include "rename/renamereport.h"
#include "resources/stringtable.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), m_ownFileSystem(std::make_unique<PosixFileSystem>()),
      m_ownInteraction(std::make_unique<QtUserInteraction>(this, [this] { openFindReplace(); })),
      m_fileSystem(*m_ownFileSystem), m_interaction(*m_ownInteraction)
{
    buildControls();
    connectUndo();
    Form_Load();
}

MainWindow::MainWindow(FileSystem& fileSystem, UserInteraction& interaction, QWidget* parent)
    : QWidget(parent), m_fileSystem(fileSystem), m_interaction(interaction)
{
    buildControls();
    connectUndo();
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
    m_status = new StatusLine(this);
    m_status->setObjectName(QStringLiteral("statusLine"));
    m_session = new RenameSession(m_store, m_renamer, m_fileSystem, m_interaction, *m_list,
                                  *m_status, JournalFolder(JournalFolder::defaultPath()));
    m_readProgress = std::make_unique<MetadataProgress>(*m_status, m_interaction);
    m_templates.setProgress(std::ref(*m_readProgress));

    buildButtons();
    setTabOrders();
    connectList();

    // Esc ends a running folder scan early.
    auto* stopScan = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    stopScan->setContext(Qt::WindowShortcut);
    connect(stopScan, &QShortcut::activated, this, [this] {
        if (m_loader.isScanning())
            m_loader.requestStop();
    });

    // Every call that changes names is a step of the recording.
    m_routines = std::make_unique<RoutineCommands>(
        *this, m_engine, m_interaction,
        *m_menus.itemMenu()->findChild<QMenu*>(QStringLiteral("mRoutines")),
        [this](int index) { return dispatch(QStringLiteral("mRoutine_Click"), index); });
    m_engine.setStepObserver([this](const OperationCall& step) { m_routines->record(step); });
}

void MainWindow::buildButtons()
{
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
}

void MainWindow::setTabOrders()
{
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
}

void MainWindow::connectList()
{
    connect(m_list, &FileListView::pathsDropped, this,
            [this](const std::vector<QByteArray>& paths) { eList_OLEDragDrop(paths); });
    connect(m_list, &FileListView::manualEditRequested, this, [this] { eList_DblClick(); });
    connect(m_list, &FileListView::removeRequested, this, [this] {
        if (dispatch(QStringLiteral("mRemove_Click")))
            mRemove_Click();
    });
    connect(m_list, &FileListView::menuRequested, this, [this](const QPoint& globalPos) {
        if (dispatch(QStringLiteral("eList_MouseUp")))
            popUp(m_menus.itemMenu(), globalPos);
    });
}

void MainWindow::connectUndo()
{
    m_session->setUndoActions(m_menus.actionsFor(&MainWindow::mUndo_Click));
    for (QMenu* menu : {m_menus.itemMenu(), m_menus.listMenu()})
        connect(menu, &QMenu::aboutToShow, m_session, [this] { m_session->refreshUndo(); });
}

void MainWindow::menuChosen(const MenuRow& row, bool checked)
{
    if (!dispatch(QString::fromLatin1(row.name) + QStringLiteral("_Click"), row.index)) {
        // A refused click must not leave a check mark that says otherwise.
        if (QAction* action = m_menus.action(row); action && action->isCheckable()) {
            const QSignalBlocker quiet(action);
            action->setChecked(!checked);
        }
        return;
    }
    if (const auto* handler = std::get_if<void (MainWindow::*)()>(&row.command))
        (this->*(*handler))();
    else if (const auto* arrayHandler = std::get_if<void (MainWindow::*)(int)>(&row.command))
        (this->*(*arrayHandler))(row.index);
    else if (const auto* base = std::get_if<OpCode>(&row.command))
        ModifyItems(opCodeAt(*base, qMax(row.index, 0)));
    returnToList();
}

void MainWindow::returnToList()
{
    // While the find and replace dialog holds the window disabled, its closing returns.
    if (!isEnabled())
        return;
    if (m_store.ItemCount() == 0) {
        m_list->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A line that shows the focus frame: the current one, else the first selected.
    if (m_store.currentLine() < 0 || m_store.currentLine() >= m_store.ItemCount()) {
        int line = 0;
        while (line < m_store.ItemCount() - 1 && !m_store.isSelected(line))
            ++line;
        m_store.setCurrentLine(m_store.isSelected(line) ? line : 0);
    }
    m_list->scrollTo(m_store.index(m_store.currentLine(), 0));
    m_list->setFocus(Qt::OtherFocusReason);
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
    // Room for a few lines and a name's start, both scroll bars and the status line.
    const QFontMetrics list = m_list->fontMetrics();
    const int bar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    metrics.listMinimum = QSize(16 * list.averageCharWidth(), 3 * list.lineSpacing()) +
                          QSize(2 * m_list->frameWidth() + bar, 2 * m_list->frameWidth() + bar) +
                          QSize(0, m_status->sizeHint().height());
    return MainWindowLayout(metrics);
}

void MainWindow::Form_Resize()
{
    const MainWindowLayout::Geometry g = layoutForStyle().place(size());
    // The status line takes the bottom of the list's place, outside its frame and scroll
    // bars, so that nothing the list shows can cover it.
    const int statusHeight = std::min(m_status->sizeHint().height(), g.list.height());
    m_list->setGeometry(g.list.adjusted(0, 0, 0, -statusHeight));
    m_status->setGeometry(g.list.left(), g.list.bottom() + 1 - statusHeight, g.list.width(),
                          statusHeight);
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
    if (m_session->isRunning()) {
        // Likewise an Apply or Undo stops after the current file; the window closes once
        // its report has been seen.
        m_session->stop();
        m_closeAfterRename = true;
        event->ignore();
        return;
    }
    if (m_readProgress->isReading()) {
        // A sort or a template reads files further down this call stack: it stops
        // before the next file, changes nothing, and the window closes then.
        m_readProgress->stop();
        m_closeAfterRead = true;
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

bool MainWindow::dispatch(const QString& handler, int index)
{
    if (!commandsAllowed())
        return false;
    Q_EMIT commandDispatched(handler, index);
    return true;
}

void MainWindow::runScan(const std::function<void()>& scan)
{
    // A load into an empty list starts a new recording of steps.
    if (m_store.ItemCount() == 0)
        m_routines->startRecording();
    // Add files to Clear list, the buttons that change the list.
    for (int i = int(Button::AddFiles); i <= int(Button::ClearList); ++i)
        m_button[i]->setEnabled(false);
    // The last run's result or load's note speaks of the list as it was.
    m_status->setMessage(QString());
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

void MainWindow::runRename(const std::function<void()>& run)
{
    const QPointer<MainWindow> self(this);
    run();
    // Renamed files are known by other paths now, and other files may have taken theirs.
    if (self)
        m_metadataCache.clear();
    if (self && m_closeAfterRename) {
        m_closeAfterRename = false;
        close();
    }
}

void MainWindow::popUp(QMenu* menu)
{
    popUp(menu, QCursor::pos());
}

void MainWindow::popUp(QMenu* menu, const QPoint& globalPos)
{
    menu->exec(globalPos);
    // Also when the menu was closed without a choice.
    returnToList();
}

void MainWindow::openFindReplace()
{
    if (m_findReplace) {
        m_findReplace->raise();
        m_findReplace->activateWindow();
        return;
    }
    m_findReplace = new FindReplaceDialog(this, m_findValues, [this] { ReturnFind(); });
    m_findReplace->setPatternCheck(&FindReplace::patternError);
    // OK or Cancel: the keyboard goes back to the list the window enables again.
    connect(m_findReplace, &QDialog::finished, this, &MainWindow::returnToList);
    m_findReplace->show();
}

void MainWindow::ReturnFind()
{
    m_engine.ReturnFind();
}

void MainWindow::ModifyItems(OpCode op)
{
    Q_EMIT operationRequested(int(op));
    runRead([this, op] { m_engine.ModifyItems(op); });
}

void MainWindow::runRead(const std::function<void()>& command)
{
    const QPointer<MainWindow> self(this);
    command();
    if (self && m_closeAfterRead) {
        m_closeAfterRead = false;
        close();
    }
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
        failed << RenameReport::shownName(path);
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
    const QPointer<MainWindow> self(this);
    buttonClicked(Button(index));
    // Quit may have closed the window; the keyboard goes back to the list otherwise.
    if (self && Button(index) != Button::Quit)
        returnToList();
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
            runRename([this] { m_session->apply(true); });
        break;
    case Button::SortList:
        if (commandsAllowed())
            popUp(m_menus.listMenu());
        break;
    case Button::RestoreAll:
        if (commandsAllowed()) {
            m_renamer.restoreAll();
            m_routines->startRecording();
        }
        break;
    case Button::ClearList:
        if (commandsAllowed()) {
            m_loader.clearList();
            m_status->setMessage(QString());
            m_routines->startRecording();
            m_metadataCache.clear();
        }
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
    returnToList();
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
    if (dispatch(QStringLiteral("eList_DblClick")))
        m_ordering.editManual();
}

void MainWindow::eList_OLEDragDrop(const std::vector<QByteArray>& paths)
{
    if (commandsAllowed())
        runScan([this, &paths] { m_loader.dropPaths(paths); });
}

void MainWindow::mFManual_Click()
{
    m_ordering.editManual();
}

void MainWindow::mFApply_Click()
{
    runRename([this] { m_session->apply(false); });
}

void MainWindow::mUndo_Click()
{
    runRename([this] { m_session->undo(); });
}

void MainWindow::mSAll_Click()
{
    m_selection.SelectAll();
}

void MainWindow::mSSel_Click(int index)
{
    // The entries of the Select submenu's array, in menu order.
    static constexpr void (SelectionCommands::*commands[])() = {
        &SelectionCommands::invert, &SelectionCommands::containing, &SelectionCommands::minLength,
        &SelectionCommands::maxLength};
    if (index >= 0 && index < int(std::size(commands)))
        (m_selection.*commands[index])();
}

void MainWindow::mSNone_Click()
{
    m_selection.selectNone();
}

void MainWindow::mSSelExt_Click()
{
    m_selection.withExtension();
}

void MainWindow::mMove_Click(int index)
{
    if (index == 0)
        ItemMover::moveUp(m_store);
    else if (index == 1)
        ItemMover::moveDown(m_store);
}

void MainWindow::mSortSel_Click(int index)
{
    m_ordering.sortSelected(index);
}

void MainWindow::mSortSelBy_Click(int index)
{
    runRead([this, index] { m_contentSort.sortSelected(index, std::ref(*m_readProgress)); });
}

void MainWindow::mInvertSel_Click()
{
    m_ordering.reverseSelected();
}

void MainWindow::mEnumSettings_Click(int index)
{
    // The entry's check mark has toggled with the click; the switch follows it.
    Enumeration::toggleSwitch(m_switches, EnumSwitch(index));
}

void MainWindow::mRoutineSteps_Click()
{
    m_routines->showSteps();
}

void MainWindow::mRoutineSave_Click()
{
    m_routines->saveSteps();
}

void MainWindow::mRoutineManage_Click()
{
    m_routines->manageRoutines();
}

void MainWindow::mRemove_Click()
{
    m_ordering.removeSelected();
}

void MainWindow::mSort_Click(int index)
{
    m_ordering.sortList(index);
}

void MainWindow::mSortBy_Click(int index)
{
    runRead([this, index] { m_contentSort.sortList(index, std::ref(*m_readProgress)); });
}

void MainWindow::setMetadataSource(MetadataReader& reader)
{
    m_metadataCache.setSource(reader);
}

void MainWindow::mInvertList_Click()
{
    m_ordering.reverseList();
}

void MainWindow::mShowDisk_Click()
{
    m_session->setShowDiskNames(!m_list->painter().showsDiskNames());
}
