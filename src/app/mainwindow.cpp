#include "app/mainwindow.h"

#include "app/filelistview.h"
#include "app/infobox.h"
#include "app/twips.h"
#include "dialogs/findreplacedialog.h"
#include "ops/enumeration.h"
#include "platform/posixfilesystem.h"
#include "platform/qtuserinteraction.h"
#include "resources/stringtable.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

// The height of the strip along the bottom edge that carries the lower buttons and the
// check boxes.
constexpr int StripHeight = 2865;
constexpr int StartClientWidth = 7080;
constexpr int StartClientHeight = 4995;

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), m_ownFileSystem(std::make_unique<PosixFileSystem>()),
      m_ownInteraction(std::make_unique<QtUserInteraction>(this, [this] { openFindReplace(); })),
      m_fileSystem(*m_ownFileSystem), m_interaction(*m_ownInteraction)
{
    buildControls();
    Form_Load();
}

MainWindow::MainWindow(FileSystem& fileSystem, UserInteraction& interaction, QWidget* parent)
    : QWidget(parent), m_fileSystem(fileSystem), m_interaction(interaction)
{
    buildControls();
    Form_Load();
}

MainWindow::~MainWindow()
{
    // The dialog is a window of its own, not a child: it must not outlive its owner.
    delete m_findReplace.data();
}

void MainWindow::buildControls()
{
    resize(Twips::x(this, StartClientWidth), Twips::y(this, StartClientHeight));

    m_list = new FileListView(m_store, this);
    m_list->setGeometry(Twips::rect(this, 1440, 120, 5535, 4185));

    const QString captions[9] = {QStringLiteral("Add &files..."), QStringLiteral("Add &directory"),
                                 QStringLiteral("&Modify"),       QStringLiteral("&Apply all"),
                                 QStringLiteral("&Sort list"),    QStringLiteral("&Restore all"),
                                 QStringLiteral("&Clear list"),   QStringLiteral("&Info"),
                                 QStringLiteral("&Quit")};

    m_strip = new QWidget(this);
    m_strip->setObjectName(QStringLiteral("ePic"));
    // Top of the window: Add files, Add directory, Modify; the rest ride on the strip.
    const int stripTops[9] = {-1, -1, -1, 0, 480, 960, 1440, 1920, 2400};
    const int windowTops[3] = {120, 600, 1080};
    for (int i = 0; i < 9; ++i) {
        QWidget* owner = i < 3 ? static_cast<QWidget*>(this) : m_strip;
        m_button[i] = new QPushButton(captions[i], owner);
        m_button[i]->setObjectName(QStringLiteral("eButton(%1)").arg(i));
        m_button[i]->setAutoDefault(false);
        m_button[i]->setGeometry(
            Twips::rect(this, 120, i < 3 ? windowTops[i] : stripTops[i], 1215, 375));
        connect(m_button[i], &QPushButton::clicked, this, [this, i] { eButton_Click(i); });
    }
    m_button[0]->setEnabled(false);

    m_check[0] = new QCheckBox(QStringLiteral("Remove items from &list after renaming"), m_strip);
    m_check[0]->setGeometry(Twips::rect(this, 1440, 2280, 5535, 255));
    m_check[0]->setChecked(true);
    m_check[1] = new QCheckBox(QStringLiteral("Allways on top"), m_strip);
    m_check[1]->setGeometry(Twips::rect(this, 1440, 2520, 5535, 255));
    for (int i = 0; i < 2; ++i) {
        m_check[i]->setObjectName(QStringLiteral("eCheck(%1)").arg(i));
        connect(m_check[i], &QCheckBox::clicked, this, [this, i] { eCheck_Click(i); });
    }

    QWidget* const order[] = {m_list,      m_button[0], m_button[1], m_button[2],
                              m_button[6], m_button[5], m_button[4], m_button[3],
                              m_button[7], m_check[0],  m_button[8], m_check[1]};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_list, &FileListView::pathsDropped, this,
            [this](const std::vector<QByteArray>& paths) { eList_OLEDragDrop(paths); });
    connect(m_list, &FileListView::manualEditRequested, this, [this] { eList_DblClick(); });
    connect(m_list, &FileListView::removeRequested, this, [this] { mRemove_Click(); });
    connect(m_list, &FileListView::menuRequested, this, [this] {
        if (dispatch("eList_MouseUp"))
            popUp(m_menus.itemMenu());
    });

    // Esc ends a running folder scan early.
    auto* stopScan = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    stopScan->setContext(Qt::WindowShortcut);
    connect(stopScan, &QShortcut::activated, this, [this] {
        if (m_loader.isScanning())
            m_loader.requestStop();
    });

    m_menus.action(QStringLiteral("mEnumSettings"), 0)->setChecked(true);
}

