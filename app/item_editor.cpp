// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "item_editor.h"

#include "document.h"
#include "money.h"
#include "pack_size.h"
#include "price_history.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <limits>

namespace {

enum PriceColumn {
    NumberColumn = 0,
    ShopColumn = 1,
    PriceColumn = 2,
    DateColumn = 3,
    PackColumn,
    UnitColumn,
    OfferColumn
};

} // namespace

ItemEditor::ItemEditor(const Document& document, UserPrompts& prompts, DialogRunner runDialog, const Subject& subject,
                       QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_prompts(prompts)
    , m_runDialog(std::move(runDialog))
    , m_subject(subject) {
    // Everything above OK and Cancel scrolls where the screen is too small for it.
    auto* body = new QWidget(this);
    auto* nameLabel = new QLabel(tr("&Name:"), body);
    nameEdit = new QLineEdit(body);
    // A name as long as the data file holds must come back whole, not cut at the box's usual limit.
    nameEdit->setMaxLength(std::numeric_limits<int>::max());
    nameLabel->setBuddy(nameEdit);
    addToBottomBox = new QCheckBox(tr("&Add to bottom of list"), body);
    auto* pricesBox = new QGroupBox(tr("Prices"), body);
    priceList = new QTreeWidget(pricesBox);
    priceList->setColumnCount(7);
    priceList->setRootIsDecorated(false);
    priceList->setUniformRowHeights(true);
    priceList->setAccessibleName(tr("Prices"));
    priceList->header()->setStretchLastSection(false);
    priceList->header()->setSectionResizeMode(ShopColumn, QHeaderView::Stretch);
    setButton = new QPushButton(tr("&Set price"), pricesBox);
    deleteButton = new QPushButton(tr("&Delete price"), pricesBox);
    packButton = new QPushButton(tr("Pac&k size..."), pricesBox);
    offerButton = new QPushButton(tr("O&ffer..."), pricesBox);
    historyButton = new QPushButton(tr("&History..."), pricesBox);
    okButton = new QPushButton(tr("OK"), this);
    cancelButton = new QPushButton(tr("Cancel"), this);
    okButton->setDefault(true);

    auto* priceButtons = new QHBoxLayout;
    priceButtons->addWidget(setButton);
    priceButtons->addWidget(deleteButton);
    priceButtons->addWidget(packButton);
    priceButtons->addWidget(offerButton);
    priceButtons->addStretch();
    priceButtons->addWidget(historyButton);
    auto* prices = new QVBoxLayout(pricesBox);
    prices->addWidget(priceList);
    prices->addLayout(priceButtons);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* name = new QHBoxLayout;
    name->addWidget(nameLabel);
    name->addWidget(nameEdit);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addLayout(name);
    bodyLayout->addWidget(addToBottomBox);
    bodyLayout->addWidget(pricesBox);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollingBody(body, this));
    layout->addLayout(buttons);
    fitToScreen(*this, {720, 520});

    connect(setButton, &QPushButton::clicked, this, &ItemEditor::setPrice);
    connect(deleteButton, &QPushButton::clicked, this, &ItemEditor::deletePrice);
    connect(packButton, &QPushButton::clicked, this, &ItemEditor::setPack);
    connect(offerButton, &QPushButton::clicked, this, &ItemEditor::setOffer);
    connect(historyButton, &QPushButton::clicked, this, &ItemEditor::showHistory);
    connect(okButton, &QPushButton::clicked, this, &ItemEditor::ok);
    connect(cancelButton, &QPushButton::clicked, this, &ItemEditor::reject);
    // A double click or F2 on a shop sets its price, as the button does; Enter there presses OK, as elsewhere. A
    // double click on a pack edits it in place.
    connect(priceList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row, int column) {
        if (column == PackColumn)
            priceList->editItem(row, PackColumn);
        else
            setPrice();
    });
    connect(priceList, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* row, int column) {
        if (column == PackColumn && !m_showing)
            takePack(row, row->text(PackColumn));
    });
    priceList->installEventFilter(this);

    // Load.
    priceList->setHeaderLabels({tr("#"), tr("Shop"), tr("Price (%1)").arg(document.symbol()), tr("Set on"), tr("Pack"),
                                tr("Unit price"), tr("Offer")});
    m_showing = true;
    for (int shop = 1; shop <= Store::ShopCount; ++shop) {
        auto* row = new QTreeWidgetItem({QString::number(shop), document.shopName(shop)});
        row->setTextAlignment(PriceColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(UnitColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setFlags(row->flags() | Qt::ItemIsEditable);
        priceList->addTopLevelItem(row);
    }
    m_showing = false;
    priceList->resizeColumnToContents(NumberColumn);
    priceList->setCurrentItem(priceList->topLevelItem(0));

    const bool adding = subject.mode == Mode::Add;
    addToBottomBox->setVisible(adding);
    historyButton->setEnabled(!adding);
    if (adding) {
        setWindowTitle(tr("Add"));
        addToBottomBox->setChecked(subject.addToBottom);
    } else if (!subject.itemKey.isEmpty()) {
        setWindowTitle(tr("Editing '%1'").arg(subject.name));
        nameEdit->setText(subject.name);
        loadPrices();
    }
    if (subject.mode == Mode::EditPrices) {
        // The name cannot be changed from the comparison; the box says so by looking like a button face.
        nameEdit->setEnabled(false);
        QPalette palette = nameEdit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Button));
        nameEdit->setPalette(palette);
    }
}

