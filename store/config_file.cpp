#include "config_file.h"

#include "safe_file.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace {

const QString FormatName = QStringLiteral("Pantrova data");
constexpr int FormatVersion = 1;

// Reads the data file straight into the map: no QJsonDocument and no second copy of every string. It accepts only
// documents whose meaning is beyond doubt (the known members, each once and in any order, text values, no
// duplicate keys, no escaped surrogates); for anything else it gives up and the caller parses with QJsonDocument,
// so every damaged file is still reported in QJsonDocument's words. Keys in the order toBytes writes them cost
// one comparison each; any other order is read as well, at the cost of a search.
class FastReader {
public:
    explicit FastReader(const QByteArray& data)
        : m_at(data.constData())
        , m_end(data.constData() + data.size()) {}

    bool read(std::map<QString, QString>& values, std::optional<Money::Conventions>& numbers) {
        // The members in any order, each once; any other member is left to the careful reader.
        bool format = false;
        bool read = false;
        bool version = false;
        QString text;
        if (!punctuation('{'))
            return false;
        do {
            if (!string(text) || !punctuation(':'))
                return false;
            if (text == QLatin1String("format") && !format) {
                if (!string(text) || text != FormatName)
                    return false;
                format = true;
            } else if (text == QLatin1String("numbers") && !numbers) {
                Money::Conventions conventions;
                if (!punctuation('{') || !string(text) || text != QLatin1String("decimal") || !punctuation(':') ||
                    !string(conventions.decimal) || !punctuation(',') || !string(text) ||
                    text != QLatin1String("group") || !punctuation(':') || !string(conventions.group) ||
                    !punctuation('}'))
                    return false;
                numbers = conventions;
            } else if (text == QLatin1String("values") && !read) {
                if (!object(values))
                    return false;
                read = true;
            } else if (text == QLatin1String("version") && !version) {
                skipSpace();
                if (m_at == m_end || *m_at != '1')
                    return false;
                ++m_at;
                version = true;
            } else {
                return false;
            }
        } while (punctuation(','));
        if (!format || !read || !version || !punctuation('}'))
            return false;
        skipSpace();
        return m_at == m_end;
    }

private:
    void skipSpace() {
        while (m_at != m_end && (*m_at == ' ' || *m_at == '\n' || *m_at == '\r' || *m_at == '\t'))
            ++m_at;
    }

    bool punctuation(char expected) {
        skipSpace();
        if (m_at == m_end || *m_at != expected)
            return false;
        ++m_at;
        return true;
    }

    bool object(std::map<QString, QString>& values) {
        if (!punctuation('{'))
            return false;
        skipSpace();
        if (m_at != m_end && *m_at == '}') {
            ++m_at;
            return true;
        }
        QString key;
        QString value;
        do {
            if (!string(key) || !punctuation(':') || !string(value))
                return false;
            // The file is written in key order, so the hint is right for every key and costs one comparison.
            const size_t before = values.size();
            values.emplace_hint(values.end(), std::move(key), std::move(value));
            if (values.size() == before)
                return false;
        } while (punctuation(','));
        return punctuation('}');
    }

    bool string(QString& out) {
        if (!punctuation('"'))
            return false;
        const char* start = m_at;
        // Plain ASCII is by far the most common text and becomes a QString in one step.
        while (m_at != m_end) {
            const auto byte = static_cast<unsigned char>(*m_at);
            if (byte == '"') {
                out = QString::fromLatin1(start, m_at - start);
                ++m_at;
                return true;
            }
            if (byte < 0x20 || byte == '\\' || byte >= 0x80)
                break;
            ++m_at;
        }
        std::string utf8(start, m_at);
        while (m_at != m_end) {
            const auto byte = static_cast<unsigned char>(*m_at);
            if (byte == '"') {
                ++m_at;
                out = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
                // fromUtf8 takes a leading U+FEFF for a byte-order mark and drops it; in a value it is text.
                if (utf8.starts_with("\xEF\xBB\xBF"))
                    out.prepend(QChar(0xFEFF));
                return true;
            }
            if (byte < 0x20)
                return false;
            if (byte == '\\') {
                if (!escape(utf8))
                    return false;
            } else if (byte >= 0x80) {
                if (!multiByte(utf8))
                    return false;
            } else {
                utf8 += static_cast<char>(byte);
                ++m_at;
            }
        }
        return false;
    }

