// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "help.h"

#include "item_editor.h"
#include "move_copy.h"
#include "price_history.h"
#include "user_prompts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A caption as a screen reader says it: the access key's "&" gone ("&&" is one "&"), and no closing colon.
QString plainCaption(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    plain = plain.trimmed();
    if (plain.endsWith(QLatin1Char(':')))
        plain.chop(1);
    return plain;
}

QString keyText(const QKeySequence& key) {
    return key.toString(QKeySequence::NativeText);
}

// The caption of the tab that shows the widget; empty when no tab does.
QString tabOf(QWidget* widget) {
    for (QWidget* page = widget; page && page->parentWidget(); page = page->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget()))
            if (const int index = tabs->indexOf(page); index >= 0)
                return plainCaption(tabs->tabText(index));
    return {};
}

} // namespace

namespace Help {

QString version() {
    return QStringLiteral(PANTROVA_VERSION);
}

QString description() {
    return QCoreApplication::translate("Help", "Plans purchases: four shopping lists, prices at up to twenty shops, "
                                               "the cheapest shop and a printable page.");
}

} // namespace Help

ShortcutsDialog::Section ShortcutsDialog::keysOf(const QString& title, const QWidget& window) {
    Section section{title, {}};
    const auto add = [&section](const QKeySequence& key, const QString& command) {
        if (!key.isEmpty())
            section.keys.append({keyText(key), command});
    };
    if (const auto* mainWindow = qobject_cast<const QMainWindow*>(&window)) {
        for (const QAction* entry : mainWindow->menuBar()->actions()) {
            const QMenu* menu = entry->menu();
            if (!menu)
                continue;
            const QString menuTitle = plainCaption(menu->title());
            add(QKeySequence::mnemonic(menu->title()), tr("%1 menu").arg(menuTitle));
            for (const QAction* action : menu->actions())
                for (const QKeySequence& key : action->shortcuts())
                    add(key, tr("%1 > %2").arg(menuTitle, plainCaption(action->text())));
        }
    }
    for (const QAction* action : window.actions())
        for (const QKeySequence& key : action->shortcuts())
            add(key, plainCaption(action->text()));

    // An access key is named as a screen reader names its control, with the tab that shows it.
    const auto addAccessKey = [&add](QWidget* control, const QString& caption, const QString& name) {
        const QString tab = tabOf(control);
        const QString command = name.isEmpty() ? plainCaption(caption) : name;
        add(QKeySequence::mnemonic(caption), tab.isEmpty() ? command : tr("%1: %2").arg(tab, command));
    };
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy())
            addAccessKey(label, label->text(), label->buddy()->accessibleName());
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        addAccessKey(button, button->text(), {});
    for (QGroupBox* box : window.findChildren<QGroupBox*>())
        addAccessKey(box, box->title(), {});

    // A shortcut that repeats an access key makes it work from the other tabs too: listed once.
    QStringList listed;
    for (const Key& key : section.keys)
        listed << key.keys;
    for (const QShortcut* shortcut : window.findChildren<QShortcut*>())
        if (!listed.contains(keyText(shortcut->key())))
            add(shortcut->key(), shortcut->whatsThis());
    return section;
}

QList<ShortcutsDialog::Section> ShortcutsDialog::gather(const QWidget& window, const Document& document,
                                                        UserPrompts& prompts) {
    // The keys that the lists, the shops and the find bar handle themselves.
    const auto within = [](QKeyCombination key, const QString& command) {
        return Key{keyText(QKeySequence(key)), command, true};
    };
    Section main = keysOf(tr("Main window"), window);
    main.keys << within(Qt::Key_Space, tr("Lists: tick or untick the selected item"))
              << within(Qt::Key_Delete, tr("Lists: delete the selected item"))
              << within(Qt::Key_F2, tr("Lists: rename the selected item"))
              << within(Qt::Key_Return, tr("Shops: name the selected shop"))
              << within(Qt::Key_Return, tr("Find: the next match"))
              << within(Qt::SHIFT | Qt::Key_Return, tr("Find: the previous match"))
              << within(Qt::Key_Escape, tr("Find: close the find bar"));

    const ItemEditor editor(document, prompts, {}, {});
    Section editing = keysOf(tr("Item editor"), editor);
    editing.keys << within(Qt::Key_F2, tr("Prices: set the price at the selected shop"))
                 << within(Qt::Key_Return, tr("Prices: OK"));
    const MoveCopyDialog moveOrCopy(document, 0, -1);
    const PriceHistoryDialog history(document, {}, {});
    const AboutDialog about(QString{});
    return {main, editing, keysOf(tr("Move or Copy"), moveOrCopy), keysOf(tr("Price history"), history),
            keysOf(tr("About Pantrova"), about)};
}

