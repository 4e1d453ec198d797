#include "shell/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <cmath>

#include "data/app_state.h"
#include "data/hooks.h"
#include "data/lang_text.h"
#include "data/message_table.h"
#include "link/radio_link.h"
#include "platform/dialog_routines.h"
#include "platform/flex_grid.h"
#include "platform/form_kit.h"
#include "platform/program_dir.h"
#include "platform/prompt.h"
#include "shell/channel_grids.h"
#include "shell/frm_about.h"
#include "shell/frm_language.h"
#include "shell/frm_model.h"
#include "shell/localize.h"
#include "shell/startup.h"

namespace {

using Command = void (FrmMain::*)();

struct ItemDef {
    const char *name;
    int key;      // caption key; 0 for a separator
    int shortcut; // the letter of a Ctrl shortcut, 0 for none
    Command command;
};

struct MenuDef {
    const char *name;
    int key;
    std::vector<ItemDef> items;
};

// The menu bar, in its order. MnuViewRadio has no command.
const std::vector<MenuDef> &MenuTable()
{
    static const std::vector<MenuDef> table = {
        {"mnuFile", 1000,
         {{"mnuFileNew", 1001, Qt::Key_N, &FrmMain::mnuFileNew_Click},
          {"mnuFileOpen", 1002, Qt::Key_O, &FrmMain::mnuFileOpen_Click},
          {"mnuFileSave", 1003, Qt::Key_S, &FrmMain::mnuFileSave_Click},
          {"mnuFileSaveAs", 1004, 0, &FrmMain::mnuFileSaveAs_Click},
          {"mnuFileBar0", 0, 0, nullptr},
          {"mnuFilePrint", 1005, 0, &FrmMain::mnuFilePrint_Click},
          {"mnuFileBar1", 0, 0, nullptr},
          {"mnuFileExit", 1006, 0, &FrmMain::mnuFileExit_Click}}},
        {"MnuModel", 1060, {{"MnuModelInfo", 1061, 0, &FrmMain::MnuModelInfo_Click}}},
        {"mnuEdit", 1010,
         {{"mnuEditCH", 1011, 0, &FrmMain::mnuEditCH_Click},
          {"MnuViewSetMode", 1021, 0, &FrmMain::MnuViewSetMode_Click},
          {"MnuViewRadio", 1022, 0, nullptr},
          {"MnuViewDTMF", 1023, 0, &FrmMain::MnuViewDTMF_Click},
          {"MnuView2Tone", 1024, 0, &FrmMain::MnuView2Tone_Click},
          {"MnuView5Tone", 1025, 0, &FrmMain::MnuView5Tone_Click},
          {"MnuViewScan", 2401, 0, &FrmMain::MnuViewScan_Click},
          {"MnuViewAlert", 2601, 0, &FrmMain::MnuViewAlert_Click},
          {"MnuCommBook", 1804, 0, &FrmMain::MnuCommBook_Click},
          {"MnuEMg", 1028, 0, &FrmMain::MnuEMg_Click},
          {"mnuTestData", 8001, 0, &FrmMain::mnuTestData_Click},
          {"mnuEditBar0", 0, 0, nullptr},
          {"MnuCHBatch", 1029, 0, &FrmMain::MnuCHBatch_Click}}},
        {"MnuSet", 1030,
         {{"MnuSetCom", 1031, 0, &FrmMain::MnuSetCom_Click},
          {"MnuSetLanguage", 1032, 0, &FrmMain::MnuSetLanguage_Click},
          {"MnuSetInit", 1033, 0, &FrmMain::MnuSetInit_Click}}},
        {"mnuPro", 1040,
         {{"mnuProRead", 1041, 0, &FrmMain::mnuProRead_Click},
          {"MnuProWrite", 1042, 0, &FrmMain::MnuProWrite_Click},
          {"MnuProPassWord", 1043, 0, &FrmMain::MnuProPassWord_Click}}},
        {"MnuView", 1020,
         {{"MnuViewToolBar", 1026, 0, &FrmMain::MnuViewToolBar_Click},
          {"MnuViewStatusBar", 1027, 0, &FrmMain::MnuViewStatusBar_Click}}},
        {"MnuHelp", 1050,
         {{"MnuHelpContent", 1051, 0, &FrmMain::MnuHelpContent_Click},
          {"MnuHelpAbout", 1052, 0, &FrmMain::MnuHelpAbout_Click}}},
    };
    return table;
}
// The caption keys above are put in place by LocalizeFormCaptions:
// lang-keys: OTHER 1000-1006 1010 1011 1020-1033 1040-1043 1050-1052 1060 1061 1804 2401 2601 8001

struct ButtonDef {
    const char *key;     // nullptr for a separator
    int toolTipKey;      // 0: no tool tip
    QStyle::StandardPixmap icon;
};

const ButtonDef kButtons[] = {
    {"TNewFile", 1001, QStyle::SP_FileIcon},
    {"TOpenFile", 1002, QStyle::SP_DialogOpenButton},
    {"TSaveFile", 1003, QStyle::SP_DialogSaveButton},
    {nullptr, 0, QStyle::SP_CustomBase},
    {"TCommRead", 1041, QStyle::SP_ArrowDown},
    {"TCommPort", 0, QStyle::SP_ComputerIcon},
    {"TCommWrite", 1042, QStyle::SP_ArrowUp},
    {nullptr, 0, QStyle::SP_CustomBase},
    {"TAbout", 1052, QStyle::SP_MessageBoxInformation},
};

// The toolbar buttons and the menu commands they run, in the order their keys are compared.
const std::pair<const char *, Command> kButtonCommands[] = {
    {"TNewFile", &FrmMain::mnuFileNew_Click},     {"TOpenFile", &FrmMain::mnuFileOpen_Click},
    {"TSaveFile", &FrmMain::mnuFileSave_Click},   {"TCommRead", &FrmMain::mnuProRead_Click},
    {"TCommPort", &FrmMain::MnuSetCom_Click},     {"TCommWrite", &FrmMain::MnuProWrite_Click},
    {"TAbout", &FrmMain::MnuHelpAbout_Click},
};

// Layout constants, twips.
constexpr float kMinWindowWidth = 3000;
constexpr float kSplitterMargin = 30; // smallest splitter position and distance from the right edge
constexpr float kGridGap = 40;        // from the splitter position to the grids' left edge
constexpr float kBottomGap = 30;      // below the grids
constexpr float kDragBarShorter = 20;
constexpr float kSplitterStart = 2400;
constexpr float kSplitterWidth = 40;
constexpr float kGridMinWidth[3] = {ChannelGrids::kChannelGridSmallestWidth, 2070, 1830};

float Twips(int px) { return static_cast<float>(PxToTwips(px)); }

// Moves an in-place editor over its grid's current cell (the grid at its present place).
void MoveEditorOverCell(QWidget *editor, const FlexGrid *grid)
{
    if (!editor || !grid)
        return;
    editor->setGeometry(grid->x() + TwipsToPx(grid->CellLeft()), grid->y() + TwipsToPx(grid->CellTop()),
                        TwipsToPx(grid->CellWidth()), TwipsToPx(grid->CellHeight()));
}

} // namespace

