// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "csv_exchange.h"

#include "money.h"
#include "number_memo.h"
#include "pack_size.h"
#include "safe_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStringDecoder>

#include <csv.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Csv {
namespace {

const QByteArray ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

const QStringList HeaderStart{QStringLiteral("List"), QStringLiteral("Item"), QStringLiteral("Quantity"),
                              QStringLiteral("Ticked")};

// How often reading and adding tell their progress: every so many bytes read, rows checked or rows added.
constexpr qsizetype ProgressBytes = 256 * 1024;
constexpr int ProgressRows = 500;
// The share of reading that goes to parsing the file, the rest to checking its rows.
constexpr double ParseShare = 0.5;

QString tr(const char* text, const char* disambiguation = nullptr, int n = -1) {
    return QCoreApplication::translate("Csv", text, disambiguation, n);
}

// The column headers of a shop and of its packs, in the user's language or, as files from elsewhere have them,
// in English.
QString shopHeader(const QString& name, int shop, bool translated = true) {
    return (translated ? tr("%1 (shop %2)") : QStringLiteral("%1 (shop %2)")).arg(name).arg(shop);
}
QString packHeader(const QString& shop, bool translated = true) {
    return (translated ? tr("%1 (pack)") : QStringLiteral("%1 (pack)")).arg(shop);
}

// Spreadsheets take a text that begins with one of these for a formula (OWASP's advice on CSV injection): it is
// written after an apostrophe, which makes it text there, and so is a text that begins with an apostrophe, so
// that reading can take one away from every text.
bool needsApostrophe(const QString& text) {
    return !text.isEmpty() && QStringView(u"=+-@\t\r'").contains(text.front());
}

// The forms of true and false that spreadsheet programs write in English, German, French, Spanish, Italian and
// Dutch, besides those the data file knows; an empty cell is false.
std::optional<bool> truthValue(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (const char* word : {"wahr", "vrai", "verdadero", "vero", "waar", "x"})
        if (trimmed.compare(QLatin1StringView(word), Qt::CaseInsensitive) == 0)
            return true;
    for (const char* word : {"falsch", "faux", "falso", "onwaar"})
        if (trimmed.compare(QLatin1StringView(word), Qt::CaseInsensitive) == 0)
            return false;
    return Store::toCheckMark(trimmed);
}

// The separator of the file's fields, from its header: the one of comma, semicolon and tab that the first line
// with text holds most often outside quotes, a comma when none.
char separatorOf(QByteArrayView bytes) {
    constexpr std::array<char, 3> Separators{',', ';', '\t'};
    for (qsizetype begin = 0; begin < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', begin);
        end = end < 0 ? bytes.size() : end;
        const QByteArrayView line = bytes.sliced(begin, end - begin);
        begin = end + 1;
        if (line.trimmed().isEmpty())
            continue;
        std::array<int, 3> counts{};
        bool quoted = false;
        for (const char c : line) {
            quoted = quoted != (c == '"');
            for (size_t i = 0; i < Separators.size(); ++i)
                counts[i] += !quoted && c == Separators[i];
        }
        return Separators[static_cast<size_t>(std::max_element(counts.begin(), counts.end()) - counts.begin())];
    }
    return ',';
}

// Between fields separated by tabs only spaces are blanks.
int isSpace(unsigned char c) {
    return c == CSV_SPACE;
}

QString tooLarge(qint64 size) {
    // Rounded up, so that a file just above the limit never reads as the limit itself.
    const double megabytes = std::ceil(double(size) * 10 / (1 << 20)) / 10;
    return tr("The file is %1 MB; an import takes files of up to %2 MB. Please split it into smaller files.")
        .arg(QLocale().toString(megabytes, 'f', 1))
        .arg(SizeLimit >> 20);
}

void appendField(QByteArray& out, const QString& field) {
    const QByteArray utf8 = (needsApostrophe(field) ? u'\'' + field : field).toUtf8();
    QByteArray quoted(2 * utf8.size() + 2, Qt::Uninitialized);
    quoted.truncate(static_cast<qsizetype>(csv_write(quoted.data(), static_cast<size_t>(quoted.size()),
                                                     utf8.constData(), static_cast<size_t>(utf8.size()))));
    out += quoted;
}

void appendRow(QByteArray& out, const QStringList& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendField(out, fields[i]);
    }
    out += "\r\n";
}