    // One escape sequence, appended as UTF-8.
    bool escape(std::string& utf8) {
        if (m_end - m_at < 2)
            return false;
        const char kind = m_at[1];
        m_at += 2;
        switch (kind) {
        case '"':
        case '\\':
        case '/':
            utf8 += kind;
            return true;
        case 'b':
            utf8 += '\b';
            return true;
        case 'f':
            utf8 += '\f';
            return true;
        case 'n':
            utf8 += '\n';
            return true;
        case 'r':
            utf8 += '\r';
            return true;
        case 't':
            utf8 += '\t';
            return true;
        case 'u':
            break;
        default:
            return false;
        }
        if (m_end - m_at < 4)
            return false;
        char32_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char digit = *m_at++;
            unit <<= 4;
            if (digit >= '0' && digit <= '9')
                unit |= static_cast<char32_t>(digit - '0');
            else if (digit >= 'a' && digit <= 'f')
                unit |= static_cast<char32_t>(digit - 'a' + 10);
            else if (digit >= 'A' && digit <= 'F')
                unit |= static_cast<char32_t>(digit - 'A' + 10);
            else
                return false;
        }
        // How a parser pairs escaped surrogates is its own business; leave those to QJsonDocument.
        if (unit >= 0xD800 && unit <= 0xDFFF)
            return false;
        appendUtf8(utf8, unit);
        return true;
    }

    static void appendUtf8(std::string& utf8, char32_t c) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    // One well-formed UTF-8 sequence (no overlong forms, no surrogates, nothing above U+10FFFF), copied as is.
    bool multiByte(std::string& utf8) {
        const auto lead = static_cast<unsigned char>(*m_at);
        int length = 0;
        char32_t c = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07;
        } else {
            return false;
        }
        if (m_end - m_at < length)
            return false;
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(m_at[i]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return false;
        utf8.append(m_at, static_cast<size_t>(length));
        m_at += length;
        return true;
    }

    const char* m_at;
    const char* m_end;
};

// Writes text as a JSON string exactly as QJsonDocument writes it: quotes, backslashes and control characters
// escaped (the short forms where JSON has one, lower-case \u00xx otherwise), everything else as UTF-8, and a
// surrogate without its partner as a lower-case \u escape. There must be room for worstCase(text) bytes.
constexpr qsizetype worstCase(QStringView text) {
    return 6 * text.size() + 2;
}

char* writeString(char* cursor, QStringView text) {
    static constexpr char Hex[] = "0123456789abcdef";
    const auto unicodeEscape = [&cursor](char16_t unit) {
        *cursor++ = '\\';
        *cursor++ = 'u';
        *cursor++ = Hex[(unit >> 12) & 0xF];
        *cursor++ = Hex[(unit >> 8) & 0xF];
        *cursor++ = Hex[(unit >> 4) & 0xF];
        *cursor++ = Hex[unit & 0xF];
    };
    const auto shortEscape = [&cursor](char kind) {
        *cursor++ = '\\';
        *cursor++ = kind;
    };
    *cursor++ = '"';
    const char16_t* at = text.utf16();
    const char16_t* const end = at + text.size();
    while (at != end) {
        const char16_t unit = *at++;
        if (unit >= 0x20 && unit < 0x80 && unit != '"' && unit != '\\') {
            *cursor++ = static_cast<char>(unit);
        } else if (unit < 0x80) {
            switch (unit) {
            case '"':
                shortEscape('"');
                break;
            case '\\':
                shortEscape('\\');
                break;
            case '\b':
                shortEscape('b');
                break;
            case '\f':
                shortEscape('f');
                break;
            case '\n':
                shortEscape('n');
                break;
            case '\r':
                shortEscape('r');
                break;
            case '\t':
                shortEscape('t');
                break;
            default:
                unicodeEscape(unit);
            }
        } else if (unit < 0x800) {
            *cursor++ = static_cast<char>(0xC0 | (unit >> 6));
            *cursor++ = static_cast<char>(0x80 | (unit & 0x3F));
        } else if (!QChar::isSurrogate(unit)) {
            *cursor++ = static_cast<char>(0xE0 | (unit >> 12));
            *cursor++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            *cursor++ = static_cast<char>(0x80 | (unit & 0x3F));
        } else if (QChar::isHighSurrogate(unit) && at != end && QChar::isLowSurrogate(*at)) {
            const char32_t c = QChar::surrogateToUcs4(unit, *at++);
            *cursor++ = static_cast<char>(0xF0 | (c >> 18));
            *cursor++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            *cursor++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *cursor++ = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            unicodeEscape(unit);
        }
    }
    *cursor++ = '"';
    return cursor;
}

char* writeText(char* cursor, std::string_view text) {
    std::memcpy(cursor, text.data(), text.size());
    return cursor + text.size();
}

} // namespace

ConfigFile::LoadResult ConfigFile::LoadFrom(const QString& path) {
    const SafeFile::Read read = SafeFile::readRegular(path);
    if (!read.ok()) {
        m_values.clear();
        m_numbers.reset();
        return {LoadResult::Status::Unreadable, read.error};
    }
    return LoadFromBytes(read.bytes);
}

