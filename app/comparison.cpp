// GenPCList, the price comparison: for the ticked (or all) items of the four lists, each item's cost at every
// shop, the total per shop and the cheapest shop. The table is derived, rebuilt from scratch every time from
// the prices kept in ComparisonPrices.

#include "comparison.h"
#include "config_file.h"
#include "item_editor.h"
#include "list_view.h"
#include "main_window.h"
#include "money.h"
#include "store_layout.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>

namespace {

constexpr int ShopColumns = Store::ShopCount;
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
const QColor BestPriceColour(255, 0, 0);
// Marks an item's cheapest price: light, so that it never reads as the red of the best price.
const QColor CheapestColour(204, 238, 204);
// How many names a line lists before it only counts the rest.
constexpr int ListedNames = 3;

// "A, B and C", or "A, B, C and 4 more" when there are more names than listed.
QString nameList(const QStringList& names, int count) {
    if (count > names.size())
        return frmLists::tr("%1 and %2 more")
            .arg(names.join(QStringLiteral(", ")), QString::number(count - names.size()));
    if (names.size() < 2)
        return names.join(QString());
    return frmLists::tr("%1 and %2").arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.back());
}

// Shown items a shop, or every shop, has no price for: the first few names and how many there are.
struct Missing {
    QStringList names;
    int count = 0;
    void add(const QString& name) {
        if (count++ < ListedNames)
            names << name;
    }
    QString text() const { return nameList(names, count); }
};

// A row of the table, whose shop columns are right-aligned unless a column says otherwise. It answers the
// alignment instead of storing it in every cell: storing it took as long as storing the cell texts.
class TableRow : public QTreeWidgetItem {
public:
    explicit TableRow(const QStringList& texts = {})
        : QTreeWidgetItem(texts) {}

    QVariant data(int column, int role) const override {
        static const QVariant ShopAlignment = QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        QVariant value = QTreeWidgetItem::data(column, role);
        if (role == Qt::TextAlignmentRole && column >= 1 && column <= ShopColumns && !value.isValid())
            return ShopAlignment;
        return value;
    }
};

// An item's row, which keeps its texts as plain strings and answers the item key as column 0's Qt::UserRole.
// Qt keeps every cell's text in a list of variants that grows cell by cell, which costs several times as much
// as the rest of the comparison; the row behaves the same to the table and to anyone reading it.
class ItemRow : public TableRow {
public:
    explicit ItemRow(const QString& key)
        : m_key(key) {
        // Stored in Qt's own cells, which gives the row all its columns: Qt tells the view of a change in a row
        // through the row's column count.
        QTreeWidgetItem::setData(ShopColumns, Qt::TextAlignmentRole,
                                 QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter)));
    }

    std::array<QString, ShopColumns + 1> texts; // the item's label, then its cell at every shop
    quint32 cheapest = 0;                       // bit s set: shop s has the item's lowest price

    QVariant data(int column, int role) const override {
        if (isText(column, role))
            return texts[static_cast<size_t>(column)];
        if (role == Qt::UserRole && column == 0)
            return m_key;
        if (column >= 1 && column <= ShopColumns && (cheapest & (1u << column))) {
            if (role == Qt::BackgroundRole)
                return QBrush(CheapestColour);
            if (role == Qt::ForegroundRole) // readable on the light background in a dark theme too
                return QBrush(Qt::black);
            if (role == Qt::ToolTipRole)
                return frmLists::tr("Cheapest for this item");
        }
        return TableRow::data(column, role);
    }

    void setData(int column, int role, const QVariant& value) override {
        if (!isText(column, role))
            return TableRow::setData(column, role, value);
        texts[static_cast<size_t>(column)] = value.toString();
        emitDataChanged();
    }

private:
    static bool isText(int column, int role) {
        return (role == Qt::DisplayRole || role == Qt::EditRole) && column >= 0 && column <= ShopColumns;
    }

    QString m_key;
};