void ItemEditor::loadPrices() {
    const Document::Prices& prices = m_document.prices(m_subject.itemKey);
    for (int shop = 1; shop <= Store::ShopCount; ++shop)
        // An empty text or the store's marker for a missing key is no price: OK deletes it.
        if (prices.has(shop) && !prices.texts[shop - 1].isEmpty() && prices.texts[shop - 1] != ConfigFile::NotFound) {
            QTreeWidgetItem* row = priceList->topLevelItem(shop - 1);
            row->setText(PriceColumn, prices.texts[shop - 1]);
            const QDate date = prices.dates[shop - 1];
            row->setText(DateColumn,
                         date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : tr("date unknown"));
            m_packs[shop - 1] = prices.packs[shop - 1];
            m_offers[shop - 1] = prices.offers[shop - 1];
            showPack(row);
        }
    priceList->resizeColumnToContents(DateColumn);
}

std::optional<QString> ItemEditor::ask(const QString& prompt, const QString& title, const QString& preset,
                                       const std::function<QString(const QString&)>& problem,
                                       const std::optional<QString>& typed) {
    QString answer = typed ? *typed : m_prompts.input(prompt, title, preset);
    for (bool again = false;; again = true) {
        if (answer.trimmed().isEmpty())
            return again ? std::nullopt : std::optional<QString>(QString());
        const QString why = problem(answer);
        if (why.isEmpty())
            return answer;
        m_prompts.message(why, tr("Error"), UserPrompts::Icon::Exclamation);
        answer = m_prompts.input(prompt, title, answer);
    }
}

QString ItemEditor::priceProblem(const QString& typed, const Money::Price& price) {
    if (price.problem == Money::Price::Problem::TooSmall)
        return tr("Please enter a value of 0.01 or greater.");
    if (price.problem == Money::Price::Problem::None)
        return {};
    QString why = tr("\"%1\" is no price. Please type a price such as %2.").arg(typed.trimmed(), Money::format(1.29));
    // A point or comma typed by habit where the user's language writes the other one ("1.29" in German, where a
    // point only groups thousands): say which one it writes.
    const QString decimal = QLocale().decimalPoint();
    for (const QString& other : {QStringLiteral("."), QStringLiteral(",")})
        if (other != decimal && typed.count(other) == 1)
            if (const QString meant = QString(typed).replace(other, decimal).trimmed(); Money::toNumber(meant))
                why += QLatin1Char(' ') +
                       tr("Your language writes the decimals after \"%1\", not \"%2\": %3.").arg(decimal, other, meant);
    return why;
}