// The records of a file with the line each one ends on, as libcsv reads them.
struct Records {
    struct Record {
        QStringList fields;
        int line = 0; // where the record starts
    };
    std::vector<Record> records;
    QStringList fields;
    int line = 1;
    int start = 0;        // where the record being read starts, once a line of it was read
    int badText = 0;      // the first line with text that is not UTF-8
    qint64 uncounted = 0; // records past the header and the most rows an import takes: counted, not kept
    bool stopped = false;

    // The header and as many rows as an import takes are kept; the file is refused beyond them.
    bool full() const { return records.size() > size_t(RowLimit); }
    qint64 rows() const { return qint64(records.size()) - 1 + uncounted; }

    static void field(void* text, size_t size, void* self) {
        auto* records = static_cast<Records*>(self);
        if (records->full())
            return;
        const QByteArrayView bytes(static_cast<const char*>(text), static_cast<qsizetype>(size));
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString field = utf8.decode(bytes);
        // A zero byte is UTF-8 too, but only text in UTF-16 or UTF-32 holds one.
        if ((utf8.hasError() || bytes.contains('\0')) && records->badText == 0)
            records->badText = records->start;
        if (field.startsWith(u'\''))
            field.remove(0, 1);
        records->fields << std::move(field);
    }
    static void recordEnd(int, void* self) {
        auto* records = static_cast<Records*>(self);
        if (records->full()) {
            ++records->uncounted;
            records->start = 0;
            return;
        }
        records->records.push_back({std::exchange(records->fields, {}), std::exchange(records->start, 0)});
    }
};

// Reads the records line by line, so that an error names its line; nothing and the error when the quoting is
// broken or the text is not UTF-8.
std::pair<Records, QString> parse(QByteArrayView bytes, char separator, const Progress& progress) {
    Records records;
    qsizetype told = 0;
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    if (separator == '\t')
        csv_set_space_func(&parser, isSpace);
    const auto failure = [&parser](int line) {
        return tr("Line %1: %2.").arg(line).arg(QString::fromLatin1(csv_strerror(csv_error(&parser))));
    };
    QString error;
    for (qsizetype begin = 0; begin < bytes.size() && error.isEmpty(); ++records.line) {
        qsizetype end = bytes.indexOf('\n', begin);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView line(bytes.constData() + begin, end - begin);
        if (records.start == 0 && !line.trimmed().isEmpty())
            records.start = records.line;
        const auto size = static_cast<size_t>(line.size());
        if (csv_parse(&parser, line.data(), size, Records::field, Records::recordEnd, &records) != size)
            error = failure(records.line);
        begin = end;
        if (progress && begin - told >= ProgressBytes) {
            told = begin;
            if (!progress(ParseShare * double(begin) / double(bytes.size()))) {
                csv_free(&parser);
                records.stopped = true;
                return {std::move(records), {}};
            }
        }
    }
    --records.line;
    // A quote left open is reported where its record starts.
    if (error.isEmpty() && csv_fini(&parser, Records::field, Records::recordEnd, &records) != 0)
        error = failure(records.start > 0 ? records.start : records.line);
    csv_free(&parser);
    if (error.isEmpty() && records.badText > 0)
        error = tr("Line %1: the text is not UTF-8; save the file as CSV in UTF-8.").arg(records.badText);
    return {std::move(records), error};
}

