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

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
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

    QVariant data(int column, int role) const override {
        if (isText(column, role))
            return texts[static_cast<size_t>(column)];
        if (role == Qt::UserRole && column == 0)
            return m_key;
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
            const auto& texts = allItems ? itemPrices.texts : itemPrices.costTexts;
            const auto& numbers = allItems ? itemPrices.numbers : itemPrices.costNumbers;
            for (int s = 1; s <= ShopColumns; ++s) {
                row->texts[static_cast<size_t>(s)] = texts[s - 1];
                if (!std::isnan(numbers[s - 1])) {
                    total[s] += static_cast<float>(numbers[s - 1]);
                    ++priced[s];
                }
            }
            rows << row;
            ++shownItems;
        }
        rows << tableRow(QString());
    }

    QTreeWidgetItem* totals = tableRow(QStringLiteral("TOTALS"), &bold);
    for (int s = 1; s <= ShopColumns; ++s) {
        totals->setText(s, Money::format(total[s]));
        totals->setToolTip(s,
                           tr("%1 prices %2 of %3 shown items").arg(shopNames[s - 1]).arg(priced[s]).arg(shownItems));
    }
    rows << totals << tableRow(QString());

    BestPrice = 0;
    BestShop = QStringLiteral("(None)");
    int bestShop = 0;
    for (int s = 1; s <= ShopColumns; ++s) {
        if (total[s] > 0 && (BestPrice == 0 || total[s] < BestPrice)) {
            BestPrice = total[s];
            BestShop = shopNames[s - 1];
            bestShop = s;
        }
    }
    QTreeWidgetItem* best = tableRow(QStringLiteral("BEST PRICE:"));
    best->setText(1, BestShop);
    best->setText(2, symbol + Money::format(BestPrice));
    best->setTextAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column <= ShopColumns; ++column) {
        best->setFont(column, bold);
        best->setForeground(column, BestPriceColour);
    }
    rows << best;
    lvCompare->addTopLevelItems(rows);

    lblCheapest->setText(bestShop == 0 ? tr("No shop has a price for the shown items.")
                                       : tr("Cheapest: %1, %2%3 \u2014 prices %4 of %5 shown items")
                                             .arg(BestShop, symbol, Money::format(BestPrice))
                                             .arg(priced[bestShop])
                                             .arg(shownItems));
}

void frmLists::lvCompare_ItemClick(QTreeWidgetItem* row) {
    cmdCEdit->setEnabled(row && !row->data(0, Qt::UserRole).toString().isEmpty());
}

void frmLists::cmdCEdit_Click() {
    EditorMode = 3;
    frmAddEdit editor(*this);
    showModal(editor);
}