void ItemEditor::setPrice() {
    QTreeWidgetItem* row = priceList->currentItem();
    if (!row)
        return;
    Money::Price price;
    const std::optional<QString> answer =
        ask(tr("Please enter the cost of '%1' at '%2':").arg(nameEdit->text(), row->text(ShopColumn)), tr("Edit Price"),
            row->text(PriceColumn), [&price](const QString& typed) {
                price = Money::parsePrice(Money::toNumber(typed));
                return priceProblem(typed, price);
            });
    if (!answer || answer->isEmpty())
        return;
    row->setText(PriceColumn, Money::formatPrice(price.amount));
    row->setText(DateColumn, QLocale().toString(m_document.today(), QLocale::ShortFormat));
    m_changes[static_cast<size_t>(priceList->indexOfTopLevelItem(row))] = row->text(PriceColumn);
    showPack(row);
}

void ItemEditor::takePack(QTreeWidgetItem* row, const std::optional<QString>& typed) {
    const auto s = static_cast<size_t>(priceList->indexOfTopLevelItem(row));
    QString stored;
    const std::optional<QString> answer = ask(
        tr("Please enter the pack size that the price of '%1' at '%2' buys (for example %3); leave it empty for none:")
            .arg(nameEdit->text(), row->text(ShopColumn), Pack::examples()),
        tr("Pack Size"), row->text(PackColumn),
        [&stored](const QString& text) {
            stored = Pack::stored(text);
            return stored.isEmpty() ? tr("\"%1\" is no pack size. Please type an amount and a unit, for example %2.")
                                          .arg(text, Pack::examples())
                                    : QString();
        },
        typed);
    if (answer && !stored.isEmpty() && row->text(PriceColumn).isEmpty())
        m_prompts.message(tr("Please set a price first: a pack size belongs to a price."), tr("Error"),
                          UserPrompts::Icon::Exclamation);
    else if (answer)
        m_packChanges[s] = m_packs[s] = stored;
    showPack(row);
}

void ItemEditor::showPack(QTreeWidgetItem* row) {
    const auto s = static_cast<size_t>(priceList->indexOfTopLevelItem(row));
    const Pack::Per per = m_document.unitPricesPer();
    const std::optional<Pack::Size> size = Pack::read(m_packs[s], QLocale::c());
    const std::optional<double> price = Money::toNumber(row->text(PriceColumn));
    const std::optional<double> unit = size && price ? Pack::unitPrice(*price, *size, per) : std::nullopt;
    const std::optional<Store::PriceRecord::Offer>& offer = m_offers[s];
    m_showing = true;
    row->setText(PackColumn, m_packs[s].isEmpty() ? QString() : Pack::shown(m_packs[s]));
    row->setText(UnitColumn,
                 unit ? Pack::formatUnitPrice(*unit) + QLatin1Char('/') + Pack::unitName(size->kind, per) : QString());
    row->setText(
        OfferColumn,
        offer && offer->lastDay.isValid()
            ? tr("until %1, regular %2").arg(QLocale().toString(offer->lastDay, QLocale::ShortFormat), offer->regular)
            : QString());
    m_showing = false;
    // A pack, unit price or offer is read whole; where the dialog is too narrow for it, the table scrolls.
    for (const int column : {PackColumn, UnitColumn, OfferColumn})
        priceList->resizeColumnToContents(column);
}

void ItemEditor::setPack() {
    if (QTreeWidgetItem* row = priceList->currentItem())
        takePack(row, std::nullopt);
}