FrmMain::FrmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    BuildMenus();
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client_);
    BuildToolBar();
    BuildStatusBar();
    BuildPane();
    client_->installEventFilter(this);

    HookRegistry &hooks = Hooks();
    hooks.ReShowListByData = [this] { grids_->ReShowListByData(); };
    hooks.ReShowRadioListByData = [this] { grids_->ReShowRadioListByData(); };
    hooks.ReShowGrid = [this](int grid, int row, int col) { grids_->ReShowGrid(grid, row, col); };
    hooks.LoadShowTree = [this] { LoadShowTree(); };
    hooks.Form_ReLoad = [this] { Form_ReLoad(); };
    hooks.mnuFileSave_Click = [this] { mnuFileSave_Click(); };
    hooks.ShowIdentifyMenus = [this] { ShowIdentifyMenus(); };

    Form_Load();
}

FrmMain::~FrmMain()
{
    HookRegistry &hooks = Hooks();
    hooks.ReShowListByData = nullptr;
    hooks.ReShowRadioListByData = nullptr;
    hooks.ReShowGrid = nullptr;
    hooks.LoadShowTree = nullptr;
    hooks.Form_ReLoad = nullptr;
    hooks.mnuFileSave_Click = nullptr;
    hooks.ShowIdentifyMenus = nullptr;
}