ConfigFile::LoadResult ConfigFile::LoadFromBytes(const QByteArray& data) {
    using Status = LoadResult::Status;
    m_values.clear();
    m_numbers.reset();
    if (FastReader(data).read(m_values, m_numbers))
        return {};
    m_values.clear();
    m_numbers.reset();

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {Status::Damaged, QCoreApplication::translate("Store", "it is not valid JSON (%1 at byte %2)")
                                     .arg(parseError.errorString())
                                     .arg(parseError.offset)};
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")).toString() != FormatName)
        return {Status::Damaged, QCoreApplication::translate("Store", "it is not a Pantrova data file")};
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != FormatVersion)
        return {Status::Damaged,
                QCoreApplication::translate("Store", "its format version is not %1").arg(FormatVersion)};
    const QJsonValue values = root.value(QLatin1String("values"));
    if (!values.isObject())
        return {Status::Damaged, QCoreApplication::translate("Store", "it holds no values")};
    // A record of separators that cannot be used is as good as none: the numbers are then read as they stand.
    const QJsonObject numbers = root.value(QLatin1String("numbers")).toObject();
    if (numbers.value(QLatin1String("decimal")).isString() && numbers.value(QLatin1String("group")).isString())
        m_numbers = Money::Conventions{numbers.value(QLatin1String("decimal")).toString(),
                                       numbers.value(QLatin1String("group")).toString()};

    int nonText = 0;
    const QJsonObject object = values.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isString()) {
            ++nonText;
            continue;
        }
        m_values.insert_or_assign(it.key(), it.value().toString());
    }
    if (nonText > 0)
        return {Status::Damaged,
                QCoreApplication::translate("Store", "%1 of its values are not text and were left out").arg(nonText)};
    return {};
}

QString ConfigFile::ReadValue(const QString& key) const {
    return ReadValue(key, NotFound);
}

QString ConfigFile::ReadValue(const QString& key, const QString& defaultValue) const {
    const auto it = m_values.find(key);
    return it == m_values.end() ? defaultValue : it->second;
}

void ConfigFile::WriteValue(const QString& key, const QString& value) {
    m_values.insert_or_assign(key, value);
}

void ConfigFile::DeleteValue(const QString& key) {
    m_values.erase(key);
}

int ConfigFile::countIn(const QString& countKey) const {
    bool ok = false;
    const int count = ReadValue(countKey, QString()).trimmed().toInt(&ok);
    return ok ? count : 0;
}

void ConfigFile::IncrementValue(const QString& countKey) {
    WriteValue(countKey, QString::number(countIn(countKey) + 1));
}

void ConfigFile::WriteArrayItem(const QString& countKey, const QString& prefix, const QString& value) {
    WriteValue(prefix + QString::number(countIn(countKey)), value);
}

void ConfigFile::WriteArrayItem(const QString& countKey, const QString& prefix, bool value) {
    WriteArrayItem(countKey, prefix, value ? TrueText : FalseText);
}

template <typename Take> void ConfigFile::eraseElements(const QString& prefix, int count, Take take) {
    // Keys that start with prefix sit together in key order; of them, only prefix followed by a position as
    // QString::number writes it is an element.
    for (auto it = m_values.lower_bound(prefix); it != m_values.end() && it->first.startsWith(prefix);) {
        const QStringView digits = QStringView(it->first).sliced(prefix.size());
        qint64 position = 0;
        for (const QChar c : digits) {
            if (c < u'0' || c > u'9' || position > count) {
                position = 0;
                break;
            }
            position = position * 10 + (c.unicode() - u'0');
        }
        if (position < 1 || position > count || digits.startsWith(u'0')) {
            ++it;
            continue;
        }
        take(position, std::move(it->second));
        it = m_values.erase(it);
    }
}

void ConfigFile::DeleteArray(const QString& countKey, const QString& prefix) {
    const int count = countIn(countKey);
    // A count larger than the store names more keys than exist: visit the keys that start with prefix instead.
    if (count > size()) {
        eraseElements(prefix, count, [](qint64, QString&&) {});
        return;
    }
    for (int i = 1; i <= count; ++i)
        DeleteValue(prefix + QString::number(i));
}

std::vector<std::optional<QString>> ConfigFile::takeArray(const QString& prefix, int count) {
    std::vector<std::optional<QString>> taken(static_cast<size_t>(std::max(count, 0)));
    eraseElements(prefix, count, [&taken](qint64 position, QString&& value) {
        taken[static_cast<size_t>(position - 1)] = std::move(value);
    });
    return taken;
}

