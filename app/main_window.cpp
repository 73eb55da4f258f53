// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "main_window.h"

#include "comparison.h"
#include "csv_exchange.h"
#include "data_safety.h"
#include "find_bar.h"
#include "help.h"
#include "item_editor.h"
#include "list_models.h"
#include "list_view.h"
#include "local_settings.h"
#include "money.h"
#include "move_copy.h"
#include "printable.h"
#include "search_text.h"
#include "varnet_host.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
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
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
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

template <typename T> T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

// The prices the item editor gave back, then their packs and offers, which belong to a price.
void setPrices(Document& document, const QString& itemKey, const ItemEditor::Edit& edit) {
    document.setPrices(itemKey, edit.prices);
    document.setPacks(itemKey, edit.packs);
    document.setOffers(itemKey, edit.offers);
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

MainWindow::MainWindow(const QString& programFolder, UserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent)
    , m_ownedPrompts(prompts ? nullptr : std::make_unique<QtUserPrompts>(this))
    , m_prompts(prompts ? prompts : m_ownedPrompts.get())
    , m_runDialog([](QDialog& dialog) { dialog.exec(); })
    , m_settings(std::make_unique<LocalSettings>()) {
    // "[*]" is where Qt shows that there are unsaved changes.
    setWindowTitle(tr("Pantrova") + QStringLiteral("[*]"));
    m_tabs = named(new QTabWidget, QStringLiteral("tabs"));
    m_tabs->setAccessibleName(tr("Tabs"));
    setCentralWidget(m_tabs);
    const QStringList captions{tr("Lists"), tr("Shops"), tr("Price Comparison"), tr("Print Preview")};
    std::array<QWidget*, 4>& pages = m_pages;
    for (int tab = 0; tab < 4; ++tab) {
        // On a screen smaller than the window's designed size a tab's page scrolls below its tab bar and the
        // menus; on any other nothing shows of this.
        auto* scroller = new QScrollArea(m_tabs);
        scroller->setFrameShape(QFrame::NoFrame);
        scroller->setWidgetResizable(true);
        scroller->setFocusPolicy(Qt::NoFocus);
        pages[tab] = new QWidget(scroller);
        scroller->setWidget(pages[tab]);
        m_tabs->addTab(scroller, captions[tab]);
    }
    createListsTab(pages[ListsTab]);
    createShopsTab(pages[ShopsTab]);
    createComparisonTab(pages[ComparisonTab]);
    createPreviewTab(pages[PreviewTab]);
    // Enter presses the focused button, as Space does.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    m_geometry = WindowLayout::designGeometry();
    applyGeometry();
    // The pages are where the controls stand; they are laid out whenever one changes size.
    for (QWidget* page : m_pages)
        page->installEventFilter(this);
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::showTab);

    createMenus();
    fitScreen();
    m_settings->restoreWindow(this);
    m_addToBottom = m_settings->addToBottom();
    connectDocument();
    startUp(programFolder);
}

MainWindow::~MainWindow() {
    // A window closed without its close event keeps the meaning of Exit without Saving.
    if (m_exitWithoutSaving && m_safety)
        m_safety->discardRecoveryFile();
    // The views and the undo history go while the document they show is still there.
    delete takeCentralWidget();
    delete m_undo;
}

bool MainWindow::ownsFolder() const {
    return m_safety->ownsFolder();
}

bool MainWindow::hasUnsavedChanges() const {
    return m_safety->hasUnsavedChanges();
}

void MainWindow::createListsTab(QWidget* page) {
    const std::array<QString, ListCount> nameCaptions{tr("&List name:"), tr("List &name:"), tr("Li&st name:"),
                                                      tr("List na&me:")};
    const std::array<Qt::Key, ListCount> accessKeys{Qt::Key_L, Qt::Key_N, Qt::Key_S, Qt::Key_M};
    for (int l = 0; l < ListCount; ++l) {
        ListColumn& c = m_lists[l];
        const QString number = QString::number(l);
        c.nameLabel = new QLabel(nameCaptions[l], page);
        c.name = named(new QLineEdit(page), QStringLiteral("listName") + number);
        // A name of any length is kept whole: the box would otherwise cut it at 32767 characters.
        c.name->setMaxLength(std::numeric_limits<int>::max());
        c.nameLabel->setBuddy(c.name);
        c.name->installEventFilter(this);

        c.tickAll = named(new SelectAllBox(page), QStringLiteral("tickAll") + number);
        c.tickAll->setTristate(true);
        c.tickAll->setToolTip(tr("Tick or clear every item of this list"));
        c.name->setAccessibleName(tr("Name of list %1").arg(l + 1));
        c.quantityLabel = new QLabel(tr("Qty:"), page);
        c.more = named(new QPushButton(QStringLiteral("+"), page), QStringLiteral("more") + number);
        c.fewer = named(new QPushButton(QStringLiteral("-"), page), QStringLiteral("fewer") + number);
        c.more->setAccessibleDescription(tr("Count the selected item up by one"));
        c.fewer->setAccessibleDescription(tr("Count the selected item down by one"));

        c.view = named(new ListView(page), QStringLiteral("list") + number);
        c.model = new ListModel(m_document, l, this);
        c.view->setModel(c.model);

        c.add = named(new QPushButton(tr("Add"), page), QStringLiteral("add") + number);
        c.edit = named(new QPushButton(tr("Edit"), page), QStringLiteral("edit") + number);
        c.up = named(new QPushButton(QStringLiteral("\u2191"), page), QStringLiteral("up") + number);
        c.down = named(new QPushButton(QStringLiteral("\u2193"), page), QStringLiteral("down") + number);
        c.up->setToolTip(tr("Move the selected item up"));
        c.down->setToolTip(tr("Move the selected item down"));
        c.up->setAccessibleDescription(c.up->toolTip());
        c.down->setAccessibleDescription(c.down->toolTip());

        // The name's access key works from every tab; on the Lists tab the label's own mnemonic serves.
        c.nameShortcut = new QShortcut(QKeySequence(Qt::ALT | accessKeys[l]), this);
        c.nameShortcut->setEnabled(false);
        connect(c.nameShortcut, &QShortcut::activated, this, [this, l] {
            m_tabs->setCurrentIndex(ListsTab);
            m_lists[l].name->setFocus(Qt::ShortcutFocusReason);
        });

        // Keyboard order within a column: name, list, its buttons.
        const std::array<QWidget*, 9> order{c.name, c.tickAll, c.more, c.fewer, c.view, c.add, c.edit, c.up, c.down};
        for (size_t i = 1; i < order.size(); ++i)
            QWidget::setTabOrder(order[i - 1], order[i]);
        if (l > 0)
            QWidget::setTabOrder(m_lists[l - 1].down, c.name);

        connect(c.view, &ListView::gotFocus, this, [this, l] { listFocused(l); });
        connect(c.view, &ListView::keyDown, this, [this, l](int key) { listKeyPressed(l, key); });
        connect(c.view, &ListView::doubleClicked, this, [this, l] { editSelected(l); });
        // The Edit menu's caption follows the current item however it became current: a click, a key, a find.
        connect(c.view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, l] {
            if (l == m_currentList)
                listFocused(l);
        });
        // Only the user's own ticks and renames arrive here; the program's never run the quantity rule.
        connect(c.model, &ListModel::renamedByUser, this,
                [this, l](int row, const QString& text) { renameItemByUser(l, row, text); });
        connect(c.model, &ListModel::tickedByUser, this,
                [this, l](int row, bool ticked) { tickItemByUser(l, row, ticked); });
        connect(c.tickAll, &QCheckBox::clicked, this, [this, l] { tickAll(l); });
        connect(c.add, &QPushButton::clicked, this, [this, l] { openItemEditor(l, true); });
        connect(c.edit, &QPushButton::clicked, this, [this, l] { editSelected(l); });
        connect(c.up, &QPushButton::clicked, this, [this, l] { moveSelectedRow(l, -1); });
        connect(c.down, &QPushButton::clicked, this, [this, l] { moveSelectedRow(l, +1); });
        connect(c.more, &QPushButton::clicked, this, [this, l] { count(l, +1); });
        connect(c.fewer, &QPushButton::clicked, this, [this, l] { count(l, -1); });
    }
    m_listsHint = named(new QLabel(tr("Click on an item and then press Del to delete or F2 to rename"), page),
                        QStringLiteral("listsHint"));
}