QTreeWidgetItem* tableRow(const QString& label, const QFont* bold = nullptr) {
    auto* row = new TableRow({label});
    if (bold)
        row->setFont(0, *bold);
    return row;
}

// Every shown item's price texts by shop (1-based), " " where the store holds none: what
// ReadValue(priceKey(key, s), " ") gives, found in one pass over the store. The price keys of one item sit together
// in key order, and the items are visited in that order too, each search stepping on from where the previous one
// started: twenty separate searches per item from the top of a large store cost more than the whole rest of the
// table, most of it in cache misses.
class PriceReader {
public:
    using Prices = std::array<const QString*, ShopColumns + 1>;

    explicit PriceReader(const ConfigFile& store)
        : m_values(store.values()) {
        for (int s = 1; s <= ShopColumns; ++s)
            m_suffixes[s] = Store::priceKey(QString(), s);
    }

    // The prices of each item of itemKeys, in the same order. The texts are the store's (or one shared " "); they
    // are valid until the store next changes.
    std::vector<Prices> read(const QStringList& itemKeys) const {
        // A few steps forward cost less than a search; many do not.
        constexpr int MaxSteps = 64;
        std::vector<QString> firstKeys;
        firstKeys.reserve(static_cast<size_t>(itemKeys.size()));
        for (const QString& key : itemKeys)
            firstKeys.push_back(Store::priceKey(key, 1));
        std::vector<size_t> order(firstKeys.size());
        std::iota(order.begin(), order.end(), size_t{0});
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return firstKeys[a] < firstKeys[b]; });

        Prices none;
        none.fill(&Missing);
        std::vector<Prices> prices(firstKeys.size(), none);
        auto cursor = m_values.begin();
        for (const size_t i : order) {
            const QString& first = firstKeys[i];
            for (int steps = 0; cursor != m_values.end() && cursor->first < first; ++cursor) {
                if (++steps > MaxSteps) {
                    cursor = m_values.lower_bound(first);
                    break;
                }
            }
            readItem(cursor, itemKeys[static_cast<qsizetype>(i)], first, prices[i]);
        }
        return prices;
    }

private:
    // Reads the price keys of one item, starting at the first store key not below its first price key.
    void readItem(std::map<QString, QString>::const_iterator it, const QString& itemKey, const QString& first,
                  Prices& prices) const {
        // The part every price key of the item starts with: the key and the separator before the shop number.
        const QStringView prefix = QStringView(first).chopped(1);
        for (; it != m_values.end(); ++it) {
            const QStringView key(it->first);
            if (key.size() <= prefix.size() ||
                std::memcmp(key.utf16(), prefix.utf16(), static_cast<size_t>(prefix.size()) * sizeof(char16_t)) != 0)
                break;
            // A shop number has at most two digits; the comparison with the suffix rejects every other spelling.
            int shop = 0;
            for (const QChar digit : key.mid(prefix.size(), 3))
                shop = digit >= u'0' && digit <= u'9' ? shop * 10 + (digit.unicode() - u'0') : ShopColumns + 1;
            if (shop >= 1 && shop <= ShopColumns && key.mid(itemKey.size()) == m_suffixes[shop])
                prices[shop] = &it->second;
        }
    }

    const std::map<QString, QString>& m_values;
    static inline const QString Missing = QStringLiteral(" ");
    std::array<QString, ShopColumns + 1> m_suffixes;
};

// The texts of a column that may be its widest: the longest few by length, which the font then measures.
// Measuring every cell of a long table would cost more than filling it.
struct ColumnText {
    static constexpr size_t Kept = 8;
    std::vector<std::pair<QString, bool>> candidates; // text, bold
    qsizetype shortest = 0;                           // the shortest kept length, once Kept are kept

    void offer(const QString& text, bool bold) {
        const auto byLength = [](const auto& a, const auto& b) { return a.first.size() < b.first.size(); };
        if (candidates.size() < Kept)
            candidates.emplace_back(text, bold);
        else if (text.size() > shortest)
            *std::min_element(candidates.begin(), candidates.end(), byLength) = {text, bold};
        else
            return;
        if (candidates.size() == Kept)
            shortest = std::min_element(candidates.begin(), candidates.end(), byLength)->first.size();
    }
};

