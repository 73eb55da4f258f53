#include "main_window.h"

#include "comparison.h"
#include "csv_exchange.h"
#include "find_bar.h"
#include "list_models.h"
#include "list_view.h"
#include "money.h"
#include "store_layout.h"
#include "stored_data.h"
#include "varnet_host.h"
#include "window_layout.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeView>
#include <QUndoStack>

#include <limits>

using WindowLayout::TwipRect;

namespace {

// A select-all box shows three states, but a user's click only ever ticks or clears it.
class SelectAllBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

void place(QWidget* widget, const TwipRect& rect) {
    const auto px = [](float twips) { return qRound(twips / WindowLayout::TwipsPerPixel); };
    // Labels and tick boxes take the room their text needs in the user's font, at least the designed room.
    const bool sizedByText =
        qobject_cast<QLabel*>(widget) || qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
    const QSize needed = sizedByText ? widget->sizeHint() : QSize();
    widget->setGeometry(px(rect.left), px(rect.top), std::max(px(rect.width), needed.width()),
                        std::max(px(rect.height), needed.height()));
}

// The layout computes for the area the tab pages fill plus this much, so that the bottom hint labels, which it
// places 401 twips above the bottom, keep a margin of 120 twips inside the page.
constexpr float PageHeightAllowance = 281.0f;
// The quantity column fits three digits inside the 800 twips the name column leaves it.
constexpr int QuantityColumnWidth = 36;
// How long the status bar says where File, Save saved.
constexpr int SavedMessageMs = 5000;
// An import's progress bar counts in so many steps, and shows itself once the import looks like taking longer
// than this.
constexpr int ProgressSteps = 1000;
constexpr int ProgressDelayMs = 500;

} // namespace

frmLists::frmLists(const QString& programFolder, UserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent)
    , m_ownedPrompts(prompts ? nullptr : std::make_unique<QtUserPrompts>(this))
    , m_prompts(prompts ? prompts : m_ownedPrompts.get()) {
    // "[*]" is where Qt shows that there are unsaved changes.
    setWindowTitle(tr("Pantrova") + QStringLiteral("[*]"));
    createControls();
    createMenus();
    fitScreen();
    connectDocument();
    startUp(programFolder);
}

frmLists::~frmLists() {
    // A window closed without its close event (as tests do) keeps the meaning of Exit without Saving.
    if (ExitWithoutSaving && m_safety)
        m_safety->discardRecoveryFile();
    // The views and the undo history go while the document they show is still there.
    delete takeCentralWidget();
    delete m_undo;
}

void frmLists::createControls() {
    tabMain = new QTabWidget;
    tabMain->setAccessibleName(tr("Tabs"));
    // On a screen smaller than the window's designed size the tabs scroll; on any other nothing shows of this.
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(tabMain);
    setCentralWidget(scroller);
    const QStringList captions{tr("Lists"), tr("Shops"), tr("Price Comparison"), tr("Print Preview")};
    std::array<QWidget*, 4> pages{};
    for (int tab = 0; tab < 4; ++tab) {
        pages[tab] = new QWidget(tabMain);
        tabMain->addTab(pages[tab], captions[tab]);
    }
    createListsTab(pages[ListsTab]);
    createShopsTab(pages[ShopsTab]);
    createComparisonTab(pages[ComparisonTab]);
    createPreviewTab(pages[PreviewTab]);

    m_geometry = WindowLayout::designGeometry();
    applyGeometry();
    // The pages' area is where the controls stand; it is laid out whenever it changes size.
    m_pageArea = tabMain->findChild<QStackedWidget*>();
    m_pageArea->installEventFilter(this);

    connect(tabMain, &QTabWidget::currentChanged, this, [this](int) {
        const int previous = m_shownTab;
        m_shownTab = tabMain->currentIndex();
        tabMain_Change(previous);
    });
}