void MainWindow::createShopsTab(QWidget* page) {
    m_shopView = named(new QTreeView(page), QStringLiteral("shops"));
    m_shopModel = new ShopModel(m_document, this);
    m_shopView->setModel(m_shopModel);
    m_shopView->setRootIsDecorated(false);
    m_shopView->setUniformRowHeights(true);
    // A cell at a time, so that the arrow keys reach the tick and the trip cost.
    m_shopView->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_shopView->setColumnWidth(ShopModel::NumberColumn, 40);
    m_shopView->setColumnWidth(ShopModel::NameColumn, 260);
    m_shopView->header()->setSectionResizeMode(ShopModel::UsedColumn, QHeaderView::ResizeToContents);
    m_shopView->setAccessibleName(tr("Shops"));
    m_shopView->installEventFilter(this);
    connect(m_shopView, &QTreeView::clicked, this, &MainWindow::shopCellChosen);
    connect(m_shopModel, &ShopModel::usedInPlansByUser, this, [this](int shop, bool used) {
        const UndoStep step = undoStep(used ? tr("Use Shop %1 in Trip Plans").arg(shop)
                                            : tr("Leave Shop %1 out of Trip Plans").arg(shop));
        m_document.setUsedInPlans(shop, used);
    });
    m_shopsHint = new QLabel(tr("Click on a shop to edit its name"), page);
}

void MainWindow::createComparisonTab(QWidget* page) {
    m_showLabel = new QLabel(tr("S&how:"), page);
    m_show[0] = named(new QRadioButton(tr("Selected items only"), page), QStringLiteral("showTicked"));
    m_show[1] = named(new QRadioButton(tr("All items"), page), QStringLiteral("showAll"));
    m_show[2] = named(new QRadioButton(tr("Unit prices"), page), QStringLiteral("showUnitPrices"));
    m_show[0]->setChecked(true);
    m_showLabel->setBuddy(m_show[0]);
    m_editPricesButton = named(new QPushButton(tr("Edit Prices"), page), QStringLiteral("editPrices"));
    m_editPricesButton->setEnabled(false);
    m_comparisonView = named(new QTreeView(page), QStringLiteral("comparison"));
    m_comparisonModel = new ComparisonModel(m_document, this);
    m_comparisonView->setModel(m_comparisonModel);
    m_comparisonView->setRootIsDecorated(false);
    m_comparisonView->setUniformRowHeights(true);
    m_comparisonView->setAccessibleName(tr("Price comparison"));
    m_settings->watchColumnWidths(m_comparisonView);
    // Each column takes the width its texts need; the last shown one is not stretched away from its neighbours.
    m_comparisonView->header()->setStretchLastSection(false);
    m_cheapestLabel = named(new QLabel(page), QStringLiteral("cheapest"));
    m_cheapestLabel->setTextFormat(Qt::PlainText); // it quotes shop and item names
    m_cheapestLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_planBox = named(new QWidget(page), QStringLiteral("plans"));
    m_planBox->setAccessibleName(tr("Trip plans"));
    auto* planLines = new QVBoxLayout(m_planBox);
    planLines->setContentsMargins(0, 0, 0, 0);
    planLines->setSpacing(0);
    // A group of their own: the options above would otherwise take them for theirs, which are all the page's.
    auto* planGroup = new QButtonGroup(m_planBox);
    for (int k = 1; k <= Document::MaxPlanSize; ++k) {
        QRadioButton* plan = m_plans[static_cast<size_t>(k) - 1] =
            named(new QRadioButton(m_planBox), QStringLiteral("plan%1").arg(k));
        plan->setAccessibleName(tr("Trip plan of %n shops", nullptr, k));
        planLines->addWidget(plan);
        planGroup->addButton(plan, k);
    }
    // The chosen size is the one the page lists.
    connect(planGroup, &QButtonGroup::idClicked, this, [this](int k) {
        if (m_document.planSize() == k)
            return;
        const UndoStep step = undoStep(tr("Choose a Trip Plan of %n Shops", nullptr, k));
        m_document.setPlanSize(k);
    });

    for (QRadioButton* option : m_show) {
        connect(option, &QRadioButton::clicked, this, [this] { compare(); });
        option->installEventFilter(this);
    }
    connect(m_comparisonView, &QTreeView::clicked, this, &MainWindow::comparisonRowChosen);
    // Keyboard users choose a row with the arrow keys.
    connect(m_comparisonView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (m_comparisonView->hasFocus())
                    comparisonRowChosen(current);
            });
    connect(m_editPricesButton, &QPushButton::clicked, this, &MainWindow::editComparedPrices);
}