void FrmMain::BuildMenus()
{
    QMenuBar *bar = menuBar();
    for (const MenuDef &def : MenuTable()) {
        auto *menu = new QMenu(bar);
        menu->setObjectName(QLatin1String(def.name));
        menu->menuAction()->setObjectName(QLatin1String(def.name));
        // The caption holds its key until LocalizeFormCaptions moves it into the tag.
        menu->setTitle(QString::number(def.key));
        bar->addMenu(menu);
        items_.insert(QLatin1String(def.name), menu->menuAction());
        for (const ItemDef &item : def.items) {
            auto *action = new QAction(menu);
            action->setObjectName(QLatin1String(item.name));
            if (item.key == 0) {
                // No text: a style may draw a separator's text as a section title.
                action->setSeparator(true);
            } else {
                action->setText(QString::number(item.key));
            }
            if (item.shortcut != 0)
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(item.shortcut)));
            if (item.command) {
                const Command command = item.command;
                connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
            }
            menu->addAction(action);
            items_.insert(QLatin1String(item.name), action);
        }
    }
    Item(QStringLiteral("MnuViewToolBar"))->setCheckable(true);
    Item(QStringLiteral("MnuViewStatusBar"))->setCheckable(true);
    // Switched off in the window's design: shown, but it cannot be chosen.
    Item(QStringLiteral("MnuViewScan"))->setEnabled(false);
}

void FrmMain::BuildToolBar()
{
    tbToolBar = new QToolBar(client_);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    for (const ButtonDef &def : kButtons) {
        if (!def.key) {
            tbToolBar->addSeparator();
            continue;
        }
        auto *button = new QAction(tbToolBar);
        button->setObjectName(QLatin1String(def.key));
        button->setIcon(style()->standardIcon(def.icon));
        // The tool tip holds its key until LocalizeFormCaptions replaces it.
        if (def.toolTipKey != 0)
            button->setToolTip(QString::number(def.toolTipKey));
        const QString key = QLatin1String(def.key);
        connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
        tbToolBar->addAction(button);
    }
}

void FrmMain::BuildStatusBar()
{
    sbStatusBar = new QStatusBar(client_);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    sbStatusBar->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(sbStatusBar);
        SetArrayName(panels_[i], QStringLiteral("Panels"), i + 1);
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        sbStatusBar->addPermanentWidget(panels_[i], i == 0 ? 1 : 0);
    }
    panels_[0]->setText(QStringLiteral("Status"));
    clock_ = new QTimer(this);
    clock_->setTimerType(Qt::PreciseTimer); // a coarse one drifts against the seconds it shows
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &FrmMain::UpdateClock);
    clock_->start();
    UpdateClock();
}