void frmLists::createListsTab(QWidget* page) {
    const std::array<QString, ListCount> nameCaptions{tr("&List name:"), tr("List &name:"), tr("Li&st name:"),
                                                      tr("List na&me:")};
    const std::array<Qt::Key, ListCount> accessKeys{Qt::Key_L, Qt::Key_N, Qt::Key_S, Qt::Key_M};
    for (int l = 0; l < ListCount; ++l) {
        lblName[l] = new QLabel(nameCaptions[l], page);
        txtName[l] = new QLineEdit(page);
        // A name of any length is kept whole: the box would otherwise cut it at 32767 characters.
        txtName[l]->setMaxLength(std::numeric_limits<int>::max());
        lblName[l]->setBuddy(txtName[l]);
        txtName[l]->installEventFilter(this);

        chkSelAll[l] = new SelectAllBox(page);
        chkSelAll[l]->setTristate(true);
        chkSelAll[l]->setToolTip(tr("Tick or clear every item of this list"));
        chkSelAll[l]->setAccessibleName(tr("Tick every item of list %1").arg(l + 1));
        txtName[l]->setAccessibleName(tr("Name of list %1").arg(l + 1));
        lblInfo[l + 2] = new QLabel(tr("Qty:"), page);
        cmdPlus[l] = new QPushButton(QStringLiteral("+"), page);
        cmdMinus[l] = new QPushButton(QStringLiteral("-"), page);
        cmdPlus[l]->setAccessibleName(tr("More"));
        cmdPlus[l]->setAccessibleDescription(tr("Count the selected item up by one"));
        cmdMinus[l]->setAccessibleName(tr("Fewer"));
        cmdMinus[l]->setAccessibleDescription(tr("Count the selected item down by one"));

        lvList[l] = new ListView(page);
        m_listModels[l] = new ListModel(m_document, l, this);
        lvList[l]->setModel(m_listModels[l]);

        cmdAdd[l] = new QPushButton(tr("Add"), page);
        cmdEdit[l] = new QPushButton(tr("Edit"), page);
        cmdNUp[l] = new QPushButton(QStringLiteral("\u2191"), page);
        cmdNDown[l] = new QPushButton(QStringLiteral("\u2193"), page);
        cmdNUp[l]->setToolTip(tr("Move the selected item up"));
        cmdNDown[l]->setToolTip(tr("Move the selected item down"));
        cmdNUp[l]->setAccessibleName(tr("Up"));
        cmdNUp[l]->setAccessibleDescription(cmdNUp[l]->toolTip());
        cmdNDown[l]->setAccessibleName(tr("Down"));
        cmdNDown[l]->setAccessibleDescription(cmdNDown[l]->toolTip());

        // The name's access key works from every tab; on the Lists tab the label's own mnemonic serves.
        m_nameShortcuts[l] = new QShortcut(QKeySequence(Qt::ALT | accessKeys[l]), this);
        m_nameShortcuts[l]->setEnabled(false);
        connect(m_nameShortcuts[l], &QShortcut::activated, this, [this, l] {
            tabMain->setCurrentIndex(ListsTab);
            txtName[l]->setFocus(Qt::ShortcutFocusReason);
        });

        // Keyboard order within a column: name, list, its buttons.
        QWidget::setTabOrder(txtName[l], chkSelAll[l]);
        QWidget::setTabOrder(chkSelAll[l], cmdPlus[l]);
        QWidget::setTabOrder(cmdPlus[l], cmdMinus[l]);
        QWidget::setTabOrder(cmdMinus[l], lvList[l]);
        QWidget::setTabOrder(lvList[l], cmdAdd[l]);
        QWidget::setTabOrder(cmdAdd[l], cmdEdit[l]);
        QWidget::setTabOrder(cmdEdit[l], cmdNUp[l]);
        QWidget::setTabOrder(cmdNUp[l], cmdNDown[l]);
        if (l > 0)
            QWidget::setTabOrder(cmdNDown[l - 1], txtName[l]);

        connectListCommands(l);
    }
    lblInfo[0] = new QLabel(tr("Click on an item and then press Del to delete or F2 to rename"), page);
}