// Every column at least as wide as its title and its widest cell; a shop with no name and no price among the
// shown items is hidden, so that a few named shops do not scroll past empty columns.
void fitColumns(QTreeWidget* table, const std::array<ColumnText, ShopColumns + 1>& widest, const QStringList& shopNames,
                const std::array<int, ShopColumns + 1>& priced) {
    QFont bold = table->font();
    bold.setBold(true);
    const QFontMetrics plain(table->font());
    const QFontMetrics strong(bold);
    const QFontMetrics header(table->header()->font());
    // The cell's margins on both sides as the style draws them, and a little air.
    const int padding = 2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 12;
    for (int column = 0; column <= ShopColumns; ++column) {
        int width = header.horizontalAdvance(table->headerItem()->text(column));
        for (const auto& [text, isBold] : widest[column].candidates)
            width = std::max(width, (isBold ? strong : plain).horizontalAdvance(text));
        table->setColumnWidth(column, width + padding);
        // The best-price row writes into the first two shop columns, so they always show.
        if (column > 2)
            table->setColumnHidden(column, shopNames[column - 1].isEmpty() && priced[column] == 0);
    }
}

} // namespace

NumberMemo::NumberMemo() {
    const QLocale locale;
    m_plainDecimals = locale.zeroDigit() == QLatin1String("0") && locale.decimalPoint().size() == 1;
    if (m_plainDecimals)
        m_decimalPoint = locale.decimalPoint().front();
}

std::optional<double> NumberMemo::toNumber(const QString& text) {
    if (const std::optional<double> plain = plainDecimal(text))
        return plain;
    auto found = m_numbers.constFind(text);
    if (found == m_numbers.cend())
        found = m_numbers.insert(text, Money::toNumber(text));
    return *found;
}

const std::pair<QString, std::optional<double>>& NumberMemo::format(double amount) {
    // By bit pattern, so that amounts that compare equal but print differently (0 and -0) stay apart.
    const auto bits = std::bit_cast<quint64>(amount);
    auto found = m_formatted.constFind(bits);
    if (found == m_formatted.cend()) {
        const QString text = Money::format(amount);
        found = m_formatted.insert(bits, {text, toNumber(text)});
    }
    return *found;
}

// Digits with at most one decimal point between digits and no leading zero ("12", "0.5", "1.25"), read exactly:
// at most 15 digits make an integer a double holds exactly, and one division by an exact power of ten is then
// correctly rounded, as the locale's reading is. Nothing for any other text.
std::optional<double> NumberMemo::plainDecimal(QStringView text) const {
    static constexpr std::array<double, 16> PowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (!m_plainDecimals || text.isEmpty() || text.size() > 16 || text.back() == m_decimalPoint ||
        (text.front() == u'0' && text.size() > 1 && text[1] != m_decimalPoint))
        return std::nullopt;
    quint64 mantissa = 0;
    int digits = 0;
    int decimals = -1;
    for (const QChar c : text) {
        if (c == m_decimalPoint && decimals < 0 && digits > 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || ++digits > 15)
            return std::nullopt;
        mantissa = mantissa * 10 + (c.unicode() - u'0');
        if (decimals >= 0)
            ++decimals;
    }
    return static_cast<double>(mantissa) / PowersOfTen[static_cast<size_t>(std::max(decimals, 0))];
}

ComparisonPrices::ComparisonPrices(ConfigFile& store)
    : m_store(store) {
    store.trackChanges([](QStringView key) { return !Store::itemKeyOfPrice(key).isEmpty(); });
    m_revision = store.revision();
}