void FrmMain::UpdateClock()
{
    const QLocale locale = QLocale::system();
    panels_[1]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    panels_[2]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void FrmMain::BuildPane()
{
    Image1 = new QLabel(client_);
    Image1->setObjectName(QStringLiteral("Image1"));

    tvTreeView = new QTreeWidget(client_);
    tvTreeView->setObjectName(QStringLiteral("tvTreeView"));
    tvTreeView->setHeaderHidden(true);
    tvTreeView->setColumnCount(1);
    connect(tvTreeView, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *node, int) {
        if (node)
            tvTreeView_NodeClick(node->data(0, Qt::UserRole).toString());
    });

    imgSplitter = new QWidget(client_);
    imgSplitter->setObjectName(QStringLiteral("imgSplitter"));
    imgSplitter->setCursor(Qt::SplitHCursor);
    imgSplitter->setGeometry(TwipsToPx(kSplitterStart), 0, TwipsToPx(kSplitterWidth), 1);
    imgSplitter->installEventFilter(this);

    picSplitter = new QFrame(client_);
    picSplitter->setObjectName(QStringLiteral("picSplitter"));
    picSplitter->setAutoFillBackground(true);
    QPalette dark = picSplitter->palette();
    dark.setColor(QPalette::Window, QColor(128, 128, 128));
    picSplitter->setPalette(dark);
    picSplitter->hide();

    grids_ = new ChannelGrids(client_);
}

QWidget *FrmMain::PaneControl(const QString &name) const { return client_->findChild<QWidget *>(name); }

float FrmMain::SplitterLeft() const { return Twips(imgSplitter->x()); }

bool FrmMain::MainWindowLoaded() const { return grids_->MainWindowLoaded(); }

void FrmMain::Form_Load()
{
    const AppState &st = State();
    grids_->setMainWindowLoaded(false);

    Item(QStringLiteral("mnuTestData"))->setVisible(st.TestModeFlag);
    Item(QStringLiteral("MnuHelpContent"))->setVisible(st.HelpAvailable != 0);
    Item(QStringLiteral("mnuFilePrint"))->setVisible(st.PrintAvailable != 0);
    Item(QStringLiteral("MnuView5Tone"))->setVisible(false);
    Item(QStringLiteral("MnuView2Tone"))->setVisible(false);
    Item(QStringLiteral("MnuViewDTMF"))->setVisible(st.FeatureFlags.DtmfFlag != 0);

    picSplitter->raise();
    Image1->lower();

    LocalizeFormCaptions(this);

    Item(QStringLiteral("MnuViewToolBar"))->setChecked(true);
    Item(QStringLiteral("MnuViewStatusBar"))->setChecked(true);

    Link().CommandTimer.stop();
    Link().WaitTimer.stop();

    // Placement: the stored one, else the top left corner and the size of the screen.
    QSize screen(800, 600);
    if (const QScreen *s = QGuiApplication::primaryScreen())
        screen = s->availableGeometry().size();
    const WindowPlacement place = ReadMainPlacement(Twips(screen.width()), Twips(screen.height()));
    move(TwipsToPx(place.Left), TwipsToPx(place.Top));
    resize(std::max(1, TwipsToPx(place.Width)), std::max(1, TwipsToPx(place.Height)));

    // The hidden lists the channel grid takes its texts from, and the grids' column layout.
    grids_->FillHiddenLists();
    grids_->LayoutGrids();

    for (const char *name : {"Text1", "Text2"})
        if (QWidget *box = PaneControl(QLatin1String(name)))
            RidTextMenu(box);

    LoadShowTree();
    FitTreeWidth(kSplitterStart);
    grids_->ShowListByData();
    // The channel grid is shown until the tree chooses a grid; the others stay hidden, so that
    // neither Tab nor their in-place editors can reach them behind it.
    for (int i = 0; i < 3; ++i)
        if (QWidget *grid = grids_->Grid(i))
            grid->setVisible(i == 0);
    picSplitter->raise();

    grids_->setMainWindowLoaded(true);
}

void FrmMain::FitTreeWidth(float atLeast)
{
    // The splitter goes where the tree's labels fit without being cut, or stays further right.
    // (QTreeView hides sizeHintForColumn; its base class calls the same override.)
    const int labels = static_cast<QAbstractItemView *>(tvTreeView)->sizeHintForColumn(0) + 2 * tvTreeView->frameWidth() +
                       tvTreeView->verticalScrollBar()->sizeHint().width();
    float x = std::max(atLeast, Twips(labels));
    imgSplitter->move(TwipsToPx(x), imgSplitter->y());
    SizeControls(x);
}