void frmLists::createShopsTab(QWidget* page) {
    lvShops = new QTreeView(page);
    m_shopModel = new ShopModel(m_document, this);
    lvShops->setModel(m_shopModel);
    lvShops->setRootIsDecorated(false);
    lvShops->setUniformRowHeights(true);
    lvShops->setColumnWidth(0, 40);
    lvShops->setAccessibleName(tr("Shops"));
    lvShops->installEventFilter(this);
    connect(lvShops, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { lvShops_ItemClick(index.row() + 1); });
    lblInfo[1] = new QLabel(tr("Click on a shop to edit its name"), page);
}

void frmLists::createComparisonTab(QWidget* page) {
    lblShow = new QLabel(tr("S&how:"), page);
    optShow[0] = new QRadioButton(tr("Selected items only"), page);
    optShow[1] = new QRadioButton(tr("All items"), page);
    optShow[0]->setChecked(true);
    lblShow->setBuddy(optShow[0]);
    cmdCEdit = new QPushButton(tr("Edit Prices"), page);
    cmdCEdit->setEnabled(false);
    lvCompare = new QTreeView(page);
    m_comparisonModel = new ComparisonModel(this);
    lvCompare->setModel(m_comparisonModel);
    lvCompare->setRootIsDecorated(false);
    lvCompare->setUniformRowHeights(true);
    lvCompare->setAccessibleName(tr("Price comparison"));
    // Each column takes the width its texts need; the last shown one is not stretched away from its neighbours.
    lvCompare->header()->setStretchLastSection(false);
    lblCheapest = new QLabel(page);
    lblCheapest->setTextFormat(Qt::PlainText); // it quotes shop and item names
    lblCheapest->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (QRadioButton* option : optShow) {
        connect(option, &QRadioButton::clicked, this, [this] { GenPCList(); });
        option->installEventFilter(this);
    }
    connect(lvCompare, &QTreeView::clicked, this, &frmLists::lvCompare_ItemClick);
    // Keyboard users choose a row with the arrow keys.
    connect(lvCompare->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (lvCompare->hasFocus())
                    lvCompare_ItemClick(current);
            });
    connect(cmdCEdit, &QPushButton::clicked, this, &frmLists::cmdCEdit_Click);
}

void frmLists::createPreviewTab(QWidget* page) {
    wbList = new QTextBrowser(page);
    wbList->setAccessibleName(tr("Printable page"));
    cmdPrint = new QPushButton(tr("&PRINT"), page);
    cmdPrint->hide();
    connect(cmdPrint, &QPushButton::clicked, this, &frmLists::cmdPrint_Click);
    lblInfo[6] = new QLabel(tr("TIP: Print in draft quality to save ink or toner"), page);
}

void frmLists::fitScreen() {
    const QSize designed(qRound(WindowLayout::MinimumOuterWidth / WindowLayout::TwipsPerPixel),
                         qRound(WindowLayout::MinimumOuterHeight / WindowLayout::TwipsPerPixel));
    tabMain->setMinimumSize(designed - QSize(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height()));
    // A screen too small for that (a large scale, a small display) gets a window that fits it, title bar
    // included, and the tabs scroll.
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    QSize available = screen()->availableGeometry().size();
    if (available.width() < designed.width())
        available.rwidth() -= frame;
    if (available.height() < designed.height())
        available.rheight() -= style()->pixelMetric(QStyle::PM_TitleBarHeight) + frame;
    setMinimumSize(designed.boundedTo(available));
    resize(minimumSize());
}