ShortcutsDialog::ShortcutsDialog(const QList<Section>& sections, QWidget* parent)
    : QDialog(parent)
    , m_sections(sections) {
    setWindowTitle(tr("Keyboard Shortcuts"));
    keyList = new QTreeWidget(this);
    keyList->setAccessibleName(tr("Keyboard shortcuts"));
    keyList->setHeaderLabels({tr("Keys"), tr("Command")});
    keyList->setUniformRowHeights(true);
    for (const Section& section : sections) {
        auto* heading = new QTreeWidgetItem(keyList, {section.title});
        QFont bold = heading->font(0);
        bold.setBold(true);
        heading->setFont(0, bold);
        heading->setFirstColumnSpanned(true);
        for (const Key& key : section.keys)
            new QTreeWidgetItem(heading, {key.keys, key.command});
    }
    keyList->expandAll();
    // Every command is read whole: the table is as wide as its texts and scrolls where the screen is narrower.
    keyList->header()->setStretchLastSection(false);
    keyList->resizeColumnToContents(0);
    keyList->resizeColumnToContents(1);
    const int width = keyList->columnWidth(0) + keyList->columnWidth(1) + 2 * keyList->frameWidth() +
                      keyList->verticalScrollBar()->sizeHint().width();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keyList);
    layout->addWidget(buttons);
    fitToScreen(*this, {std::max(620, width + 2 * layout->contentsMargins().left()), 560});
}

AboutDialog::AboutDialog(const QString& dataFolder, QWidget* parent)
    : QDialog(parent)
    , m_dataFolder(dataFolder) {
    setWindowTitle(tr("About Pantrova"));
    auto* pages = new QTabWidget(this);
    pages->setAccessibleName(tr("About Pantrova"));

    auto* about = new QWidget(pages);
    auto* title = new QLabel(QStringLiteral("<h2>%1 %2</h2>").arg(tr("Pantrova"), Help::version()), about);
    auto* description = new QLabel(Help::description(), about);
    description->setWordWrap(true);
    auto* licence =
        new QLabel(tr("Pantrova is free software: you can pass it on and change it under the terms of the GNU General "
                      "Public License, version 3 or (at your choice) any later version. It comes with no warranty. "
                      "The licence's full text is on the Licence tab."),
                   about);
    licence->setWordWrap(true);
    auto* folderLabel = new QLabel(tr("Your data file is kept in this folder:"), about);
    auto* folder = new QLabel(QDir::toNativeSeparators(dataFolder), about);
    folder->setTextFormat(Qt::PlainText);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folder->setWordWrap(true);
    auto* openFolder = new QPushButton(tr("&Open Folder"), about);
    openFolder->setObjectName(QStringLiteral("openDataFolder"));
    connect(openFolder, &QPushButton::clicked, this, &AboutDialog::openDataFolder);
    auto* qt = new QLabel(
        tr("Qt %1 (built with Qt %2)").arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)), about);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder, 1);
    folderRow->addWidget(openFolder);
    auto* aboutLayout = new QVBoxLayout(about);
    for (QWidget* widget : std::initializer_list<QWidget*>{title, description, licence, folderLabel})
        aboutLayout->addWidget(widget);
    aboutLayout->addLayout(folderRow);
    aboutLayout->addWidget(qt);
    aboutLayout->addStretch();
    // The page scrolls where the screen is too small for it; the licence scrolls by itself.
    pages->addTab(scrollingBody(about, pages), tr("About"));

    auto* licenceText = new QPlainTextEdit(pages);
    licenceText->setObjectName(QStringLiteral("licenceText"));
    licenceText->setAccessibleName(tr("Licence text"));
    licenceText->setReadOnly(true);
    QFile licenceFile(QStringLiteral(":/LICENSE"));
    if (licenceFile.open(QIODevice::ReadOnly))
        licenceText->setPlainText(QString::fromUtf8(licenceFile.readAll()));
    pages->addTab(licenceText, tr("Licence"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    fitToScreen(*this, {600, 480});
}

void AboutDialog::openDataFolder() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_dataFolder));
}
