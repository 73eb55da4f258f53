// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// MainWindow is Pantrova's main window: the four lists, the shops, the price comparison and the printable page
// over the document that holds the user's data while Pantrova runs. Each command turns a user's action into one
// undo step on the document, or opens a dialog and applies the edit it gives back; the data's safety (the
// lock, loading, the recovery file, saving) is DataSafety's, the comparison's arithmetic ComparisonEngine's and
// the page's merge PageBuilder's. Its folder (the program's folder) holds the data file.
// Rows count from 0 and lists from 0; shops count from 1. Its controls and commands are private; each control a
// test needs has an object name ("list0", "add0", "comparison", the actions "save", "undo", ...).

#include "comparison_engine.h"
#include "document.h"
#include "install_layout.h"
#include "undo.h"
#include "user_prompts.h"
#include "window_layout.h"

#include <QMainWindow>

#include <array>
#include <memory>

class ComparisonModel;
class DataSafety;
class FindBar;
class ListModel;
class ListView;
class LocalSettings;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QShortcut;
class QTabWidget;
class QTextBrowser;
class QTimer;
class QTreeView;
class QUndoStack;
class ShopModel;
class VarnetHost;

class MainWindow : public QMainWindow {
    Q_OBJECT

    // First of the members, so that it outlives every model and dialog over it.
    Document m_document;

public:
    static constexpr int ListCount = Store::ListCount;
    enum Tab { ListsTab = 0, ShopsTab = 1, ComparisonTab = 2, PreviewTab = 3 };

    // Runs the start-up sequence over the data file in programFolder. Without prompts, real message and input
    // boxes are shown.
    explicit MainWindow(const QString& programFolder, UserPrompts* prompts = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    Document& document() { return m_document; }
    // Every command's changes, to undo and redo; the history is not saved.
    QUndoStack& undoStack() { return *m_undo; }
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    // False when another Pantrova already had this folder open: this window then said so, loaded nothing and
    // never writes anything; the program ends without showing it.
    bool ownsFolder() const;
    // True while there are changes that no save has written to the data file.
    bool hasUnsavedChanges() const;
    // The list the Edit menu and Find start from: the one whose controls the user used last.
    int currentList() const { return m_currentList; }

    // Writes the document into the data file. A failure, or the user's choice not to save over a file someone
    // else changed, has already been shown to the user when this returns false.
    bool save();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one list on the Lists tab.
    struct ListColumn {
        QLabel* nameLabel = nullptr;
        QLineEdit* name = nullptr;
        QCheckBox* tickAll = nullptr;
        QLabel* quantityLabel = nullptr;
        QPushButton *more = nullptr, *fewer = nullptr;
        ListView* view = nullptr;
        ListModel* model = nullptr;
        QPushButton *add = nullptr, *edit = nullptr, *up = nullptr, *down = nullptr;
        QShortcut* nameShortcut = nullptr; // the name's access key from the other tabs
    };

    void createListsTab(QWidget* page);
    void createShopsTab(QWidget* page);
    void createComparisonTab(QWidget* page);
    void createPreviewTab(QWidget* page);
    void createMenus();
    void fitScreen();
    void applyGeometry();
    void connectDocument();
    void startUp(const QString& programFolder);
    // Groups the document changes made while the result lives into one undo step called `text`.
    UndoStep undoStep(const QString& text, int mergeId = -1) { return {*m_undo, m_document, text, mergeId}; }
    void runDialog(QDialog& dialog) { m_runDialog(dialog); }

    // The list commands; each takes the list whose control fired.
    void listFocused(int list);
    void listKeyPressed(int list, int key);
    void renameItemByUser(int list, int row, const QString& name);
    void tickItemByUser(int list, int row, bool ticked);
    // Sets the list's tick-all box from its items' ticks; an empty list's box stays as it is.
    void refreshTickAll(int list);
    void refreshTickAll();
    void tickAll(int list);
    void count(int list, int by);
    void moveSelectedRow(int list, int offset);
    void openItemEditor(int list, bool adding);
    // Edit, Enter and a double-click on the list: the item editor on the selected item, if there is one.
    void editSelected(int list);
    void moveOrCopy();
    void setMoveOrCopyCaption(const QString& itemName);
    // The selected row of the list; -1 when none is selected.
    int selectedRow(int list) const;
    // Whether a new item can get a key: the counter is 32 bits and never wraps. Tells the user when it cannot.
    bool keysLeft();
    // Selects the next item (or previous, backwards) whose name contains the text, from the current item on,
    // across the four lists in order and round again, and shows it on the Lists tab. False when none does.
    bool findItem(const QString& text, bool backwards, bool fromCurrent);

    void renameShop(int shop);
    void setTripCost(int shop);
    // Answers a click, Enter or Space on a cell of the shops: the name or the trip cost asks for a new one.
    void shopCellChosen(const QModelIndex& index);
    void changeSymbol();
    void changeOldPriceDays();
    void exportCsv();
    void importCsv();
    void undoOrRedo(bool undo);
    // Brings the tab in front up to date: the comparison and the page are worked out whenever they show.
    void showTab();

    void compare();
    // Shows each trip plan of the comparison on its button, the chosen size checked, and what it buys where.
    void showPlans(const Comparison& shown);
    // Ends the offers past their last day, as one undo step, and says which; then waits for the next day.
    void endOffers();
    void comparisonRowChosen(const QModelIndex& index);
    void editComparedPrices();
    // The printable page: merges the lists into the template, writes "Pantrova.htm" and shows it.
    void showPage();
    void print();

    std::unique_ptr<DataSafety> m_safety;
    std::unique_ptr<VarnetHost> m_varnet;
    std::unique_ptr<UserPrompts> m_ownedPrompts;
    UserPrompts* m_prompts;
    DialogRunner m_runDialog;
    // The window's place and the user's habits on this computer, kept apart from the data file.
    std::unique_ptr<LocalSettings> m_settings;
    InstallLayout m_layout; // the program's folder, and where its files and the data are
    QUndoStack* m_undo = nullptr;
    ComparisonEngine m_comparison; // the table's and the page's, keeping the amounts it formatted

    int m_currentList = 0;
    bool m_addToBottom = false;
    bool m_exitWithoutSaving = false;
    WindowLayout::Geometry m_geometry;

    QTabWidget* m_tabs = nullptr;
    std::array<QWidget*, 4> m_pages{}; // the tabs' pages, each in a scroll area of its own
    std::array<ListColumn, ListCount> m_lists;
    QLabel* m_listsHint = nullptr;
    QTreeView* m_shopView = nullptr;
    ShopModel* m_shopModel = nullptr;
    QLabel* m_shopsHint = nullptr;
    QLabel* m_showLabel = nullptr;
    std::array<QRadioButton*, 3> m_show{}; // the ticked items, all items, unit prices
    QTreeView* m_comparisonView = nullptr;
    ComparisonModel* m_comparisonModel = nullptr;
    QPushButton* m_editPricesButton = nullptr;
    QLabel* m_cheapestLabel = nullptr; // below the table: how many of the shown items the cheapest shop prices
    QWidget* m_planBox = nullptr;      // below it: the trip plans for one, two and three shops; one is chosen
    std::array<QRadioButton*, Document::MaxPlanSize> m_plans{};
    QTextBrowser* m_pageView = nullptr;
    QPushButton* m_printButton = nullptr;
    QLabel* m_printHint = nullptr;
    FindBar* m_findBar = nullptr;
    QAction* m_moveOrCopyAction = nullptr;
    QAction* m_perHundredAction = nullptr;
    QTimer* m_dayTimer = nullptr; // fires at the next midnight
};