void MainWindow::Form_Load()
{
    m_renamer.RemoveAfterRename = true;
    m_switches.FixedWidthNumbers = true;
    setWindowTitle(LoadResString(100));
    Form_Resize();
}

void MainWindow::Form_Resize()
{
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const Twips::ListSize size = Twips::listSizeForClient(Twips::fromPixels(width(), dpiX),
                                                          Twips::fromPixels(height(), dpiY));
    m_list->resize(Twips::toPixels(size.width, dpiX), Twips::toPixels(size.height, dpiY));
    const int stripHeight = Twips::y(this, StripHeight);
    m_strip->setGeometry(0, height() - stripHeight, width(), stripHeight);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
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
    for (int i = 1; i <= 6; ++i)
        m_button[i]->setEnabled(false);
    // Pending events run during the scan; guard against the window going away meanwhile.
    const QPointer<MainWindow> self(this);
    scan();
    if (!self)
        return;
    for (int i = 1; i <= 6; ++i)
        m_button[i]->setEnabled(true);
    if (m_closeAfterScan) {
        m_closeAfterScan = false;
        close();
    }
}

void MainWindow::popUp(QMenu* menu)
{
    Q_EMIT menuOpening(menu);
    menu->exec(QCursor::pos());
}

void MainWindow::openFindReplace()
{
    if (m_findReplace) {
        m_findReplace->raise();
        m_findReplace->activateWindow();
        return;
    }
    m_findReplace = new FindReplaceDialog(this, [this] { ReturnFind(); });
    m_findReplace->show();
}

void MainWindow::ReturnFind()
{
    m_engine.ReturnFind();
}

void MainWindow::ModifyItems(quint8 op)
{
    Q_EMIT operationRequested(op);
    m_engine.ModifyItems(op);
}

void MainWindow::eButton_Click(int index)
{
    switch (index) {
    case 1:
        if (commandsAllowed())
            runScan([this] { m_loader.addDirectoryCommand(); });
        break;
    case 2:
        if (commandsAllowed())
            popUp(m_menus.itemMenu());
        break;
    case 3:
        if (commandsAllowed())
            m_renamer.RenameFiles(true);
        break;
    case 4:
        if (commandsAllowed())
            popUp(m_menus.listMenu());
        break;
    case 5:
        if (commandsAllowed())
            m_renamer.restoreAll();
        break;
    case 6:
        if (commandsAllowed())
            m_loader.clearList();
        break;
    case 7:
        showInfo();
        break;
    case 8:
        close();
        break;
    default: // 0, "Add files...", is disabled and has no action.
        break;
    }
}

void MainWindow::eCheck_Click(int index)
{
    const bool on = m_check[index]->isChecked();
    if (index == 0)
        m_renamer.RemoveAfterRename = on;
    else if (index == 1)
        setAlwaysOnTop(on);
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
        m_renamer.RenameFiles(false);
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
    switch (index) {
    case 0:
        m_selection.invert();
        break;
    case 1:
        m_selection.containing();
        break;
    case 2:
        m_selection.minLength();
        break;
    case 3:
        m_selection.maxLength();
        break;
    default:
        break;
    }
}

void MainWindow::mSNone_Click()
{
    if (dispatch("mSNone_Click"))
        m_selection.selectNone();
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
        ModifyItems(quint8(20 + index));
}

void MainWindow::mNumbers_Click(int index)
{
    if (dispatch("mNumbers_Click", index))
        ModifyItems(quint8(30 + index));
}

void MainWindow::mEnumSettings_Click(int index)
{
    if (!dispatch("mEnumSettings_Click", index))
        return;
    const std::optional<bool> on = Enumeration::toggleSwitch(m_switches, index);
    if (on)
        m_menus.action(QStringLiteral("mEnumSettings"), index)->setChecked(*on);
}

void MainWindow::mFCutX_Click(int index)
{
    if (dispatch("mFCutX_Click", index))
        ModifyItems(quint8(40 + index));
}

void MainWindow::mFCropx_Click(int index)
{
    if (dispatch("mFCropx_Click", index))
        ModifyItems(quint8(50 + index));
}

void MainWindow::mFCase_Click(int index)
{
    if (dispatch("mFCase_Click", index))
        ModifyItems(quint8(60 + index));
}

void MainWindow::mFMP3_Click(int index)
{
    if (dispatch("mFMP3_Click", index))
        ModifyItems(quint8(70 + index));
}

void MainWindow::mFCustom_Click()
{
    if (dispatch("mFCustom_Click"))
        ModifyItems(80);
}

void MainWindow::mEExt_Click(int index)
{
    if (dispatch("mEExt_Click", index))
        ModifyItems(quint8(90 + index));
}

void MainWindow::mFChangeExt_Click()
{
    if (dispatch("mFChangeExt_Click"))
        ModifyItems(99);
}

void MainWindow::mFRestore_Click()
{
    if (dispatch("mFRestore_Click"))
        ModifyItems(100);
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