void frmLists::createMenus() {
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFileSave = mnuFile->addAction(tr("&Save"), this, [this] {
        if (sve())
            statusBar()->showMessage(tr("Saved to '%1'").arg(QDir::toNativeSeparators(DataFile)), SavedMessageMs);
    });
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile->addSeparator();
    mnuFileExport = mnuFile->addAction(tr("Export to &CSV..."), this, [this] { mnuFileExport_Click(); });
    mnuFileImport = mnuFile->addAction(tr("&Import from CSV..."), this, [this] { mnuFileImport_Click(); });
    mnuFile->addSeparator();
    mnuFileEWS = mnuFile->addAction(tr("&Exit without Saving"), this, [this] {
        ExitWithoutSaving = true;
        close();
    });
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(tr("E&xit"), this, &QWidget::close);

    mnuEdit = menuBar()->addMenu(tr("&Edit"));
    m_undo = new QUndoStack(this);
    mnuEditUndo = mnuEdit->addAction(tr("&Undo"), this, [this] { undoOrRedo(true); });
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = mnuEdit->addAction(tr("&Redo"), this, [this] { undoOrRedo(false); });
    mnuEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The captions name the step: "Undo Delete 'Milk'".
    const auto follow = [](QAction* action, const QString& caption, const QString& named) {
        return [action, caption, named](const QString& step) {
            action->setText(step.isEmpty() ? caption : named.arg(step));
            action->setEnabled(!step.isEmpty());
        };
    };
    connect(m_undo, &QUndoStack::undoTextChanged, mnuEditUndo, follow(mnuEditUndo, tr("&Undo"), tr("&Undo %1")));
    connect(m_undo, &QUndoStack::redoTextChanged, mnuEditRedo, follow(mnuEditRedo, tr("&Redo"), tr("&Redo %1")));
    mnuEditUndo->setEnabled(false);
    mnuEditRedo->setEnabled(false);
    mnuEdit->addSeparator();
    mnuEditFind = mnuEdit->addAction(tr("&Find..."), this, [this] { findBar->open(); });
    mnuEditFind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    findBar = new FindBar(this);
    statusBar()->addPermanentWidget(findBar);
    connect(findBar, &FindBar::findRequested, this, [this](const QString& text, bool backwards, bool fromCurrent) {
        findBar->setFound(findItem(text, backwards, fromCurrent));
    });
    connect(findBar, &FindBar::closed, this, [this] { lvList[CurrentList]->setFocus(); });
    mnuEdit->addSeparator();
    mnuEditMOC = mnuEdit->addAction(tr("&Move or Copy..."));
    mnuEditMOC->setShortcut(QKeySequence(Qt::Key_F4));
    mnuEditMOC->setEnabled(false);
    connect(mnuEditMOC, &QAction::triggered, this, [this] { mnuEditMOC_Click(); });

    mnuOptions = menuBar()->addMenu(tr("&Options"));
    mnuOptionsSymbol =
        mnuOptions->addAction(tr("Change &Currency Symbol/Code..."), this, [this] { mnuOptionsSymbol_Click(); });
    mnuOptionsSymbol->setShortcut(QKeySequence(Qt::Key_F3));
    mnuOptionsOldPrices = mnuOptions->addAction(tr("&Old Prices..."), this, [this] { mnuOptionsOldPrices_Click(); });
}

void frmLists::startUp(const QString& programFolder) {
    AppFolder = programFolder;
    if (!AppFolder.endsWith(QLatin1Char('/')))
        AppFolder += QLatin1Char('/');
    Varnet = std::make_unique<VarnetHost>(AppFolder);
    m_safety = std::make_unique<DataSafety>(m_document, AppFolder, prompts());
    DataFile = m_safety->dataFile();
    connect(m_safety.get(), &DataSafety::savedStateChanged, this, [this] { setWindowModified(hasUnsavedChanges()); });

    if (!m_safety->claimFolder()) {
        ExitWithoutSaving = true;
        return;
    }
    bool shopsKnown = false;
    if (std::optional<Store::StoredData> data = m_safety->load()) {
        shopsKnown = data->shopsKnown;
        m_document.adopt(std::move(*data));
    }

    if (!shopsKnown) {
        show();
        const UserPrompts::Answer answer = prompts().message(
            tr("You have not entered any shop details yet.  Do you want to do this now?"), tr("Enter Shop Details"),
            UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo, UserPrompts::Answer::Yes);
        if (answer == UserPrompts::Answer::Yes) {
            tabMain->setCurrentIndex(ShopsTab);
            lvShops_ItemClick(1);
        }
    }

    for (int l = 0; l < ListCount; ++l)
        RefreshSelectAll(l);
    lvList_GotFocus(0);
    // Every price in the store is now in the current locale's form, and saving says so.
    m_document.store().setNumbers(Money::current());
    m_safety->watch();
}