void FrmMain::ShowIdentifyMenus()
{
    Item(QStringLiteral("MnuView5Tone"))->setVisible(false);
    Item(QStringLiteral("MnuViewDTMF"))->setVisible(State().FeatureFlags.DtmfFlag != 0);
}

void FrmMain::Form_ReLoad()
{
    LocalizeFormCaptions(this);
    grids_->FitChannelColumns(); // the new language's headers and font
    LoadShowTree();
    FitTreeWidth(SplitterLeft());
    grids_->ShowListByData();
}

void FrmMain::LoadShowTree()
{
    const AppState &st = State();
    dlgFilter_ = InCurrentLanguage(MessageTable().MsgDataFile) + QStringLiteral(" (*.dat)");

    tvTreeView->clear();
    auto *root = new QTreeWidgetItem(tvTreeView, QStringList(st.CurModelDisplay));
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    const auto add = [root](const char *key, const QString &text) {
        auto *node = new QTreeWidgetItem(root, QStringList(text));
        node->setData(0, Qt::UserRole, QLatin1String(key));
    };
    add("N1", QStringLiteral("CH"));
    add("N3", QStringLiteral("Radio"));
    add("N4", GetLangText(5021));
    if (st.FeatureFlags.DtmfFlag != 0)
        add("N5", GetLangText(5023));
    add("N11", GetLangText(2600));
    add("N8", GetLangText(5804));
    add("N9", GetLangText(5028));
    if (st.TestModeFlag)
        add("N14", GetLangText(8000));
    root->setExpanded(true);
}

void FrmMain::tvTreeView_NodeClick(const QString &key)
{
    for (const char *name : {"Text1", "Text2", "Combo1"})
        if (QWidget *editor = PaneControl(QLatin1String(name)))
            editor->hide();

    const auto showOnly = [this](int shown) {
        for (int i = 0; i < 3; ++i)
            if (QWidget *grid = grids_->Grid(i))
                grid->setVisible(i == shown);
    };
    if (key == QLatin1String("N1"))
        showOnly(0);
    else if (key == QLatin1String("N2"))
        showOnly(1);
    else if (key == QLatin1String("N3"))
        showOnly(2);
    else if (key == QLatin1String("N4"))
        CallHook(Hooks().ShowFrmOption);
    else if (key == QLatin1String("N5"))
        CallHook(Hooks().ShowFrmDTMF);
    else if (key == QLatin1String("N6"))
        CallHook(Hooks().ShowFrm2Tone);
    else if (key == QLatin1String("N7"))
        CallHook(Hooks().ShowFrm5Tone);
    else if (key == QLatin1String("N8"))
        CallHook(Hooks().ShowFrmCommuBook);
    else if (key == QLatin1String("N9"))
        MnuEMg_Click();
    else if (key == QLatin1String("N10"))
        MnuViewScan_Click();
    else if (key == QLatin1String("N11"))
        MnuViewAlert_Click();
    else if (key == QLatin1String("N14"))
        mnuTestData_Click();
}

void FrmMain::tbToolBar_ButtonClick(const QString &key)
{
    for (const auto &[buttonKey, command] : kButtonCommands) {
        if (key == QLatin1String(buttonKey)) {
            try {
                (this->*command)();
            } catch (...) {
                // A failure inside a command started from the toolbar ends that command quietly.
            }
            return;
        }
    }
}

// ----- commands of the menus -------------------------------------------------------------------

void FrmMain::mnuFilePrint_Click() { CallHook(Hooks().ShowFrmPrintList); }

void FrmMain::mnuFileExit_Click() { close(); }

void FrmMain::MnuModelInfo_Click()
{
    FrmModel dialog;
    prompt().ShowModal(&dialog);
}

void FrmMain::mnuEditCH_Click() { grids_->MSFlexGrid1_DblClick(0); }