// Keeps only what a row changes of the item it updates, and counts it.
void compare(ImportedItem& update, const Document& document, NumberMemo& numbers, Import& import) {
    const Item& item = document.item(update.list, update.row);
    const Document::Prices& now = document.prices(item.key);
    bool changes = item.ticked != update.ticked || item.quantity != update.quantity;
    for (size_t s = 0; s < size_t(Store::ShopCount); ++s) {
        std::optional<QString>& price = update.prices[s];
        // A price stored in another form ("1.5") is the same price.
        if (price && now.has(int(s) + 1) &&
            (now.texts[s] == *price || (!std::isnan(now.numbers[s]) && numbers.format(now.numbers[s]).first == *price)))
            price.reset();
        else if (price)
            ++import.pricesChanged;
        std::optional<QString>& pack = update.packs[s];
        // A pack belongs to a price: without one it is not kept.
        if (pack && (now.packs[s] == *pack || (!price && !now.has(int(s) + 1))))
            pack.reset();
        changes = changes || price || pack;
    }
    ++(changes ? import.updated : import.unchanged);
}

} // namespace

QByteArray exportLists(const Document& document) {
    // The mark tells spreadsheet programs that the file is UTF-8, which they do not take for granted.
    QByteArray out = ByteOrderMark;
    std::vector<int> shops;
    QStringList shopHeaders;
    for (int shop = 1; shop <= Store::ShopCount; ++shop)
        if (!document.shopName(shop).isEmpty()) {
            shops.push_back(shop);
            // Two shops of one name keep two columns, each with a name of its own.
            const QString name = document.shopName(shop);
            shopHeaders << (HeaderStart.contains(name) || shopHeaders.contains(name) ? shopHeader(name, shop) : name);
        }
    // Packs only at shops where an item has one, so that lists without packs export as they always did.
    std::array<bool, Store::ShopCount> packed{};
    for (int l = 0; l < Store::ListCount; ++l)
        for (const Item& item : document.items(l)) {
            const Document::Prices& prices = document.prices(item.key);
            for (const int shop : shops)
                packed[shop - 1] = packed[shop - 1] || !prices.packs[shop - 1].isEmpty();
        }
    QStringList header = HeaderStart;
    for (size_t s = 0; s < shops.size(); ++s) {
        header << shopHeaders[static_cast<qsizetype>(s)];
        if (packed[shops[s] - 1])
            header << packHeader(shopHeaders[static_cast<qsizetype>(s)]);
    }
    appendRow(out, header);
    for (int l = 0; l < Store::ListCount; ++l)
        for (const Item& item : document.items(l)) {
            QStringList row{document.listName(l), item.name, item.quantity,
                            item.ticked ? ConfigFile::TrueText : ConfigFile::FalseText};
            const Document::Prices& prices = document.prices(item.key);
            for (const int shop : shops) {
                row << (prices.has(shop) ? prices.texts[shop - 1] : QString());
                if (packed[shop - 1])
                    row << Pack::shown(prices.packs[shop - 1]);
            }
            appendRow(out, row);
        }
    return out;
}

