#pragma once

// frmLists is Pantrova's main window. It owns the document that holds the user's data while Pantrova runs, the
// views over it (the four lists, the shops, the comparison and the page) and the window variables the dialogs
// work with. Each command turns a user's action into a call on the document and brings the views up to date.
// Its folder (the program's folder) holds the data file.

#include "comparison_engine.h"
#include "data_safety.h"
#include "document.h"
#include "undo.h"
#include "user_prompts.h"
#include "window_layout.h"

#include <QDialog>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class ComparisonModel;
class FindBar;
class ListModel;
class ListView;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class VarnetHost;
class QPushButton;
class QRadioButton;
class QShortcut;
class QTabWidget;
class QTextBrowser;
class QTreeView;
class QUndoStack;
class ShopModel;

class frmLists : public QMainWindow {
    Q_OBJECT

    // First of the members, so that it is built before CF refers to it and outlives every model over it.
    Document m_document;

public:
    static constexpr int ListCount = 4;
    enum Tab { ListsTab = 0, ShopsTab = 1, ComparisonTab = 2, PreviewTab = 3 };

    // Runs the start-up sequence over the data file in programFolder. Without prompts, real message and input
    // boxes are shown.
    explicit frmLists(const QString& programFolder, UserPrompts* prompts = nullptr, QWidget* parent = nullptr);
    ~frmLists() override;

    UserPrompts& prompts() { return *m_prompts; }
    Document& document() { return m_document; }
    // Every command's changes, to undo and redo; the history is not saved.
    QUndoStack& undoStack() { return *m_undo; }

    // False when another Pantrova already had this folder open: this window then said so, loaded nothing and
    // never writes anything; the program ends without showing it.
    bool ownsFolder() const { return m_safety->ownsFolder(); }
    // True while there are changes that no save has written to the data file.
    bool hasUnsavedChanges() const { return m_safety->hasUnsavedChanges(); }

    // Writes the document's lists, shop names and key counter into the store, then the store to the data file.
    // A failure, or the user's choice not to save over a file someone else changed, has already been shown to
    // the user when this returns false.
    bool sve();

    // The list commands; each takes the index of the list whose control fired.
    void lvList_GotFocus(int list);
    void lvList_KeyDown(int list, int key);
    void lvList_AfterLabelEdit(int list, int position, const QString& newText);
    void lvList_ItemCheck(int list, int position, bool ticked);
    void RefreshSelectAll(int list);
    void chkSelAll_Click(int list);
    void cmdAdd_Click(int list);
    void cmdEdit_Click(int list);
    void cmdNUp_Click(int list);
    void cmdNDown_Click(int list);
    void cmdPlus_Click(int list);
    void cmdMinus_Click(int list);
    void mnuEditMOC_Click();

    // Selects the next item (or previous, backwards) whose name contains the text, from the current item on,
    // across the four lists in order and round again, and shows it on the Lists tab. False when none does.
    bool findItem(const QString& text, bool backwards, bool fromCurrent);

    void lvShops_ItemClick(int shop);
    void mnuOptionsSymbol_Click();
    void mnuOptionsOldPrices_Click();
    // File, Export to CSV and Import from CSV: the lists and prices for a spreadsheet, and back.
    void mnuFileExport_Click();
    void mnuFileImport_Click();
    // Reacts to the tab in front, as if it had just been chosen after previousTab.
    void tabMain_Change(int previousTab);

    // The price comparison: rebuilds lvCompare.
    void GenPCList();
    void lvCompare_ItemClick(const QModelIndex& index);
    void cmdCEdit_Click();

    // Whether a new item can get a key: the counter is 32 bits and never wraps. Tells the user when it cannot.
    bool keysLeft();
    // The row (from 0) of the list's selected item; -1 when none is selected.
    int selectedRow(int list) const;
    // The item of the comparison's current row: its key and its label; an empty key when that row is no item.
    std::pair<QString, QString> comparedItem() const;

    // The printable page: merges the lists into the template, writes "Pantrova.htm" and shows it.
    void buildPage();
    void cmdPrint_Click();
    // Prints the shown page; the print dialog has already been accepted.
    void printPage(QPrinter& printer);

    // The window variables the dialogs share.
    qint16 EditorMode = 0;
    qint16 EditorList = 0;
    qint16 CurrentList = 0;
    qint16 AddToBottom = 0;
    QString DataFile;
    QString AppFolder;
    bool ExitWithoutSaving = false;

    // The store behind the document, for reading; every change goes through the document.
    const ConfigFile& CF = m_document.store();
    std::unique_ptr<VarnetHost> Varnet;

    // Shows a dialog modally: exec() in the program; tests replace it to drive the dialog instead.
    std::function<void(QDialog&)> showModal = [](QDialog& dialog) { dialog.exec(); };

    // Controls, by their design names.
    QTabWidget* tabMain = nullptr;
    std::array<QLabel*, ListCount> lblName{};
    std::array<QLineEdit*, ListCount> txtName{};
    std::array<ListView*, ListCount> lvList{};
    std::array<QCheckBox*, ListCount> chkSelAll{};
    std::array<QPushButton*, ListCount> cmdAdd{}, cmdEdit{}, cmdNUp{}, cmdNDown{}, cmdPlus{}, cmdMinus{};
    std::array<QLabel*, 7> lblInfo{};
    QTreeView* lvShops = nullptr;
    QLabel* lblShow = nullptr;
    std::array<QRadioButton*, 2> optShow{};
    QTreeView* lvCompare = nullptr;
    QPushButton* cmdCEdit = nullptr;
    QLabel* lblCheapest = nullptr; // below the table: how many of the shown items the cheapest shop prices
    FindBar* findBar = nullptr;
    QTextBrowser* wbList = nullptr;
    QPushButton* cmdPrint = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileExport = nullptr;
    QAction* mnuFileImport = nullptr;
    QAction* mnuFileEWS = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QAction* mnuEditFind = nullptr;
    QAction* mnuEditMOC = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuOptionsSymbol = nullptr;
    QAction* mnuOptionsOldPrices = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createListsTab(QWidget* page);
    void createShopsTab(QWidget* page);
    void createComparisonTab(QWidget* page);
    void createPreviewTab(QWidget* page);
    void createMenus();
    void fitScreen();
    void applyGeometry();
    void connectListCommands(int list);
    void connectDocument();
    // Groups the document changes made while the result lives into one undo step called `text`.
    UndoStep undoStep(const QString& text, int mergeId = -1) { return {*m_undo, m_document, text, mergeId}; }
    void undoOrRedo(bool undo);
    void moveSelectedRow(int list, int offset);
    void openItemEditor(int list, qint16 mode);
    void setMoveOrCopyCaption(const QString& itemName);

    void startUp(const QString& programFolder);

    std::unique_ptr<DataSafety> m_safety; // the lock, loading, the recovery file and saving

    QUndoStack* m_undo = nullptr;
    std::array<ListModel*, ListCount> m_listModels{};
    ShopModel* m_shopModel = nullptr;
    ComparisonModel* m_comparisonModel = nullptr;
    ComparisonEngine m_comparison; // the table's and the page's, keeping the amounts it formatted
    std::unique_ptr<UserPrompts> m_ownedPrompts;
    UserPrompts* m_prompts;
    std::array<QShortcut*, ListCount> m_nameShortcuts{};
    int m_shownTab = ListsTab;
    WindowLayout::Geometry m_geometry;
    QWidget* m_pageArea = nullptr;
};