bool frmLists::sve() {
    QString error;
    const DataSafety::SaveOutcome outcome = m_safety->save(&error);
    if (outcome == DataSafety::SaveOutcome::Failed)
        prompts().message(m_safety->saveFailureText(error), tr("Pantrova Error"), UserPrompts::Icon::Critical);
    return outcome == DataSafety::SaveOutcome::Saved;
}

void frmLists::closeEvent(QCloseEvent* event) {
    if (m_safety->close(ExitWithoutSaving))
        event->accept();
    else
        event->ignore();
}

void frmLists::applyGeometry() {
    const WindowLayout::Geometry& g = m_geometry;
    for (int l = 0; l < ListCount; ++l) {
        const WindowLayout::ListColumn& c = g.lists[l];
        place(lblName[l], c.lblName);
        // A label that needs more than its designed room (a longer language, a larger font) pushes its text box
        // right instead of being covered by it.
        const float labelEnd =
            static_cast<float>(lblName[l]->geometry().right() + 1) * WindowLayout::TwipsPerPixel + 60;
        const float nameLeft = std::max(c.txtName.left, labelEnd);
        place(txtName[l], {nameLeft, c.txtName.top, std::max(0.0f, c.txtName.width - (nameLeft - c.txtName.left)),
                           c.txtName.height});
        place(chkSelAll[l], c.chkSelAll);
        place(lblInfo[l + 2], c.lblQty);
        place(cmdPlus[l], c.cmdPlus);
        place(cmdMinus[l], c.cmdMinus);
        place(lvList[l], c.lvList);
        lvList[l]->setColumnWidth(0, qRound(c.firstColumnWidth / WindowLayout::TwipsPerPixel));
        lvList[l]->setColumnWidth(1, QuantityColumnWidth);
        place(cmdAdd[l], c.cmdAdd);
        place(cmdEdit[l], c.cmdEdit);
        place(cmdNUp[l], c.cmdNUp);
        place(cmdNDown[l], c.cmdNDown);
    }
    place(lblInfo[0], g.lblInfo0);
    place(lvShops, g.lvShops);
    place(lblInfo[1], g.lblInfo1);
    place(lblShow, g.lblShow);
    // The options' texts may need more room than designed; each control of the row then moves right.
    const auto rightOf = [](const QWidget* widget, float gap) {
        return static_cast<float>(widget->geometry().right() + 1) * WindowLayout::TwipsPerPixel + gap;
    };
    place(optShow[0], g.optShow0);
    place(optShow[1],
          {std::max(g.optShow1.left, rightOf(optShow[0], 120)), g.optShow1.top, g.optShow1.width, g.optShow1.height});
    place(cmdCEdit,
          {std::max(g.cmdCEdit.left, rightOf(optShow[1], 240)), g.cmdCEdit.top, g.cmdCEdit.width, g.cmdCEdit.height});
    // The two lines on the cheapest shop stand below the table, which gives up the room for them.
    constexpr float CheapestLine = 480;
    const float tableHeight = std::max(0.0f, g.lvCompare.height - CheapestLine - 60);
    place(lvCompare, {g.lvCompare.left, g.lvCompare.top, g.lvCompare.width, tableHeight});
    place(lblCheapest,
          {g.lvCompare.left, g.lvCompare.top + g.lvCompare.height - CheapestLine, g.lvCompare.width, CheapestLine});
    place(wbList, g.wbList);
    place(cmdPrint, g.cmdPrint);
    place(lblInfo[6], g.lblInfo6);
}