void ItemEditor::setOffer() {
    QTreeWidgetItem* row = priceList->currentItem();
    if (!row || row->text(PriceColumn).isEmpty())
        return;
    const auto s = static_cast<size_t>(priceList->indexOfTopLevelItem(row));
    const QLocale locale;
    const std::optional<Store::PriceRecord::Offer>& now = m_offers[s];
    const QString example = locale.toString(m_document.today(), QLocale::ShortFormat);
    QDate lastDay;
    const std::optional<QString> day = ask(
        tr("The price of '%1' at '%2' is an offer until this day (for example %3); leave it empty when it is none:")
            .arg(nameEdit->text(), row->text(ShopColumn), example),
        tr("Offer"), now ? locale.toString(now->lastDay, QLocale::ShortFormat) : QString(), [&](const QString& typed) {
            lastDay = locale.toDate(typed.trimmed(), QLocale::ShortFormat);
            // A two-digit year reads as the last century's; no offer ends then.
            if (lastDay.isValid() && lastDay.year() < 2000)
                lastDay = lastDay.addYears(100);
            return lastDay.isValid() ? QString() : tr("Please enter a day such as %1.").arg(example);
        });
    if (!day)
        return;
    if (day->isEmpty()) {
        // An invalid last day ends the offer.
        if (now)
            m_offerChanges[s] = Store::PriceRecord::Offer{};
        m_offers[s].reset();
        showPack(row);
        return;
    }
    Money::Price price;
    const std::optional<QString> regular =
        ask(tr("The regular price of '%1' at '%2':").arg(nameEdit->text(), row->text(ShopColumn)), tr("Offer"),
            now ? now->regular : QString(), [&price](const QString& typed) {
                price = Money::parsePrice(Money::toNumber(typed));
                return priceProblem(typed, price);
            });
    if (!regular || regular->isEmpty())
        return;
    m_offers[s] = m_offerChanges[s] = Store::PriceRecord::Offer{lastDay, Money::formatPrice(price.amount)};
    showPack(row);
}

bool ItemEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == priceList && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
            setPrice();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ItemEditor::deletePrice() {
    if (QTreeWidgetItem* row = priceList->currentItem()) {
        const auto s = static_cast<size_t>(priceList->indexOfTopLevelItem(row));
        row->setText(PriceColumn, QString());
        row->setText(DateColumn, QString());
        m_changes[s] = QString();
        // A deleted price takes its pack and offer with it.
        m_packs[s].clear();
        m_offers[s].reset();
        showPack(row);
    }
}

void ItemEditor::showHistory() {
    // The chart shows what OK would save as well: prices set or deleted here, and prices whose pack changed.
    PriceHistoryDialog::Pending pending;
    for (size_t s = 0; s < pending.size(); ++s)
        if (m_changes[s] || m_packChanges[s])
            pending[s] = PriceHistoryDialog::PendingPrice{
                priceList->topLevelItem(static_cast<int>(s))->text(PriceColumn), m_packs[s]};
    PriceHistoryDialog history(m_document, m_subject.itemKey, nameEdit->text(), pending, this);
    m_runDialog(history);
}

ItemEditor::Edit ItemEditor::edit() const {
    // Every shop without a price in the list loses whatever is stored for it; the prices left as they were keep
    // their dates.
    Edit edit{nameEdit->text(), addToBottomBox->isChecked(), m_changes, m_packChanges, m_offerChanges};
    for (int shop = 1; shop <= Store::ShopCount; ++shop)
        if (priceList->topLevelItem(shop - 1)->text(PriceColumn).isEmpty())
            edit.prices[static_cast<size_t>(shop - 1)] = QString();
    return edit;
}

void ItemEditor::ok() {
    if (nameEdit->text().isEmpty()) {
        m_prompts.message(tr("Please type in a name for this item."), tr("Error"), UserPrompts::Icon::Exclamation);
        return;
    }
    if (m_subject.mode == Mode::Add ? m_addCheck && !m_addCheck() : m_subject.itemKey.isEmpty())
        return;
    accept();
}