Import read(const QByteArray& bytes, const Document& document, int currentList, const Progress& progress) {
    Import import;
    if (bytes.size() > SizeLimit) {
        import.error = tooLarge(bytes.size());
        return import;
    }
    QByteArrayView text(bytes);
    if (text.startsWith(ByteOrderMark))
        text = text.sliced(ByteOrderMark.size());
    const char separator = separatorOf(text);
    auto [records, error] = parse(text, separator, progress);
    const auto fail = [&import](int line, const QString& what) {
        import = {};
        import.error = tr("Line %1: %2").arg(QString::number(line), what);
        return import;
    };
    if (records.stopped) {
        import.stopped = true;
        return import;
    }
    if (!error.isEmpty()) {
        import.error = error;
        return import;
    }
    if (records.rows() > RowLimit) {
        import.error = tr("The file has %1 rows of items; an import takes up to %2. Please split it into smaller "
                          "files.")
                           .arg(QLocale().toString(records.rows()), QLocale().toString(RowLimit));
        return import;
    }
    if (records.records.empty())
        return fail(1, tr("the file is empty; its first line must be the header %1.").arg(HeaderStart.join(u',')));
    const QStringList& header = records.records.front().fields;
    const int headerLine = records.records.front().line;
    for (qsizetype i = 0; i < HeaderStart.size(); ++i)
        if (header.value(i).trimmed().compare(HeaderStart[i], Qt::CaseInsensitive) != 0)
            return fail(headerLine, tr("the header must start with %1.").arg(HeaderStart.join(u',')));
    // Which columns are shops and which hold packs: a pack column follows its shop's, and a shop has one at most.
    struct ShopColumn {
        qsizetype column = 0;
        int shop = 0;
        qsizetype packs = -1; // the column of its packs, if any
    };
    std::vector<ShopColumn> columns;
    if (header.size() - HeaderStart.size() > 2 * Store::ShopCount)
        return fail(headerLine, tr("there are more than %1 shops.").arg(Store::ShopCount));
    for (qsizetype column = HeaderStart.size(); column < header.size(); ++column) {
        const QString name = header[column].trimmed();
        const auto shopColumn = std::find_if(columns.begin(), columns.end(), [&](const ShopColumn& earlier) {
            const QString shopName = header[earlier.column].trimmed();
            return name == packHeader(shopName) || name == packHeader(shopName, false);
        });
        if (shopColumn == columns.end())
            columns.push_back({column});
        else if (shopColumn->packs < 0)
            shopColumn->packs = column;
        else
            return fail(headerLine, tr("the packs at \"%1\" have two columns.").arg(header[shopColumn->column]));
    }
    if (columns.size() > size_t(Store::ShopCount))
        return fail(headerLine, tr("there are more than %1 shops.").arg(Store::ShopCount));

    // Each shop column's shop: the one of that name, or a shop with neither a name nor prices.
    std::array<bool, Store::ShopCount + 1> taken{};
    std::array<bool, Store::ShopCount + 1> priced{};
    document.store().forEach({}, [&priced](const QString& key, const QString&) {
        if (const int shop = Store::shopOfPrice(key))
            priced[shop] = true;
    });
    for (ShopColumn& shopColumn : columns) {
        const QString name = header[shopColumn.column].trimmed();
        if (name.isEmpty())
            return fail(headerLine, tr("column %1 has no shop name.").arg(shopColumn.column + 1));
        // Two shops of one name were written with their numbers.
        const auto isShop = [&](int shop) {
            const QString& shopName = document.shopName(shop);
            return shopName == name || (!shopName.isEmpty() && (name == shopHeader(shopName, shop) ||
                                                                name == shopHeader(shopName, shop, false)));
        };
        int shop = 1;
        while (shop <= Store::ShopCount && !isShop(shop))
            ++shop;
        if (shop > Store::ShopCount) {
            shop = 1;
            while (shop <= Store::ShopCount && (taken[shop] || priced[shop] || !document.shopName(shop).isEmpty()))
                ++shop;
            if (shop > Store::ShopCount)
                return fail(headerLine,
                            tr("there is no shop left for \"%1\"; every shop has a name or prices.").arg(name));
            import.newShops.emplace_back(shop, name);
        }
        if (taken[shop])
            return fail(headerLine, tr("the shop \"%1\" has two columns.").arg(name));
        taken[shop] = true;
        shopColumn.shop = shop;
    }

    NumberMemo numbers;
    // The stored form of each pack text, empty for no pack: a file holds few distinct packs.
    QHash<QString, QString> packs;
    // Spreadsheets that separate fields by semicolons or tabs write decimal commas, whatever the user's language.
    const bool decimalComma = separator != ',';
    const Money::ConventionReader commaReader({QStringLiteral(","), QStringLiteral(".")});
    QHash<QString, std::optional<double>> commaNumbers;
    const auto toNumber = [&](const QString& text) {
        if (!decimalComma || !text.contains(u','))
            return numbers.toNumber(text);
        auto found = commaNumbers.constFind(text);
        if (found == commaNumbers.cend())
            found = commaNumbers.insert(text, commaReader.toNumber(text));
        return *found;
    };
    // The list of each list name in the file.
    QHash<QString, int> lists;
    for (int l = Store::ListCount - 1; l >= 0; --l)
        if (!document.listName(l).isEmpty())
            lists.insert(document.listName(l), l);
    int freeList = 0;
    const auto listOf = [&](const QString& name) {
        if (name.isEmpty())
            return currentList;
        if (const auto found = lists.constFind(name); found != lists.cend())
            return *found;
        while (freeList < Store::ListCount &&
               (document.itemCount(freeList) > 0 || !document.listName(freeList).isEmpty()))
            ++freeList;
        const bool named = freeList < Store::ListCount;
        const int list = named ? freeList++ : currentList;
        import.newLists.push_back({list, name, named});
        lists.insert(name, list);
        return list;
    };
    // The items the lists hold, by list and name in any letter case, each with the next one a row updates.
    struct Rows {
        std::vector<int> rows;
        size_t next = 0;
    };
    QHash<QString, Rows> existing;
    const auto itemId = [](int list, const QString& name) { return QChar(u'0' + list) + name.toCaseFolded(); };
    for (int l = 0; l < Store::ListCount; ++l)
        for (int row = 0; row < document.itemCount(l); ++row)
            existing[itemId(l, document.item(l, row).name)].rows.push_back(row);
    for (size_t r = 1; r < records.records.size(); ++r) {
        if (progress && r % ProgressRows == 0 &&
            !progress(ParseShare + (1 - ParseShare) * double(r) / double(records.records.size()))) {
            import = {};
            import.stopped = true;
            return import;
        }
        const auto& [fields, line] = records.records[r];
        if (fields.size() != header.size())
            return fail(line, tr("%1 fields where the header has %2.").arg(fields.size()).arg(header.size()));
        ImportedItem item;
        item.name = fields[1];
        if (item.name.isEmpty())
            return fail(line, tr("the item has no name."));
        const std::optional<bool> ticked = truthValue(fields[3]);
        if (!ticked)
            return fail(line, tr("\"%1\" in the Ticked column is neither true nor false.").arg(fields[3]));
        item.ticked = *ticked;
        // As in the lists: a ticked item holds a whole number it can count, an unticked one none.
        if (item.ticked) {
            const std::optional<int> quantity = fields[2].trimmed().isEmpty() ? 1 : Store::toWholeNumber(fields[2]);
            if (!quantity || *quantity < 1 || *quantity > Document::MaxQuantity)
                return fail(line, tr("the quantity \"%1\" of a ticked item is not a whole number from 1 to %2.")
                                      .arg(fields[2], QString::number(Document::MaxQuantity)));
            item.quantity = QString::number(*quantity);
        }
        item.list = listOf(fields[0]);
        for (const ShopColumn& shopColumn : columns) {
            const QString& text = fields[shopColumn.column];
            if (!text.trimmed().isEmpty()) {
                const Money::Price price = Money::parsePrice(toNumber(text));
                if (price.problem != Money::Price::Problem::None)
                    return fail(line, tr("the price \"%1\" at %2 is not a number of 0.01 or more.")
                                          .arg(text, header[shopColumn.column]));
                // Money::formatPrice, remembered: a file holds few distinct prices.
                item.prices[shopColumn.shop - 1] = numbers.format(static_cast<double>(price.amount)).first;
            }
            if (shopColumn.packs < 0 || fields[shopColumn.packs].trimmed().isEmpty())
                continue;
            const QString& pack = fields[shopColumn.packs];
            auto found = packs.constFind(pack);
            if (found == packs.cend())
                found = packs.insert(pack, Pack::stored(pack));
            if (found->isEmpty())
                return fail(line, tr("the pack \"%1\" at %2 is not a pack such as %3.")
                                      .arg(pack, header[shopColumn.column], Pack::examples()));
            item.packs[shopColumn.shop - 1] = *found;
        }
        Rows& rows = existing[itemId(item.list, item.name)];
        if (rows.next < rows.rows.size()) {
            item.row = rows.rows[rows.next++];
            compare(item, document, numbers, import);
        } else {
            ++import.added;
        }
        import.items.push_back(std::move(item));
    }
    if (static_cast<qint64>(document.nextKey()) + static_cast<qint64>(import.items.size()) >=
        std::numeric_limits<qint32>::max())
        return fail(records.records.back().line, tr("there are more items than this data file can number."));
    return import;
}