bool frmLists::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pageArea && event->type() == QEvent::Resize) {
        const QSize area = static_cast<QResizeEvent*>(event)->size();
        m_geometry = WindowLayout::layoutWindow(
            static_cast<float>(area.width()) * WindowLayout::TwipsPerPixel,
            static_cast<float>(area.height()) * WindowLayout::TwipsPerPixel + PageHeightAllowance, m_geometry);
        applyGeometry();
    }
    if (event->type() == QEvent::FocusIn) {
        for (int l = 0; l < ListCount; ++l)
            if (watched == txtName[l]) {
                lvList_GotFocus(l);
                tabMain->setCurrentIndex(ListsTab);
            }
        if (watched == optShow[0] || watched == optShow[1])
            tabMain->setCurrentIndex(ComparisonTab);
    } else if (watched == lvShops && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && lvShops->currentIndex().isValid()) {
            lvShops_ItemClick(lvShops->currentIndex().row() + 1);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmLists::connectDocument() {
    for (int l = 0; l < ListCount; ++l)
        connect(txtName[l], &QLineEdit::textChanged, this, [this, l](const QString& text) {
            // Typing a name letter by letter is one step.
            const UndoStep step = undoStep(tr("Rename List %1").arg(l + 1), l);
            m_document.setListName(l, text);
        });
    const auto showListName = [this](int l) {
        if (txtName[l]->text() != m_document.listName(l))
            txtName[l]->setText(m_document.listName(l));
        // A screen reader calls each list by its name.
        lvList[l]->setAccessibleName(m_document.listName(l).isEmpty() ? tr("List %1").arg(l + 1)
                                                                      : m_document.listName(l));
    };
    connect(&m_document, &Document::listNameChanged, this, showListName);
    for (int l = 0; l < ListCount; ++l)
        showListName(l);
    connect(&m_document, &Document::changed, this, [this] { setWindowModified(hasUnsavedChanges()); });
}

bool frmLists::findItem(const QString& text, bool backwards, bool fromCurrent) {
    // Positions count through the four lists in order; the search starts at the current item.
    std::array<int, ListCount + 1> starts{};
    for (int l = 0; l < ListCount; ++l)
        starts[l + 1] = starts[l] + m_document.itemCount(l);
    const int total = starts[ListCount];
    if (total == 0)
        return false;
    const int current = starts[CurrentList] + std::max(selectedRow(CurrentList), 0);
    const int step = backwards ? total - 1 : 1;
    for (int i = fromCurrent ? 0 : 1; i <= total; ++i) {
        const auto position = static_cast<int>((current + static_cast<qint64>(i) * step) % total);
        const int list =
            static_cast<int>(std::upper_bound(starts.begin(), starts.end(), position) - starts.begin()) - 1;
        const int row = position - starts[list];
        if (!m_document.item(list, row).name.contains(text, Qt::CaseInsensitive))
            continue;
        tabMain->setCurrentIndex(ListsTab);
        lvList[list]->selectRow(row + 1);
        lvList[list]->scrollTo(lvList[list]->currentIndex());
        lvList_GotFocus(list);
        return true;
    }
    return false;
}

void frmLists::mnuFileExport_Click() {
    const QString path =
        prompts().saveFile(tr("Export to CSV"), tr("CSV files (*.csv)"), AppFolder + QStringLiteral("Pantrova.csv"));
    if (path.isEmpty())
        return;
    if (const QString error = SafeFile::writeAtomically(path, Csv::exportLists(m_document)); !error.isEmpty()) {
        prompts().message(tr("The file '%1' could not be written: %2.").arg(QDir::toNativeSeparators(path), error),
                          tr("Export to CSV"), UserPrompts::Icon::Critical);
        return;
    }
    statusBar()->showMessage(tr("Exported to '%1'").arg(QDir::toNativeSeparators(path)), SavedMessageMs);
}

void frmLists::mnuFileImport_Click() {
    const QString path = prompts().openFile(tr("Import from CSV"), tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString file = QDir::toNativeSeparators(path);
    // A large file takes seconds to read and add: the window shows how far the import has come, and Cancel
    // stops it with nothing changed.
    QProgressDialog progress(tr("Reading '%1'...").arg(file), tr("Cancel"), 0, ProgressSteps, this);
    progress.setWindowTitle(tr("Import from CSV"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ProgressDelayMs);
    const Csv::Progress tell = [&progress](double done) {
        progress.setValue(static_cast<int>(done * ProgressSteps));
        return !progress.wasCanceled();
    };
    const Csv::Import import = Csv::readFile(path, m_document, CurrentList, tell);
    if (!import.error.isEmpty()) {
        progress.reset();
        prompts().message(tr("Nothing was imported from '%1':\n\n%2").arg(file, import.error), tr("Import from CSV"),
                          UserPrompts::Icon::Exclamation);
        return;
    }
    std::optional<Document::Step> step;
    if (!import.stopped) {
        progress.setLabelText(
            tr("Adding %1 items from '%2'...").arg(QLocale().toString(qint64(import.items.size())), file));
        step = Csv::apply(import, m_document, tell);
    }
    progress.reset();
    if (!step) {
        statusBar()->showMessage(tr("The import from '%1' was cancelled; nothing was changed.").arg(file),
                                 SavedMessageMs);
        return;
    }
    if (!step->edits.empty())
        m_undo->push(new DocumentStep(m_document, std::move(*step), tr("Import from CSV"), -1));
    for (int l = 0; l < ListCount; ++l)
        RefreshSelectAll(l);
    lvList_GotFocus(CurrentList);
    tabMain_Change(m_shownTab);
    statusBar()->showMessage(import.items.size() == 1
                                 ? tr("Imported 1 item from '%1'").arg(file)
                                 : tr("Imported %1 items from '%2'").arg(QString::number(import.items.size()), file),
                             SavedMessageMs);
}

void frmLists::undoOrRedo(bool undo) {
    undo ? m_undo->undo() : m_undo->redo();
    // The boxes, the menu's caption and the tab in front follow as after any other change.
    for (int l = 0; l < ListCount; ++l)
        RefreshSelectAll(l);
    lvList_GotFocus(CurrentList);
    tabMain_Change(m_shownTab);
}

void frmLists::lvShops_ItemClick(int shop) {
    if (shop < 1 || shop > Store::ShopCount)
        return;
    const QString answer =
        prompts().input(tr("Set name for shop:"), tr("Shop %1").arg(shop), m_document.shopName(shop));
    if (!answer.isEmpty()) {
        const UndoStep step = undoStep(tr("Rename Shop %1").arg(shop));
        m_document.renameShop(shop, answer);
    }
}

void frmLists::mnuOptionsSymbol_Click() {
    const QString old = m_document.symbol();
    const QString answer =
        prompts().input(tr("Change currency symbol/code from '%1':").arg(old), tr("Change Currency Symbol/Code"), old);
    if (!answer.isEmpty()) {
        const UndoStep step = undoStep(tr("Change Currency Symbol"));
        m_document.setSymbol(answer);
    }
    tabMain_Change(ListsTab);
}

void frmLists::mnuOptionsOldPrices_Click() {
    constexpr int MostDays = 36500;
    const QString answer =
        prompts().input(tr("Show prices as old in the comparison when they were set more than this many days ago:"),
                        tr("Old Prices"), QString::number(m_document.oldPriceDays()));
    if (answer.isEmpty())
        return;
    const std::optional<int> days = Store::toWholeNumber(answer);
    if (!days || *days < 1 || *days > MostDays) {
        prompts().message(tr("Please enter a whole number of days from 1 to %1.").arg(MostDays), tr("Error"),
                          UserPrompts::Icon::Exclamation);
        return;
    }
    {
        const UndoStep step = undoStep(tr("Change Old Prices"));
        m_document.setOldPriceDays(*days);
    }
    tabMain_Change(m_shownTab);
}

void frmLists::tabMain_Change(int previousTab) {
    Q_UNUSED(previousTab)
    const int shown = tabMain->currentIndex();
    for (QShortcut* shortcut : m_nameShortcuts)
        shortcut->setEnabled(shown != ListsTab);
    cmdPrint->setVisible(shown == PreviewTab);
    if (shown == ComparisonTab)
        GenPCList();
    else if (shown == PreviewTab) {
        // Showing the page sets the comparison back to the ticked items, which the page lists.
        optShow[0]->setChecked(true);
        buildPage();
    }
}