namespace {

// Calls visit(key, value) for every pair of the store in key order, the overlay's value standing in for the
// store's where both have a key: one pass over two sorted maps, with no merged copy of either.
template <typename Visit>
void forEachPair(const std::map<QString, QString>& store, const std::map<QString, QString>* overlay, Visit visit) {
    if (!overlay) {
        for (const auto& [key, value] : store)
            visit(key, value);
        return;
    }
    auto own = store.begin();
    auto over = overlay->begin();
    while (own != store.end() || over != overlay->end()) {
        if (over == overlay->end() || (own != store.end() && own->first < over->first)) {
            visit(own->first, own->second);
            ++own;
            continue;
        }
        if (own != store.end() && own->first == over->first)
            ++own;
        visit(over->first, over->second);
        ++over;
    }
}

} // namespace

QByteArray ConfigFile::toBytes(const ConfigFile* overlay) const {
    const std::map<QString, QString>* over = overlay ? &overlay->m_values : nullptr;
    // The layout QJsonDocument::toJson(Indented) gives the same document, written in one pass straight into one
    // buffer: members in key order (std::map iterates in the order QJsonObject sorts keys), so the same store
    // gives the same bytes. The buffer starts at the exact size for ASCII text plus one worst-case entry, so it
    // grows only for text that needs escapes or more than one byte per character.
    constexpr qsizetype EntryFrame = 16; // indentation, quotes, ": " and ",\n"
    qsizetype estimate = 128 + worstCase(FormatName);
    qsizetype longest = 0;
    forEachPair(m_values, over, [&](const QString& key, const QString& value) {
        estimate += key.size() + value.size() + EntryFrame;
        longest = std::max(longest, key.size() + value.size());
    });
    QByteArray out(estimate + 6 * longest, Qt::Uninitialized);
    qsizetype used = 0;
    const auto room = [&out, &used](qsizetype needed) {
        if (out.size() - used < needed)
            out.resize(std::max(2 * out.size(), used + needed));
        return out.data() + used;
    };

    const qsizetype header =
        160 + worstCase(FormatName) + (m_numbers ? worstCase(m_numbers->decimal) + worstCase(m_numbers->group) : 0);
    char* cursor = writeText(room(header), "{\n    \"format\": ");
    cursor = writeString(cursor, FormatName);
    if (m_numbers) {
        cursor = writeText(cursor, ",\n    \"numbers\": {\n        \"decimal\": ");
        cursor = writeString(cursor, m_numbers->decimal);
        cursor = writeText(cursor, ",\n        \"group\": ");
        cursor = writeString(cursor, m_numbers->group);
        cursor = writeText(cursor, "\n    }");
    }
    cursor = writeText(cursor, ",\n    \"values\": {\n");
    used = cursor - out.constData();
    bool first = true;
    forEachPair(m_values, over, [&](const QString& key, const QString& value) {
        cursor = room(worstCase(key) + worstCase(value) + EntryFrame);
        if (!first)
            cursor = writeText(cursor, ",\n");
        first = false;
        cursor = writeText(cursor, "        ");
        cursor = writeString(cursor, key);
        cursor = writeText(cursor, ": ");
        cursor = writeString(cursor, value);
        used = cursor - out.constData();
    });
    cursor = room(64);
    if (!first)
        cursor = writeText(cursor, "\n");
    cursor = writeText(cursor, "    },\n    \"version\": ");
    cursor = writeText(cursor, std::to_string(FormatVersion));
    cursor = writeText(cursor, "\n}\n");
    out.resize(cursor - out.constData());
    return out;
}

ConfigFile::SaveResult ConfigFile::SaveTo(const QString& path) const {
    return SaveTo(path, SaveOptions());
}

ConfigFile::SaveResult ConfigFile::SaveTo(const QString& path, const SaveOptions& options) const {
    const auto failure = [](const QString& error) { return SaveResult{false, error, false, {}}; };
    const bool exists = SafeFile::nameTaken(path);
    SafeFile::Read previous;
    if (exists) {
        previous = SafeFile::readRegular(path);
        if (!previous.ok())
            return failure(previous.error);
    }
    if (options.expectedDigest && *options.expectedDigest != (exists ? SafeFile::digest(previous.bytes) : QByteArray()))
        return {false, QCoreApplication::translate("Store", "the file was changed by someone else"), true, {}};

    const std::optional<QFileDevice::Permissions> permissions = SafeFile::permissionsOf(path);
    const QString backupPath = path + QStringLiteral(".bak");
    if (exists && (options.refreshBackup || !SafeFile::nameTaken(backupPath))) {
        if (const QString error = SafeFile::writeAtomically(backupPath, previous.bytes, permissions); !error.isEmpty())
            return failure(
                QCoreApplication::translate("Store", "the backup copy could not be written (%1)").arg(error));
    }
    const QByteArray bytes = toBytes();
    if (const QString error = SafeFile::writeAtomically(path, bytes); !error.isEmpty())
        return failure(error);
    return {true, {}, false, options.expectedDigest ? SafeFile::digest(bytes) : QByteArray()};
}