void MainWindow::createPreviewTab(QWidget* page) {
    m_pageView = named(new QTextBrowser(page), QStringLiteral("page"));
    m_pageView->setAccessibleName(tr("Printable page"));
    m_printButton = named(new QPushButton(tr("&PRINT"), page), QStringLiteral("print"));
    m_printButton->hide();
    connect(m_printButton, &QPushButton::clicked, this, &MainWindow::print);
    m_printHint = new QLabel(tr("TIP: Print in draft quality to save ink or toner"), page);
}

void MainWindow::fitScreen() {
    const QSize designed(qRound(WindowLayout::MinimumOuterWidth / WindowLayout::TwipsPerPixel),
                         qRound(WindowLayout::MinimumOuterHeight / WindowLayout::TwipsPerPixel));
    // Each page keeps the designed room; below it, it scrolls.
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    for (QWidget* page : m_pages)
        page->setMinimumSize(designed - QSize(frame, menuBar()->sizeHint().height() + statusBar()->sizeHint().height() +
                                                         m_tabs->tabBar()->sizeHint().height() + frame));
    // A screen too small for that (a large scale, a small display) gets a window that fits it, title bar
    // included, and the tabs scroll.
    QSize available = screen()->availableGeometry().size();
    if (available.width() < designed.width())
        available.rwidth() -= frame;
    if (available.height() < designed.height())
        available.rheight() -= style()->pixelMetric(QStyle::PM_TitleBarHeight) + frame;
    setMinimumSize(designed.boundedTo(available));
    resize(minimumSize());
}