std::vector<ComparisonPrices::Item*> ComparisonPrices::read(const QStringList& itemKeys) {
    forgetChangedItems();
    // Items not yet known, or changed, are read from the store together: much cheaper than one at a time.
    QStringList unread;
    for (const QString& key : itemKeys) {
        const auto found = m_index.constFind(key);
        if (found == m_index.cend() || !m_items[*found].current)
            unread << key;
    }
    unread.removeDuplicates();
    const std::vector<PriceReader::Prices> prices = PriceReader(m_store).read(unread);
    m_items.reserve(m_items.size() + static_cast<size_t>(unread.size()));
    for (qsizetype i = 0; i < unread.size(); ++i) {
        auto found = m_index.constFind(unread[i]);
        if (found == m_index.cend()) {
            found = m_index.insert(unread[i], m_items.size());
            m_items.emplace_back();
        }
        Item& item = m_items[*found];
        item = Item();
        for (int s = 1; s <= ShopColumns; ++s) {
            const QString& text = *prices[static_cast<size_t>(i)][s];
            item.texts[s - 1] = text;
            item.numbers[s - 1] = m_numbers.toNumber(text).value_or(NotANumber);
        }
        item.current = true;
    }

    std::vector<Item*> items;
    items.reserve(static_cast<size_t>(itemKeys.size()));
    for (const QString& key : itemKeys)
        items.push_back(&m_items[m_index.value(key)]);
    return items;
}

void ComparisonPrices::cost(Item& item, const QString& quantity) {
    if (item.costed && item.costQuantity == quantity)
        return;
    const std::optional<double> number = m_numbers.toNumber(quantity);
    for (size_t s = 0; s < item.numbers.size(); ++s) {
        item.costTexts[s].clear();
        item.costNumbers[s] = NotANumber;
        if (!number || std::isnan(item.numbers[s]))
            continue;
        const auto& [text, readBack] = m_numbers.format(*number * item.numbers[s]);
        item.costTexts[s] = text;
        item.costNumbers[s] = readBack.value_or(NotANumber);
    }
    item.costQuantity = quantity;
    item.costed = true;
}

const QString& ComparisonPrices::label(Item& item, const QString& name, const QString& quantity) {
    // The label's tail holds the quantity; comparing it costs far less than making the label again.
    if (item.labelName == name && !item.label.isEmpty() && QStringView(item.label).sliced(name.size() + 3) == quantity)
        return item.label;
    item.labelName = name;
    item.label.clear();
    item.label.reserve(name.size() + 3 + quantity.size());
    item.label.append(name).append(QLatin1String(" x ")).append(quantity);
    return item.label;
}

void ComparisonPrices::forgetChangedItems() {
    const std::optional<QStringList> changed = m_store.changedSince(m_revision);
    m_revision = m_store.revision();
    if (!changed) {
        m_items.clear();
        m_index.clear();
        return;
    }
    for (const QString& key : *changed)
        if (const auto found = m_index.constFind(Store::itemKeyOfPrice(key).toString()); found != m_index.cend())
            m_items[*found].current = false;
}

