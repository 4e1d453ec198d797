#pragma once
// The program's main window: menu bar, toolbar, status bar, the navigation tree on the left and
// the grid pane on the right with a splitter between them, the file commands, and the dispatch of
// every menu, toolbar and tree command. Loaded once by the splash window and unloaded once at
// shutdown. Controls carry their names as objectName (menu items and toolbar buttons are QActions,
// a menu's own QMenu and its menuAction share the menu's name).
//
// Geometry of the layout is kept in twips (15 twips = 1 pixel), as SizeControls works in them.

#include <QHash>
#include <QMainWindow>
#include <QString>

class ChannelGrids;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(QWidget *parent = nullptr);
    ~FrmMain() override;

    // Public operations.
    void Form_ReLoad();
    void LoadShowTree();
    // Lays out tree, splitter and grids with the splitter at X (twips), clamped in place.
    void SizeControls(float &X);
    ChannelGrids *Grids() const { return grids_; }
    // The filter of the open and save boxes, set by LoadShowTree.
    QString FileFilter() const { return dlgFilter_; }
    // The splitter's left edge, in twips.
    float SplitterLeft() const;

    // Commands of the menu items, toolbar buttons and shortcuts.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void MnuModelInfo_Click();
    void mnuEditCH_Click();
    void MnuViewSetMode_Click();
    void MnuViewDTMF_Click();
    void MnuView2Tone_Click();
    void MnuView5Tone_Click();
    void MnuViewScan_Click();
    void MnuViewAlert_Click();
    void MnuCommBook_Click();
    void MnuEMg_Click();
    void mnuTestData_Click();
    void MnuCHBatch_Click();
    void MnuSetCom_Click();
    void MnuSetLanguage_Click();
    void MnuSetInit_Click();
    void mnuProRead_Click();
    void MnuProWrite_Click();
    void MnuProPassWord_Click();
    void MnuViewToolBar_Click();
    void MnuViewStatusBar_Click();
    void MnuHelpContent_Click();
    void MnuHelpAbout_Click();
    void tbToolBar_ButtonClick(const QString &key);
    void tvTreeView_NodeClick(const QString &key);

    // Splitter mouse handling; x is the pointer's position in twips from the splitter's left edge.
    void imgSplitter_MouseDown();
    void imgSplitter_MouseMove(float x);
    void imgSplitter_MouseUp();

    // True once the load has ended (the grids' cell entries wait for it).
    bool MainWindowLoaded() const;
    bool SplitterMoving = false;

    QToolBar *tbToolBar = nullptr;
    QStatusBar *sbStatusBar = nullptr;
    QTreeWidget *tvTreeView = nullptr;
    QWidget *imgSplitter = nullptr;
    QFrame *picSplitter = nullptr;
    QLabel *Image1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void BuildPane();
    QAction *Item(const QString &name) const { return items_.value(name); }
    QWidget *PaneControl(const QString &name) const;

    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    void PlaceBars();
    // Moves the splitter right where the tree's labels need it, to atLeast (twips) or beyond.
    void FitTreeWidth(float atLeast);
    void UpdateClock();
    void ShowIdentifyMenus();
    void SaveCurrentFile();
    void OpenFileFromDialog();

    QWidget *client_ = nullptr;
    ChannelGrids *grids_ = nullptr;
    QHash<QString, QAction *> items_;
    QLabel *panels_[3] = {};
    QTimer *clock_ = nullptr;
    QString dlgFilter_;
    QString dlgFileName_;
};