void FrmMain::MnuViewSetMode_Click() { CallHook(Hooks().ShowFrmOption); }
void FrmMain::MnuViewDTMF_Click() { CallHook(Hooks().ShowFrmDTMF); }
void FrmMain::MnuView2Tone_Click() { CallHook(Hooks().ShowFrm2Tone); }
void FrmMain::MnuView5Tone_Click() { CallHook(Hooks().ShowFrm5Tone); }
void FrmMain::MnuViewScan_Click() { CallHook(Hooks().ShowFrmScan); }
void FrmMain::MnuViewAlert_Click() { CallHook(Hooks().ShowFrmAlert); }
void FrmMain::MnuCommBook_Click() { CallHook(Hooks().ShowFrmCommuBook); }
void FrmMain::mnuTestData_Click() { CallHook(Hooks().ShowFrmTestData); }
void FrmMain::MnuCHBatch_Click() { CallHook(Hooks().ShowFrmCHBatch); }

void FrmMain::MnuSetLanguage_Click()
{
    FrmLanguage dialog;
    prompt().ShowModal(&dialog);
}

void FrmMain::MnuViewToolBar_Click()
{
    tbToolBar->setVisible(Item(QStringLiteral("MnuViewToolBar"))->isChecked());
    PlaceBars();
    float x = SplitterLeft();
    SizeControls(x);
}

void FrmMain::MnuViewStatusBar_Click()
{
    sbStatusBar->setVisible(Item(QStringLiteral("MnuViewStatusBar"))->isChecked());
    PlaceBars();
    float x = SplitterLeft();
    SizeControls(x);
}

void FrmMain::MnuHelpContent_Click()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(ProgramPath(HelpFileName(State().LanguageIndex))));
}

void FrmMain::MnuHelpAbout_Click()
{
    FrmAbout dialog(this);
    prompt().ShowModal(&dialog);
}

// ----- shutdown --------------------------------------------------------------------------------

void FrmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void FrmMain::Form_Unload()
{
    for (const char *name : {"Text1", "Text2"})
        if (QWidget *box = PaneControl(QLatin1String(name)))
            RestoreTextMenu(box);

    // Every other window goes first, the most recent one first.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QWidget *w = *it;
        if (w == this || w->parentWidget() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
            continue;
        w->close();
    }

    if (!isMinimized()) {
        // The frame's position, which move() takes back, and the size that resize() takes back,
        // so that the window opens next time exactly where and as large as it was.
        WindowPlacement place;
        place.Left = Twips(frameGeometry().x());
        place.Top = Twips(frameGeometry().y());
        place.Width = Twips(width());
        place.Height = Twips(height());
        StoreMainPlacement(place);
    }

    SaveFeatureFlags();
}

// ----- layout ----------------------------------------------------------------------------------

void FrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void FrmMain::Form_Resize()
{
    const int frameExtra = frameGeometry().width() - width();
    if (Twips(frameGeometry().width()) < kMinWindowWidth)
        resize(TwipsToPx(kMinWindowWidth) - frameExtra, height());
    // The rest of the layout follows the client area's own resize (eventFilter).
}