void frmLists::GenPCList() {
    cmdCEdit->setEnabled(false);
    const bool allItems = !optShow[0]->isChecked();
    lvCompare->clear();

    const QString symbol = CF.ReadValue(Store::symbolKey(), Store::DefaultSymbol);
    QStringList shopNames;
    for (int s = 1; s <= ShopColumns; ++s) {
        shopNames << lvShops->topLevelItem(s - 1)->text(1);
        lvCompare->headerItem()->setText(s, shopNames.back() + QStringLiteral(" (") + symbol + QLatin1Char(')'));
    }

    QFont bold = lvCompare->font();
    bold.setBold(true);
    QList<QTreeWidgetItem*> rows;
    // Totals add the shown texts read back, in row order and in single precision.
    std::array<float, ShopColumns + 1> total{};
    std::array<int, ShopColumns + 1> priced{};
    std::array<Missing, ShopColumns + 1> missing{};
    Missing pricedNowhere;
    std::vector<quint32> cheapestShops; // per shown item that some shop prices
    float eachAtItsCheapest = 0;
    std::array<ColumnText, ShopColumns + 1> widest{};
    int shownItems = 0;
    if (!m_comparisonPrices)
        m_comparisonPrices = std::make_unique<ComparisonPrices>(CF);

    // The shown items of every list first, so that their prices can be read together.
    std::array<QList<const QTreeWidgetItem*>, ListCount> shownRows;
    QStringList shownKeys;
    for (int l = 0; l < ListCount; ++l) {
        const ListView* view = lvList[l];
        for (int j = 1; j <= view->rowCount(); ++j) {
            const QTreeWidgetItem* item = view->row(j);
            if (!allItems && !ListView::isTicked(item))
                continue;
            shownRows[l] << item;
            shownKeys << ListView::key(item);
        }
    }
    const std::vector<ComparisonPrices::Item*> prices = m_comparisonPrices->read(shownKeys);

    for (int l = 0; l < ListCount; ++l) {
        rows << tableRow(txtName[l]->text(), &bold);
        widest[0].offer(txtName[l]->text(), true);
        for (const QTreeWidgetItem* item : shownRows[l]) {
            ComparisonPrices::Item& itemPrices = *prices[static_cast<size_t>(shownItems)];
            const QString quantityText = ListView::quantity(item);
            auto* row = new ItemRow(shownKeys[shownItems]);
            if (allItems) {
                row->texts[0] = ListView::name(item);
            } else {
                row->texts[0] = ComparisonPrices::label(itemPrices, ListView::name(item), quantityText);
                // A quantity that is no number (only an edited data file has one) leaves the row's cells empty.
                m_comparisonPrices->cost(itemPrices, quantityText);
            }
            widest[0].offer(row->texts[0], false);
            const auto& texts = allItems ? itemPrices.texts : itemPrices.costTexts;
            const auto& numbers = allItems ? itemPrices.numbers : itemPrices.costNumbers;
            double lowest = std::numeric_limits<double>::infinity();
            for (int s = 1; s <= ShopColumns; ++s) {
                row->texts[static_cast<size_t>(s)] = texts[s - 1];
                widest[s].offer(texts[s - 1], false);
                if (std::isnan(numbers[s - 1])) {
                    missing[s].add(ListView::name(item));
                    continue;
                }
                total[s] += static_cast<float>(numbers[s - 1]);
                ++priced[s];
                if (numbers[s - 1] < lowest) {
                    lowest = numbers[s - 1];
                    row->cheapest = 0;
                }
                if (numbers[s - 1] == lowest)
                    row->cheapest |= 1u << s;
            }
            if (row->cheapest) {
                cheapestShops.push_back(row->cheapest);
                eachAtItsCheapest += static_cast<float>(lowest);
            } else {
                pricedNowhere.add(ListView::name(item));
            }
            rows << row;
            ++shownItems;
        }
        rows << tableRow(QString());
    }

    BestPrice = 0;
    BestShop = tr("(None)");
    int bestShop = 0;
    for (int s = 1; s <= ShopColumns; ++s) {
        if (total[s] > 0 && (BestPrice == 0 || total[s] < BestPrice)) {
            BestPrice = total[s];
            BestShop = shopNames[s - 1];
            bestShop = s;
        }
    }

    QTreeWidgetItem* totals = tableRow(tr("TOTALS"), &bold);
    widest[0].offer(totals->text(0), true);
    for (int s = 1; s <= ShopColumns; ++s) {
        totals->setText(s, Money::format(total[s]));
        widest[s].offer(totals->text(s), false);
        QString tip = tr("%1 prices %2 of %3 shown items")
                          .arg(shopNames[s - 1], QString::number(priced[s]), QString::number(shownItems));
        if (missing[s].count > 0)
            tip += tr("; missing: %1").arg(missing[s].text());
        totals->setToolTip(s, UserPrompts::plainToolTip(tip));
    }
    rows << totals << tableRow(QString());

    QTreeWidgetItem* best = tableRow(tr("BEST PRICE:"));
    best->setText(1, BestShop);
    best->setText(2, symbol + Money::format(BestPrice));
    best->setTextAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column <= ShopColumns; ++column) {
        best->setFont(column, bold);
        best->setForeground(column, BestPriceColour);
        widest[column].offer(best->text(column), true);
    }
    rows << best;
    lvCompare->addTopLevelItems(rows);
    fitColumns(lvCompare, widest, shopNames, priced);

    // What the screen says below the table, and the page says under the best price.
    const auto shopLabel = [&shopNames](int s) {
        return shopNames[s - 1].isEmpty() ? tr("shop %1").arg(s) : shopNames[s - 1];
    };
    QString cheapest;
    if (bestShop == 0) {
        cheapest = tr("No shop has a price for the shown items.");
        m_coverageLine = tr("No shop has a price for these items.");
    } else {
        // One arg() for all the parts: a name holding "%2" must stay as typed.
        cheapest = tr("Cheapest: %1, %2%3 \u2014 prices %4 of %5 shown items")
                       .arg(BestShop, symbol, Money::format(BestPrice), QString::number(priced[bestShop]),
                            QString::number(shownItems));
        if (missing[bestShop].count == 0) {
            m_coverageLine = tr("%1 prices all %2 items").arg(shopLabel(bestShop), QString::number(shownItems));
        } else {
            cheapest += tr("; missing: %1").arg(missing[bestShop].text());
            m_coverageLine = tr("%1 prices %2 of %3 items; missing: %4")
                                 .arg(shopLabel(bestShop), QString::number(priced[bestShop]),
                                      QString::number(shownItems), missing[bestShop].text());
        }
    }
    m_splitTripLine.clear();
    if (!cheapestShops.empty()) {
        // Where an item is cheapest at several shops, the best shop is taken if it is one of them, else the first.
        quint32 used = 0;
        for (const quint32 shops : cheapestShops)
            used |= (shops & (1u << bestShop)) ? (1u << bestShop) : (shops & (~shops + 1));
        const int shopCount = std::popcount(used);
        m_splitTripLine = (shopCount == 1 ? tr("Each item at its cheapest shop: %1%2 at 1 shop")
                                          : tr("Each item at its cheapest shop: %1%2 at %3 shops"))
                              .arg(symbol, Money::format(eachAtItsCheapest), QString::number(shopCount));
        // Against the best single shop, when there is one; it can cost less only by leaving items out.
        const float saving = BestPrice - eachAtItsCheapest;
        const QString difference = Money::format(std::abs(saving));
        if (bestShop != 0 && difference == Money::format(0))
            m_splitTripLine += tr(" \u2014 the same as %1").arg(shopLabel(bestShop));
        else if (bestShop != 0 && saving > 0)
            m_splitTripLine += tr(" \u2014 %1%2 less than %3").arg(symbol, difference, shopLabel(bestShop));
        else if (bestShop != 0)
            m_splitTripLine +=
                tr(" \u2014 %1%2 more than %3, which has no price for %4 of the items")
                    .arg(symbol, difference, shopLabel(bestShop), QString::number(missing[bestShop].count));
    }
    if (pricedNowhere.count > 0)
        m_splitTripLine += (m_splitTripLine.isEmpty() ? QString() : QStringLiteral("; ")) +
                           tr("not priced anywhere: %1").arg(pricedNowhere.text());
    lblCheapest->setText(m_splitTripLine.isEmpty() ? cheapest : cheapest + QLatin1Char('\n') + m_splitTripLine);
    lblCheapest->setToolTip(UserPrompts::plainToolTip(lblCheapest->text()));
}

void frmLists::lvCompare_ItemClick(QTreeWidgetItem* row) {
    cmdCEdit->setEnabled(row && !row->data(0, Qt::UserRole).toString().isEmpty());
}

void frmLists::cmdCEdit_Click() {
    EditorMode = 3;
    frmAddEdit editor(*this);
    showModal(editor);
}