void MainWindow::createMenus() {
    const auto action = [this](QMenu* menu, const QString& text, const QString& name, auto slot) {
        QAction* added = menu->addAction(text, this, slot);
        added->setObjectName(name);
        return added;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    action(file, tr("&Save"), QStringLiteral("save"), [this] {
        if (save())
            statusBar()->showMessage(tr("Saved to '%1'").arg(QDir::toNativeSeparators(m_safety->dataFile())),
                                     SavedMessageMs);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    action(file, tr("Export to &CSV..."), QStringLiteral("exportCsv"), [this] { exportCsv(); });
    action(file, tr("&Import from CSV..."), QStringLiteral("importCsv"), [this] { importCsv(); });
    file->addSeparator();
    action(file, tr("&Print..."), QStringLiteral("printPage"), [this] {
        print();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    action(file, tr("&Exit without Saving"), QStringLiteral("exitWithoutSaving"), [this] {
        m_exitWithoutSaving = true;
        close();
    });
    file->addSeparator();
    action(file, tr("E&xit"), QStringLiteral("exit"), [this] {
        close();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    m_undo = new QUndoStack(this);
    QAction* undo = action(edit, tr("&Undo"), QStringLiteral("undo"), [this] { undoOrRedo(true); });
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = action(edit, tr("&Redo"), QStringLiteral("redo"), [this] { undoOrRedo(false); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The captions name the step: "Undo Delete 'Milk'", a name's "&" as typed, no access key.
    const auto follow = [](QAction* action, const QString& caption, const QString& named) {
        return [action, caption, named](const QString& step) {
            action->setText(step.isEmpty() ? caption : named.arg(withoutAccessKeys(step)));
            action->setEnabled(!step.isEmpty());
        };
    };
    connect(m_undo, &QUndoStack::undoTextChanged, undo, follow(undo, tr("&Undo"), tr("&Undo %1")));
    connect(m_undo, &QUndoStack::redoTextChanged, redo, follow(redo, tr("&Redo"), tr("&Redo %1")));
    undo->setEnabled(false);
    redo->setEnabled(false);
    edit->addSeparator();
    m_findBar = named(new FindBar(this), QStringLiteral("findBar"));
    action(edit, tr("&Find..."), QStringLiteral("find"), [this] {
        m_findBar->open();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    statusBar()->addPermanentWidget(m_findBar);
    connect(m_findBar, &FindBar::findRequested, this, [this](const QString& text, bool backwards, bool fromCurrent) {
        m_findBar->setFound(findItem(text, backwards, fromCurrent));
    });
    connect(m_findBar, &FindBar::closed, this, [this] { m_lists[m_currentList].view->setFocus(); });
    edit->addSeparator();
    m_moveOrCopyAction = action(edit, tr("&Move or Copy..."), QStringLiteral("moveOrCopy"), [this] { moveOrCopy(); });
    m_moveOrCopyAction->setShortcut(QKeySequence(Qt::Key_F4));
    m_moveOrCopyAction->setEnabled(false);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    // From anywhere in the window: QTabWidget turns its tabs itself only while the focus is inside it.
    const auto turnTab = [this](int by) {
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + by + m_tabs->count()) % m_tabs->count());
    };
    action(view, tr("&Next Tab"), QStringLiteral("nextTab"), [turnTab] {
        turnTab(1);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    action(view, tr("&Previous Tab"), QStringLiteral("previousTab"), [turnTab] {
        turnTab(-1);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    action(options, tr("Change &Currency Symbol/Code..."), QStringLiteral("currencySymbol"), [this] {
        changeSymbol();
    })->setShortcut(QKeySequence(Qt::Key_F3));
    action(options, tr("&Old Prices..."), QStringLiteral("oldPrices"), [this] { changeOldPriceDays(); });
    m_perHundredAction = action(options, tr("&Unit Prices per 100 g and 100 ml"), QStringLiteral("unitPricesPer100"),
                                [this](bool perHundred) {
                                    {
                                        const UndoStep step = undoStep(tr("Change Unit Prices"));
                                        m_document.setUnitPricesPerHundred(perHundred);
                                    }
                                    showTab();
                                });
    m_perHundredAction->setCheckable(true);

    // "Help" has no access key: each of its letters is already one of the window's (&Edit, &List name, S&how,
    // &PRINT). F1 opens the keyboard shortcuts.
    QMenu* help = menuBar()->addMenu(tr("Help"));
    action(help, tr("&Keyboard Shortcuts"), QStringLiteral("keyboardShortcuts"), [this] {
        ShortcutsDialog dialog(ShortcutsDialog::gather(*this, m_document, *m_prompts), this);
        runDialog(dialog);
    })->setShortcut(QKeySequence(Qt::Key_F1));
    action(help, tr("&About Pantrova"), QStringLiteral("about"), [this] {
        AboutDialog dialog(m_layout.dataFolder, this);
        runDialog(dialog);
    });
}

void MainWindow::startUp(const QString& programFolder) {
    m_layout = InstallLayout::of(programFolder);
    m_varnet = std::make_unique<VarnetHost>(m_layout.libraryFolder);
    m_safety = std::make_unique<DataSafety>(m_document, m_layout.dataFolder, *m_prompts);
    connect(m_safety.get(), &DataSafety::savedStateChanged, this, [this] { setWindowModified(hasUnsavedChanges()); });

    if (!m_safety->claimFolder()) {
        m_exitWithoutSaving = true;
        return;
    }
    bool shopsKnown = false;
    if (std::optional<Store::StoredData> data = m_safety->load()) {
        shopsKnown = data->shopsKnown;
        m_document.adopt(std::move(*data));
    }
    // Every price in the store is now in the current locale's form, and saving says so.
    m_document.store().setNumbers(Money::current());
    // From here on every change is unsaved, the first-run shop names too.
    m_safety->watch();

    if (!shopsKnown) {
        show();
        const UserPrompts::Answer answer = m_prompts->message(
            tr("You have not entered any shop details yet.  Do you want to do this now?"), tr("Enter Shop Details"),
            UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo, UserPrompts::Answer::Yes);
        if (answer == UserPrompts::Answer::Yes) {
            m_tabs->setCurrentIndex(ShopsTab);
            renameShop(1);
        }
    }

    refreshTickAll();
    listFocused(0);
    m_perHundredAction->setChecked(m_document.unitPricesPerHundred());
    m_dayTimer = named(new QTimer(this), QStringLiteral("dayTimer"));
    m_dayTimer->setSingleShot(true);
    connect(m_dayTimer, &QTimer::timeout, this, &MainWindow::endOffers);
    endOffers();
}

bool MainWindow::save() {
    QString error;
    const DataSafety::SaveOutcome outcome = m_safety->save(&error);
    if (outcome == DataSafety::SaveOutcome::Failed)
        m_prompts->message(m_safety->saveFailureText(error), tr("Pantrova Error"), UserPrompts::Icon::Critical);
    return outcome == DataSafety::SaveOutcome::Saved;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_safety->close(m_exitWithoutSaving)) {
        m_settings->saveWindow(this);
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::applyGeometry() {
    const WindowLayout::Geometry& g = m_geometry;
    for (int l = 0; l < ListCount; ++l) {
        const WindowLayout::ListColumn& at = g.lists[l];
        const ListColumn& c = m_lists[l];
        place(c.nameLabel, at.lblName);
        // A label that needs more than its designed room (a longer language, a larger font) pushes its text box
        // right instead of being covered by it.
        const float labelEnd =
            static_cast<float>(c.nameLabel->geometry().right() + 1) * WindowLayout::TwipsPerPixel + 60;
        const float nameLeft = std::max(at.txtName.left, labelEnd);
        place(c.name, {nameLeft, at.txtName.top, std::max(0.0f, at.txtName.width - (nameLeft - at.txtName.left)),
                       at.txtName.height});
        place(c.tickAll, at.chkSelAll);
        place(c.quantityLabel, at.lblQty);
        // A caption wider than designed ("Anz.:") grows leftwards, ending where it was designed to end.
        if (const int wider = c.quantityLabel->width() - qRound(at.lblQty.width / WindowLayout::TwipsPerPixel);
            wider > 0)
            c.quantityLabel->move(c.quantityLabel->x() - wider, c.quantityLabel->y());
        // + and - end where the list begins, not a pixel into it.
        const auto aboveList = [&at](WindowLayout::TwipRect button) {
            button.height = std::min(button.height, at.lvList.top - button.top);
            return button;
        };
        place(c.more, aboveList(at.cmdPlus));
        place(c.fewer, aboveList(at.cmdMinus));
        place(c.view, at.lvList);
        c.view->setColumnWidth(0, qRound(at.firstColumnWidth / WindowLayout::TwipsPerPixel));
        c.view->setColumnWidth(1, QuantityColumnWidth);
        place(c.add, at.cmdAdd);
        place(c.edit, at.cmdEdit);
        place(c.up, at.cmdNUp);
        place(c.down, at.cmdNDown);
    }
    place(m_listsHint, g.lblInfo0);
    place(m_shopView, g.lvShops);
    place(m_shopsHint, g.lblInfo1);
    place(m_showLabel, g.lblShow);
    // The options' texts may need more room than designed; each control of the row then moves right.
    const auto rightOf = [](const QWidget* widget, float gap) {
        return static_cast<float>(widget->geometry().right() + 1) * WindowLayout::TwipsPerPixel + gap;
    };
    place(m_show[0],
          {std::max(g.optShow0.left, rightOf(m_showLabel, 60)), g.optShow0.top, g.optShow0.width, g.optShow0.height});
    place(m_show[1],
          {std::max(g.optShow1.left, rightOf(m_show[0], 120)), g.optShow1.top, g.optShow1.width, g.optShow1.height});
    place(m_show[2], {rightOf(m_show[1], 120), g.optShow1.top, g.optShow1.width, g.optShow1.height});
    // The button's caption, too, may need more room than designed ("Preise ändern").
    place(m_editPricesButton, {std::max(g.cmdCEdit.left, rightOf(m_show[2], 240)), g.cmdCEdit.top,
                               std::max(g.cmdCEdit.width, static_cast<float>(m_editPricesButton->sizeHint().width()) *
                                                              WindowLayout::TwipsPerPixel),
                               g.cmdCEdit.height});
    // The two lines on the cheapest shop and the trip plans stand below the table, which gives up the room for
    // them.
    constexpr float CheapestLine = 480;
    const float plans =
        static_cast<float>(m_plans[0]->sizeHint().height() * Document::MaxPlanSize) * WindowLayout::TwipsPerPixel;
    const float tableHeight = std::max(0.0f, g.lvCompare.height - CheapestLine - plans - 60);
    const float below = g.lvCompare.top + tableHeight + 60;
    place(m_comparisonView, {g.lvCompare.left, g.lvCompare.top, g.lvCompare.width, tableHeight});
    place(m_cheapestLabel, {g.lvCompare.left, below, g.lvCompare.width, CheapestLine});
    place(m_planBox, {g.lvCompare.left, below + CheapestLine, g.lvCompare.width, plans});
    place(m_pageView, g.wbList);
    place(m_printButton, g.cmdPrint);
    place(m_printHint, g.lblInfo6);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && std::find(m_pages.begin(), m_pages.end(), watched) != m_pages.end()) {
        const QSize area = static_cast<QResizeEvent*>(event)->size();
        m_geometry = WindowLayout::layoutWindow(
            static_cast<float>(area.width()) * WindowLayout::TwipsPerPixel,
            static_cast<float>(area.height()) * WindowLayout::TwipsPerPixel + PageHeightAllowance, m_geometry);
        applyGeometry();
    }
    if (event->type() == QEvent::FocusIn) {
        for (int l = 0; l < ListCount; ++l)
            if (watched == m_lists[l].name) {
                listFocused(l);
                m_tabs->setCurrentIndex(ListsTab);
            }
        if (std::find(m_show.begin(), m_show.end(), watched) != m_show.end())
            m_tabs->setCurrentIndex(ComparisonTab);
    } else if (watched == m_shopView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = m_shopView->currentIndex();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && current.isValid()) {
            if (current.column() == ShopModel::UsedColumn)
                m_shopModel->setData(current.siblingAtColumn(ShopModel::UsedColumn),
                                     m_document.usedInPlans(current.row() + 1) ? Qt::Unchecked : Qt::Checked,
                                     Qt::CheckStateRole);
            else
                shopCellChosen(current);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::connectDocument() {
    for (int l = 0; l < ListCount; ++l)
        connect(m_lists[l].name, &QLineEdit::textChanged, this, [this, l](const QString& text) {
            // Typing a name letter by letter is one step.
            const UndoStep step = undoStep(tr("Rename List %1").arg(l + 1), l);
            m_document.setListName(l, text);
        });
    const auto showListName = [this](int l) {
        if (m_lists[l].name->text() != m_document.listName(l))
            m_lists[l].name->setText(m_document.listName(l));
        // A screen reader calls each list by its name, and says which list each button acts on.
        const ListColumn& c = m_lists[l];
        const QString list = m_document.listName(l).isEmpty() ? tr("List %1").arg(l + 1) : m_document.listName(l);
        c.view->setAccessibleName(list);
        c.tickAll->setAccessibleName(tr("Tick every item of %1").arg(list));
        c.more->setAccessibleName(tr("More in %1").arg(list));
        c.fewer->setAccessibleName(tr("Fewer in %1").arg(list));
        c.add->setAccessibleName(tr("Add to %1").arg(list));
        c.edit->setAccessibleName(tr("Edit in %1").arg(list));
        c.up->setAccessibleName(tr("Move up in %1").arg(list));
        c.down->setAccessibleName(tr("Move down in %1").arg(list));
    };
    connect(&m_document, &Document::listNameChanged, this, showListName);
    for (int l = 0; l < ListCount; ++l)
        showListName(l);
    connect(&m_document, &Document::changed, this, [this] {
        setWindowModified(hasUnsavedChanges());
        m_perHundredAction->setChecked(m_document.unitPricesPerHundred());
    });
}

int MainWindow::selectedRow(int list) const {
    return m_lists[list].view->selectedRow();
}

void MainWindow::setMoveOrCopyCaption(const QString& itemName) {
    m_moveOrCopyAction->setText(tr("&Move or Copy '%1' ...").arg(withoutAccessKeys(itemName)));
}

void MainWindow::listFocused(int list) {
    m_currentList = list;
    if (const int row = selectedRow(list); row >= 0) {
        setMoveOrCopyCaption(m_document.item(list, row).name);
        m_moveOrCopyAction->setEnabled(true);
    } else {
        m_moveOrCopyAction->setText(tr("&Move or Copy..."));
        m_moveOrCopyAction->setEnabled(false);
    }
}

void MainWindow::listKeyPressed(int list, int key) {
    if (m_document.itemCount(list) == 0)
        return;
    if (key == Qt::Key_Delete) {
        if (const int row = selectedRow(list); row >= 0) {
            const UserPrompts::Answer answer = m_prompts->message(
                tr("Are you sure you want to delete the item '%1' from the '%2' list?")
                    .arg(m_document.item(list, row).name, m_document.listName(list)),
                tr("Delete Item"), UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo, UserPrompts::Answer::Yes);
            if (answer == UserPrompts::Answer::Yes) {
                const UndoStep step = undoStep(tr("Delete '%1'").arg(m_document.item(list, row).name));
                m_document.deleteItem(list, row);
            }
        }
        refreshTickAll();
    }
    listFocused(list);
    if (key == Qt::Key_F2)
        m_lists[list].view->startRename();
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        editSelected(list);
    else if (key == Qt::Key_Plus)
        count(list, +1);
    else if (key == Qt::Key_Minus)
        count(list, -1);
}

void MainWindow::editSelected(int list) {
    if (selectedRow(list) >= 0)
        openItemEditor(list, false);
}

void MainWindow::renameItemByUser(int list, int row, const QString& name) {
    {
        const UndoStep step = undoStep(tr("Rename '%1'").arg(name));
        m_document.renameItem(list, row, name);
    }
    setMoveOrCopyCaption(name);
}

void MainWindow::tickItemByUser(int list, int row, bool ticked) {
    if (row < 0 || row >= m_document.itemCount(list))
        return;
    {
        const QString& name = m_document.item(list, row).name;
        const UndoStep step = undoStep((ticked ? tr("Tick '%1'") : tr("Untick '%1'")).arg(name));
        m_document.setTicked(list, row, ticked);
    }
    refreshTickAll(list);
}

void MainWindow::refreshTickAll(int list) {
    const std::vector<Item>& items = m_document.items(list);
    if (items.empty())
        return;
    const auto ticked = std::count_if(items.begin(), items.end(), [](const Item& item) { return item.ticked; });
    m_lists[list].tickAll->setCheckState(ticked == std::ssize(items) ? Qt::Checked
                                         : ticked == 0               ? Qt::Unchecked
                                                                     : Qt::PartiallyChecked);
}

void MainWindow::refreshTickAll() {
    for (int l = 0; l < ListCount; ++l)
        refreshTickAll(l);
}

void MainWindow::tickAll(int list) {
    listFocused(list);
    const Qt::CheckState state = m_lists[list].tickAll->checkState();
    if (state == Qt::PartiallyChecked)
        return;
    const UndoStep step =
        undoStep((state == Qt::Checked ? tr("Tick All of List %1") : tr("Clear List %1")).arg(list + 1));
    m_document.setAllTicked(list, state == Qt::Checked);
}

void MainWindow::count(int list, int by) {
    listFocused(list);
    const int row = selectedRow(list);
    if (row < 0)
        return;
    const Item before = m_document.item(list, row);
    {
        const UndoStep step = undoStep((by > 0 ? tr("Count Up '%1'") : tr("Count Down '%1'")).arg(before.name));
        by > 0 ? m_document.countUp(list, row) : m_document.countDown(list, row);
    }
    // The box follows when counting up starts a count, or counting down ends one.
    if (by > 0 ? !Money::toNumber(before.quantity) : before.quantity == QLatin1String("1"))
        refreshTickAll(list);
}

void MainWindow::moveSelectedRow(int list, int offset) {
    listFocused(list);
    const int row = selectedRow(list);
    const int target = row + offset;
    if (row < 0 || target < 0 || target >= m_document.itemCount(list))
        return;
    {
        const UndoStep step =
            undoStep((offset < 0 ? tr("Move Up '%1'") : tr("Move Down '%1'")).arg(m_document.item(list, row).name));
        m_document.moveItem(list, row, target);
    }
    m_lists[list].view->selectRow(target);
}

void MainWindow::openItemEditor(int list, bool adding) {
    listFocused(list);
    const int row = selectedRow(list);
    ItemEditor::Subject subject{ItemEditor::Mode::Add, {}, {}, m_addToBottom};
    if (!adding) {
        const Item& item = m_document.item(list, row);
        subject = {ItemEditor::Mode::Edit, item.key, item.name};
    }
    ItemEditor editor(m_document, *m_prompts, m_runDialog, subject, this);
    editor.setAddCheck([this] { return keysLeft(); });
    runDialog(editor);
    if (editor.result() != QDialog::Accepted)
        return;
    const ItemEditor::Edit edit = editor.edit();
    const UndoStep step = undoStep((adding ? tr("Add '%1'") : tr("Edit '%1'")).arg(edit.name));
    QString key = subject.itemKey;
    if (adding) {
        m_addToBottom = edit.addToBottom;
        m_settings->setAddToBottom(m_addToBottom);
        // No selected row means there is nothing to add below: the item goes to the bottom.
        key = m_document.addItem(list, !edit.addToBottom && row >= 0 ? row + 1 : m_document.itemCount(list), edit.name);
        refreshTickAll();
        m_moveOrCopyAction->setEnabled(true);
    } else {
        m_document.renameItem(list, row, edit.name);
    }
    setPrices(m_document, key, edit);
}

bool MainWindow::keysLeft() {
    if (m_document.keysLeft())
        return true;
    m_prompts->message(tr("No more items can be added: every item key this data file can number has been used."),
                       tr("Error"), UserPrompts::Icon::Exclamation);
    return false;
}

void MainWindow::moveOrCopy() {
    const int list = m_currentList;
    const int row = selectedRow(list);
    if (row < 0)
        return;
    MoveCopyDialog dialog(m_document, list, row, this);
    dialog.setCopyCheck([this] { return keysLeft(); });
    runDialog(dialog);
    const int target = dialog.targetList();
    if (dialog.result() == QDialog::Accepted && (dialog.copies() || target != list)) {
        const UndoStep step =
            undoStep((dialog.copies() ? tr("Copy '%1'") : tr("Move '%1'")).arg(m_document.item(list, row).name));
        dialog.copies() ? m_document.copyItemToList(list, row, target) : m_document.moveItemToList(list, row, target);
        // Only the list that received the item: the source list's box is left as it was.
        refreshTickAll(target);
    }
    showTab();
}

bool MainWindow::findItem(const QString& text, bool backwards, bool fromCurrent) {
    // Positions count through the four lists in order; the search starts at the current item.
    std::array<int, ListCount + 1> starts{};
    for (int l = 0; l < ListCount; ++l)
        starts[l + 1] = starts[l] + m_document.itemCount(l);
    const int total = starts[ListCount];
    if (total == 0)
        return false;
    const QString wanted = SearchText::folded(text);
    const int current = starts[m_currentList] + std::max(selectedRow(m_currentList), 0);
    const int step = backwards ? total - 1 : 1;
    for (int i = fromCurrent ? 0 : 1; i <= total; ++i) {
        const auto position = static_cast<int>((current + static_cast<qint64>(i) * step) % total);
        const int list =
            static_cast<int>(std::upper_bound(starts.begin(), starts.end(), position) - starts.begin()) - 1;
        const int row = position - starts[list];
        if (!SearchText::folded(m_document.item(list, row).name).contains(wanted))
            continue;
        m_tabs->setCurrentIndex(ListsTab);
        ListView* view = m_lists[list].view;
        view->selectRow(row);
        view->scrollTo(view->currentIndex());
        listFocused(list);
        return true;
    }
    return false;
}

void MainWindow::exportCsv() {
    const QString path =
        m_prompts->saveFile(tr("Export to CSV"), tr("CSV files (*.csv)"),
                            m_settings->csvFolder(m_layout.dataFolder) + QStringLiteral("Pantrova.csv"));
    if (path.isEmpty())
        return;
    m_settings->setCsvFolder(path);
    if (const QString error = SafeFile::writeAtomically(path, Csv::exportLists(m_document)); !error.isEmpty()) {
        m_prompts->message(tr("The file '%1' could not be written: %2.").arg(QDir::toNativeSeparators(path), error),
                           tr("Export to CSV"), UserPrompts::Icon::Critical);
        return;
    }
    statusBar()->showMessage(tr("Exported to '%1'").arg(QDir::toNativeSeparators(path)), SavedMessageMs);
}

void MainWindow::importCsv() {
    const QString path = m_prompts->openFile(tr("Import from CSV"), tr("CSV files (*.csv);;All files (*)"),
                                             m_settings->csvFolder(m_layout.dataFolder));
    if (path.isEmpty())
        return;
    m_settings->setCsvFolder(path);
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
    const Csv::Import import = Csv::readFile(path, m_document, m_currentList, tell);
    if (!import.error.isEmpty()) {
        progress.reset();
        m_prompts->message(tr("Nothing was imported from '%1':\n\n%2").arg(file, import.error), tr("Import from CSV"),
                           UserPrompts::Icon::Exclamation);
        return;
    }
    if (!import.stopped && !import.changes()) {
        progress.reset();
        statusBar()->showMessage(tr("Nothing was changed: the lists hold what '%1' holds already.").arg(file),
                                 SavedMessageMs);
        return;
    }
    std::optional<Document::Step> step;
    if (!import.stopped) {
        progress.reset();
        // Items the lists hold are updated: the user sees what will change before it does.
        const int answer =
            m_prompts->choose(tr("Import from '%1'?\n\n%2").arg(file, Csv::summary(import)), tr("Import from CSV"),
                              UserPrompts::Icon::Question, {tr("&Import"), tr("Cancel")}, 0, 1);
        if (answer == 0) {
            progress.setLabelText(
                tr("Importing %1 rows from '%2'...").arg(QLocale().toString(qint64(import.items.size())), file));
            step = Csv::apply(import, m_document, tell);
        }
    }
    progress.reset();
    if (!step) {
        statusBar()->showMessage(tr("The import from '%1' was cancelled; nothing was changed.").arg(file),
                                 SavedMessageMs);
        return;
    }
    if (!step->edits.empty())
        m_undo->push(new DocumentStep(m_document, std::move(*step), tr("Import from CSV"), -1));
    refreshTickAll();
    listFocused(m_currentList);
    showTab();
    statusBar()->showMessage(tr("Imported %Ln items from '%1'", nullptr, int(import.items.size())).arg(file),
                             SavedMessageMs);
}

void MainWindow::undoOrRedo(bool undo) {
    undo ? m_undo->undo() : m_undo->redo();
    // The boxes, the menu's caption and the tab in front follow as after any other change.
    refreshTickAll();
    listFocused(m_currentList);
    showTab();
}

void MainWindow::renameShop(int shop) {
    if (shop < 1 || shop > Store::ShopCount)
        return;
    const QString answer =
        m_prompts->input(tr("Set name for shop:"), tr("Shop %1").arg(shop), m_document.shopName(shop));
    if (!answer.isEmpty()) {
        const UndoStep step = undoStep(tr("Rename Shop %1").arg(shop));
        m_document.renameShop(shop, answer);
    }
}

void MainWindow::setTripCost(int shop) {
    const QString name = m_document.shopName(shop).isEmpty() ? tr("Shop %1").arg(shop) : m_document.shopName(shop);
    // A text that is no amount is offered again, as typed, to be mended.
    QString typed = m_document.tripCost(shop);
    Money::Price price;
    for (;;) {
        typed = m_prompts->input(tr("What a trip to '%1' costs, such as a fare or fuel (0 for nothing):").arg(name),
                                 tr("Trip Cost"), typed);
        if (typed.isEmpty())
            return;
        const std::optional<double> number = Money::toNumber(typed);
        price = Money::parsePrice(number);
        if (price.problem != Money::Price::Problem::NotANumber && number && *number >= 0)
            break;
        m_prompts->message(tr("Please enter an amount of 0 or more, such as %1.").arg(Money::format(2.5)), tr("Error"),
                           UserPrompts::Icon::Exclamation);
    }
    const UndoStep step = undoStep(tr("Change Trip Cost of Shop %1").arg(shop));
    // What rounds to no cent costs nothing.
    m_document.setTripCost(shop,
                           price.problem == Money::Price::Problem::None ? Money::formatPrice(price.amount) : QString());
}

void MainWindow::shopCellChosen(const QModelIndex& index) {
    if (!index.isValid())
        return;
    if (index.column() == ShopModel::TripCostColumn)
        setTripCost(index.row() + 1);
    else if (index.column() != ShopModel::UsedColumn)
        renameShop(index.row() + 1);
}

void MainWindow::changeSymbol() {
    const QString old = m_document.symbol();
    const QString answer =
        m_prompts->input(tr("Change currency symbol/code from '%1':").arg(old), tr("Change Currency Symbol/Code"), old);
    if (!answer.isEmpty()) {
        const UndoStep step = undoStep(tr("Change Currency Symbol"));
        m_document.setSymbol(answer);
    }
    showTab();
}

void MainWindow::changeOldPriceDays() {
    constexpr int MostDays = 36500;
    const QString answer =
        m_prompts->input(tr("Show prices as old in the comparison when they were set more than this many days ago:"),
                         tr("Old Prices"), QString::number(m_document.oldPriceDays()));
    if (answer.isEmpty())
        return;
    const std::optional<int> days = Store::toWholeNumber(answer);
    if (!days || *days < 1 || *days > MostDays) {
        m_prompts->message(tr("Please enter a whole number of days from 1 to %1.").arg(MostDays), tr("Error"),
                           UserPrompts::Icon::Exclamation);
        return;
    }
    {
        const UndoStep step = undoStep(tr("Change Old Prices"));
        m_document.setOldPriceDays(*days);
    }
    showTab();
}

void MainWindow::showTab() {
    const int shown = m_tabs->currentIndex();
    for (const ListColumn& c : m_lists)
        c.nameShortcut->setEnabled(shown != ListsTab);
    m_printButton->setVisible(shown == PreviewTab);
    if (shown == ComparisonTab)
        compare();
    else if (shown == PreviewTab) {
        // Showing the page sets the comparison back to the ticked items, which the page lists.
        m_show[0]->setChecked(true);
        showPage();
    }
}

void MainWindow::compare() {
    m_editPricesButton->setEnabled(false);
    const auto mode = m_show[0]->isChecked()   ? ComparisonEngine::Mode::SelectedItems
                      : m_show[1]->isChecked() ? ComparisonEngine::Mode::AllItems
                                               : ComparisonEngine::Mode::UnitPrices;
    m_comparisonModel->setComparison(m_comparison.compare(m_document, mode, m_document.today()));
    const Comparison& shown = m_comparisonModel->comparison();
    m_comparisonModel->fitColumns(m_comparisonView);
    m_settings->applyColumnWidths(m_comparisonView);
    m_cheapestLabel->setText(shown.splitTripLine.isEmpty()
                                 ? shown.cheapestLine
                                 : shown.cheapestLine + QLatin1Char('\n') + shown.splitTripLine);
    m_cheapestLabel->setToolTip(plainToolTip(m_cheapestLabel->text()));
    showPlans(shown);
}

void MainWindow::showPlans(const Comparison& shown) {
    bool any = false;
    for (size_t k = 0; k < m_plans.size(); ++k) {
        const Comparison::Plan& plan = shown.plans[k];
        QRadioButton* button = m_plans[k];
        // A bigger plan that visits the same shops as a smaller one says so, and stays to be chosen.
        const QString line = k > 0 && plan.shops == shown.plans[k - 1].shops
                                 ? tr("%1 shops: none cheaper than with fewer shops").arg(k + 1)
                                 : plan.line;
        button->setVisible(!plan.line.isEmpty());
        any = any || !plan.line.isEmpty();
        // The plan's text holds shop names: an "&" in one is no access key.
        button->setText(withoutAccessKeys(line));
        button->setChecked(static_cast<int>(k) + 1 == shown.planSize);
        const QString detail = ComparisonEngine::planDetail(plan).join(QLatin1Char('\n'));
        button->setToolTip(plainToolTip(detail));
        button->setAccessibleName(line);
        button->setAccessibleDescription(detail);
    }
    m_planBox->setVisible(any);
}

void MainWindow::endOffers() {
    QStringList ended;
    {
        const UndoStep step = undoStep(tr("End Offers"));
        ended = m_document.endOffers(m_document.today());
    }
    if (!ended.isEmpty()) {
        statusBar()->showMessage(
            tr("Offers ended, back to the regular price: %1").arg(ended.join(QStringLiteral(", "))));
        showTab();
    }
    // A little after midnight, so that the clock has surely turned.
    const QDateTime now = QDateTime::currentDateTime();
    m_dayTimer->start(static_cast<int>(now.msecsTo(now.date().addDays(1).startOfDay())) + 1000);
}

void MainWindow::comparisonRowChosen(const QModelIndex& index) {
    m_editPricesButton->setEnabled(index.isValid() &&
                                   !index.siblingAtColumn(0).data(ComparisonModel::KeyRole).toString().isEmpty());
}

void MainWindow::editComparedPrices() {
    const QModelIndex current = m_comparisonView->currentIndex();
    QString key;
    QString label;
    if (current.isValid()) {
        const Comparison::Row& compared = m_comparisonModel->comparison().rows[static_cast<size_t>(current.row())];
        key = compared.kind == Comparison::Row::Kind::Item ? compared.key : QString();
        label = compared.texts[0];
    }
    ItemEditor editor(m_document, *m_prompts, m_runDialog, {ItemEditor::Mode::EditPrices, key, label}, this);
    runDialog(editor);
    if (editor.result() != QDialog::Accepted)
        return;
    {
        const UndoStep step = undoStep(tr("Edit Prices of '%1'").arg(label));
        setPrices(m_document, key, editor.edit());
    }
    // The table shows the new prices, with the same row chosen.
    const int row = m_comparisonView->currentIndex().row();
    compare();
    m_comparisonView->setCurrentIndex(m_comparisonModel->index(row, 0));
    m_editPricesButton->setEnabled(true);
}

void MainWindow::showPage() {
    const PageBuilder::Built built =
        PageBuilder::build(m_document, m_comparison, *m_varnet, m_layout.templateFolder, m_safety->dataFile());
    if (!built.error.isEmpty()) {
        m_prompts->message(built.error, tr("Pantrova Error"), UserPrompts::Icon::Critical);
        return;
    }
    const QUrl url = QUrl::fromLocalFile(built.path);
    if (m_pageView->source() == url)
        m_pageView->reload();
    else
        m_pageView->setSource(url);
}

void MainWindow::print() {
    m_tabs->setCurrentIndex(PreviewTab);
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    runDialog(dialog);
    if (dialog.result() == QDialog::Accepted)
        m_pageView->document()->print(&printer);
}