void FrmMain::PlaceBars()
{
    const int h = tbToolBar->sizeHint().height();
    tbToolBar->setGeometry(0, 0, client_->width(), h);
    const int sh = sbStatusBar->sizeHint().height();
    sbStatusBar->setGeometry(0, client_->height() - sh, client_->width(), sh);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client_ && event->type() == QEvent::Resize) {
        PlaceBars();
        float x = SplitterLeft();
        SizeControls(x);
    } else if (watched == imgSplitter) {
        auto *mouse = dynamic_cast<QMouseEvent *>(event);
        if (mouse && mouse->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonPress) {
            imgSplitter_MouseDown();
            return true;
        }
        if (mouse && event->type() == QEvent::MouseMove) {
            imgSplitter_MouseMove(static_cast<float>(mouse->position().x()) * kTwipsPerPixel);
            return true;
        }
        if (mouse && mouse->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonRelease) {
            imgSplitter_MouseUp();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::imgSplitter_MouseDown()
{
    const int barWidth = static_cast<int>(std::nearbyint(Twips(imgSplitter->width()))) / 2;
    picSplitter->setGeometry(imgSplitter->x(), imgSplitter->y(), std::max(1, TwipsToPx(barWidth)),
                             std::max(0, TwipsToPx(Twips(imgSplitter->height()) - kDragBarShorter)));
    picSplitter->show();
    SplitterMoving = true;
    picSplitter->raise();
}

void FrmMain::imgSplitter_MouseMove(float x)
{
    if (!SplitterMoving)
        return;
    const float p = SplitterLeft() + x;
    const float width = Twips(frameGeometry().width());
    float left = p;
    if (p < kSplitterMargin)
        left = kSplitterMargin;
    else if (p > width / 2)
        left = width / 2;
    picSplitter->move(TwipsToPx(left), picSplitter->y());
}

void FrmMain::imgSplitter_MouseUp()
{
    float x = Twips(picSplitter->x());
    SizeControls(x);
    picSplitter->hide();
    SplitterMoving = false;
}

void FrmMain::SizeControls(float &X)
{
    const float clientWidth = Twips(client_->width());
    const float clientHeight = Twips(client_->height());
    const float width = Twips(frameGeometry().width());

    Image1->setGeometry(0, 0, client_->width(), client_->height());

    if (X < kSplitterMargin)
        X = kSplitterMargin;
    if (X > width - kSplitterMargin)
        X = width - kSplitterMargin;

    tvTreeView->resize(TwipsToPx(X), tvTreeView->height());
    imgSplitter->move(TwipsToPx(X), imgSplitter->y());

    for (int i = 0; i < 3; ++i) {
        FlexGrid *grid = grids_->Grid(i);
        if (!grid)
            continue;
        const float left = X + kGridGap;
        float gridWidth = clientWidth - left;
        if (gridWidth < kGridMinWidth[i])
            gridWidth = kGridMinWidth[i];
        grid->setGeometry(TwipsToPx(left), grid->y(), TwipsToPx(gridWidth), grid->height());
        // The width beyond the smallest goes to the spare grid's last column. The channel grid's
        // empty filler column is never seen (ChannelGrids::LayoutGrids), so the width beyond its
        // columns stays empty and no move can land there.
        if (i == 1 && gridWidth > kGridMinWidth[1])
            grid->setColWidth(grid->Cols() - 1, static_cast<int>(std::nearbyint(gridWidth - kGridMinWidth[1])));
        if (i == 1 || i == 2) {
            QWidget *editor = PaneControl(i == 1 ? QStringLiteral("Text1") : QStringLiteral("Text2"));
            if (editor && !editor->isHidden())
                MoveEditorOverCell(editor, grid);
        }
    }

    const bool toolBarShown = !tbToolBar->isHidden();
    const bool statusBarShown = !sbStatusBar->isHidden();
    tvTreeView->move(tvTreeView->x(), toolBarShown ? tbToolBar->height() : 0);
    for (int i = 0; i < 3; ++i)
        if (QWidget *grid = grids_->Grid(i))
            grid->move(grid->x(), tvTreeView->y());

    // A height that would be negative leaves the old one, as the rest of the layout goes on.
    const auto setTreeHeight = [this](float h) {
        if (h >= 0)
            tvTreeView->resize(tvTreeView->width(), TwipsToPx(h));
    };
    setTreeHeight(clientHeight - (statusBarShown ? Twips(sbStatusBar->height()) : 0));
    if (toolBarShown)
        setTreeHeight(Twips(tvTreeView->height()) - Twips(tbToolBar->y()) - Twips(tbToolBar->height()));
    const float gridHeight = Twips(tvTreeView->height()) - kBottomGap;
    for (int i = 0; i < 3; ++i)
        if (QWidget *grid = grids_->Grid(i); grid && gridHeight >= 0)
            grid->resize(grid->width(), TwipsToPx(gridHeight));

    imgSplitter->setGeometry(imgSplitter->x(), tvTreeView->y(), imgSplitter->width(), tvTreeView->height());
}