Import readFile(const QString& path, const Document& document, int currentList, const Progress& progress) {
    Import import;
    if (const qint64 size = QFileInfo(path).size(); size > SizeLimit) {
        import.error = tooLarge(size);
        return import;
    }
    const SafeFile::Read file = SafeFile::readRegular(path, SizeLimit);
    if (!file.ok()) {
        import.error = file.error;
        return import;
    }
    return read(file.bytes, document, currentList, progress);
}

QString summary(const Import& import) {
    QStringList counts;
    const auto count = [&counts](int n, const char* text) {
        if (n > 0)
            counts << tr(text, nullptr, n);
    };
    // The first count names the items, the others go without.
    count(import.updated, QT_TRANSLATE_N_NOOP("Csv", "%Ln items updated"));
    count(import.added,
          counts.isEmpty() ? QT_TRANSLATE_N_NOOP("Csv", "%Ln items added") : QT_TRANSLATE_N_NOOP("Csv", "%Ln added"));
    count(import.unchanged, counts.isEmpty() ? QT_TRANSLATE_N_NOOP("Csv", "%Ln items unchanged")
                                             : QT_TRANSLATE_N_NOOP("Csv", "%Ln unchanged"));
    count(import.pricesChanged, QT_TRANSLATE_N_NOOP("Csv", "%Ln prices changed"));
    count(static_cast<int>(import.newShops.size()), QT_TRANSLATE_N_NOOP("Csv", "%Ln shops named"));
    QString text = counts.join(QStringLiteral(", ")) + u'.';
    for (const NewList& list : import.newLists)
        text +=
            u'\n' + (list.named ? tr("The rows of the list \"%1\" go to list %2, which takes that name.")
                                : tr("No list is free for the list \"%1\": its rows go to list %2, the current list."))
                        .arg(list.name, QString::number(list.list + 1));
    return text;
}

std::optional<Document::Step> apply(const Import& import, Document& document, const Progress& progress) {
    document.beginStep();
    for (const auto& [shop, name] : import.newShops)
        document.renameShop(shop, name);
    for (const NewList& list : import.newLists)
        if (list.named)
            document.setListName(list.list, list.name);
    for (size_t i = 0; i < import.items.size(); ++i) {
        if (progress && i % ProgressRows == 0 && !progress(double(i) / double(import.items.size()))) {
            document.undo(document.endStep());
            return std::nullopt;
        }
        const ImportedItem& item = import.items[i];
        QString key;
        if (item.row >= 0) {
            key = document.item(item.list, item.row).key;
            document.setItemState(item.list, item.row, item.ticked, item.quantity);
        } else {
            key = document.addItem(item.list, document.itemCount(item.list), item.name, item.quantity, item.ticked);
        }
        document.setPrices(key, item.prices);
        document.setPacks(key, item.packs);
    }
    if (progress && !progress(1)) {
        document.undo(document.endStep());
        return std::nullopt;
    }
    return document.endStep();
}

} // namespace Csv
