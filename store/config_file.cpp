// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "config_file.h"

#include "safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <string_view>

namespace {

const QString FormatName = QStringLiteral("Pantrova data");
constexpr int FormatVersion = 1;

void appendUtf8(std::string& utf8, char32_t c) {
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

// One escape sequence from its backslash on, appended to utf8 as UTF-8 when given.
bool escape(const char*& at, const char* end, std::string* utf8) {
    if (end - at < 2)
        return false;
    const char kind = at[1];
    at += 2;
    char plain = 0;
    switch (kind) {
    case '"':
    case '\\':
    case '/':
        plain = kind;
        break;
    case 'b':
        plain = '\b';
        break;
    case 'f':
        plain = '\f';
        break;
    case 'n':
        plain = '\n';
        break;
    case 'r':
        plain = '\r';
        break;
    case 't':
        plain = '\t';
        break;
    case 'u':
        break;
    default:
        return false;
    }
    if (kind != 'u') {
        if (utf8)
            *utf8 += plain;
        return true;
    }
    if (end - at < 4)
        return false;
    char32_t unit = 0;
    for (int i = 0; i < 4; ++i) {
        const char digit = *at++;
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
    if (utf8)
        appendUtf8(*utf8, unit);
    return true;
}

// One well-formed UTF-8 sequence (no overlong forms, no surrogates, nothing above U+10FFFF), copied as it is to
// utf8 when given.
bool multiByte(const char*& at, const char* end, std::string* utf8) {
    const auto lead = static_cast<unsigned char>(*at);
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
    if (end - at < length)
        return false;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(at[i]);
        if ((next & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return false;
    if (utf8)
        utf8->append(at, static_cast<size_t>(length));
    at += length;
    return true;
}

// The bytes that end a run of plain ASCII in a JSON string: the quote, the backslash, control characters and
// the bytes of longer UTF-8 sequences.
constexpr std::array<bool, 256> Special = [] {
    std::array<bool, 256> special{};
    for (size_t byte = 0; byte < special.size(); ++byte)
        special[byte] = byte == '"' || byte == '\\' || byte < 0x20 || byte >= 0x80;
    return special;
}();

// Eight bytes at a time, on machines that keep the first byte of a word in its lowest bits: a word's bytes are
// tested all at once, and of the bytes a test flags (their top bit set in the result), the lowest is the first.
constexpr bool WordAtATime = std::endian::native == std::endian::little;
constexpr quint64 Ones = 0x0101010101010101;
constexpr quint64 Tops = 0x8080808080808080;

quint64 loadWord(const char* at) {
    quint64 word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Flags bytes below `limit` (up to 0x80); above the lowest flagged byte there may be false flags.
constexpr quint64 bytesBelow(quint64 word, unsigned char limit) {
    return (word - Ones * limit) & ~word & Tops;
}

constexpr quint64 bytesEqual(quint64 word, char byte) {
    return bytesBelow(word ^ (Ones * static_cast<unsigned char>(byte)), 1);
}

// Where the first special byte from `at` on is, before `end` or at it.
const char* plainRun(const char* at, const char* end) {
    if constexpr (WordAtATime) {
        for (; end - at >= 8; at += 8) {
            const quint64 word = loadWord(at);
            if (const quint64 special =
                    bytesEqual(word, '"') | bytesEqual(word, '\\') | bytesBelow(word, 0x20) | (word & Tops))
                return at + std::countr_zero(special) / 8;
        }
    }
    while (at != end && !Special[static_cast<unsigned char>(*at)])
        ++at;
    return at;
}

// Reads a JSON string from just after its opening quote to just after its closing one, appending what it says to
// utf8 as UTF-8 when given. Takes only strings whose meaning is beyond doubt: no raw control characters, known
// escapes, no escaped surrogates, well-formed UTF-8. Says whether the string held an escape.
bool scanString(const char*& at, const char* end, std::string* utf8, bool& escaped) {
    escaped = false;
    while (at != end) {
        // Plain ASCII is by far the most common text: runs of it are passed over, or copied, at once.
        const char* run = at;
        at = plainRun(at, end);
        if (utf8)
            utf8->append(run, at);
        if (at == end)
            return false;
        const auto byte = static_cast<unsigned char>(*at);
        if (byte == '"') {
            ++at;
            return true;
        }
        if (byte < 0x20)
            return false;
        if (byte == '\\') {
            escaped = true;
            if (!escape(at, end, utf8))
                return false;
        } else if (!multiByte(at, end, utf8)) {
            return false;
        }
    }
    return false;
}

// A JSON string scanString has taken, from just after its opening quote; limit is the end of the bytes it is in.
struct Text {
    const char* at;
    const char* limit;
    bool escaped;

    // Where the closing quote is, when the text holds no escapes.
    const char* plainEnd() const {
        return static_cast<const char*>(std::memchr(at, '"', static_cast<size_t>(limit - at)));
    }

    QString decoded() const {
        std::string utf8;
        const char* start = at;
        const char* end = nullptr;
        if (escaped) {
            const char* cursor = at;
            bool escapes = false;
            scanString(cursor, limit, &utf8, escapes);
            start = utf8.data();
            end = start + utf8.size();
        } else {
            end = plainEnd();
        }
        QString text = QString::fromUtf8(start, end - start);
        // fromUtf8 takes a leading U+FEFF for a byte-order mark and drops it; in a value it is text.
        if (std::string_view(start, static_cast<size_t>(end - start)).starts_with("\xEF\xBB\xBF"))
            text.prepend(QChar(0xFEFF));
        return text;
    }
};

int sign(int order) {
    return (order > 0) - (order < 0);
}

// Orders as QString's operator< orders the decoded texts. ASCII compares byte by byte, as it does unit by unit
// in UTF-16; anything else is decoded first (UTF-8's byte order is not UTF-16's beyond U+FFFF).
int compare(const Text& a, QStringView b) {
    const char* at = a.at;
    for (qsizetype i = 0;; ++i, ++at) {
        const auto byte = static_cast<unsigned char>(*at);
        if (byte == '"')
            return i == b.size() ? 0 : -1;
        if (byte == '\\' || byte >= 0x80)
            return sign(QStringView(a.decoded()).compare(b));
        if (i == b.size())
            return 1;
        if (byte != b[i].unicode())
            return byte < b[i].unicode() ? -1 : 1;
    }
}

int compare(const Text& a, const Text& b) {
    if (!a.escaped && !b.escaped) {
        // Plain UTF-8 orders as its code points do; only where the first difference is not ASCII can UTF-16's
        // order differ.
        const char* x = a.at;
        const char* y = b.at;
        if constexpr (WordAtATime) {
            // To the first byte where they differ or a ends.
            while (a.limit - x >= 8 && b.limit - y >= 8) {
                const quint64 word = loadWord(x);
                if (const quint64 stop = (word ^ loadWord(y)) | bytesEqual(word, '"')) {
                    const int same = std::countr_zero(stop) / 8;
                    x += same;
                    y += same;
                    break;
                }
                x += 8;
                y += 8;
            }
        }
        while (*x == *y && *x != '"') {
            ++x;
            ++y;
        }
        const auto first = static_cast<unsigned char>(*x);
        const auto second = static_cast<unsigned char>(*y);
        if (first == '"' || second == '"')
            return first == second ? 0 : first == '"' ? -1 : 1;
        if (first < 0x80 && second < 0x80)
            return first < second ? -1 : 1;
    }
    // Escapes, or a first difference beyond ASCII: the decoded texts tell.
    return sign(QStringView(a.decoded()).compare(b.decoded()));
}

// A key or value of either kind: loaded text, or a QString of the written pairs.
struct AnyText {
    Text loaded;
    const QString* written = nullptr;

    QString toString() const { return written ? *written : loaded.decoded(); }
};

int compare(const AnyText& a, const AnyText& b) {
    if (a.written && b.written)
        return sign(QStringView(*a.written).compare(*b.written));
    if (a.written)
        return -compare(b.loaded, *a.written);
    if (b.written)
        return compare(a.loaded, *b.written);
    return compare(a.loaded, b.loaded);
}

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

// A key or value ready to be written: the bytes of loaded text already in the writer's form, or a text.
struct Ready {
    explicit Ready(const AnyText& any)
        : isPlain(!any.written && !any.loaded.escaped) {
        if (isPlain) {
            plain = QByteArrayView(any.loaded.at, any.loaded.plainEnd());
        } else if (any.written) {
            text = *any.written;
        } else {
            decoded = any.loaded.decoded();
            text = decoded;
        }
    }
    qsizetype worst() const { return isPlain ? plain.size() + 2 : worstCase(text); }
    char* write(char* cursor) const {
        if (!isPlain)
            return writeString(cursor, text);
        *cursor++ = '"';
        cursor = std::copy(plain.begin(), plain.end(), cursor);
        *cursor++ = '"';
        return cursor;
    }

    bool isPlain;
    QByteArrayView plain;
    QString decoded;
    QStringView text;
};

} // namespace

// Where the writer puts the bytes: all of them in one array, or one piece at a time handed on (to a file).
class ConfigFile::Output {
public:
    static constexpr qsizetype Piece = qsizetype(1) << 20;
    using HandOn = std::function<bool(QByteArrayView)>;

    explicit Output(qsizetype expected, HandOn handOn = {})
        : m_bytes(expected, Qt::Uninitialized)
        , m_handOn(std::move(handOn)) {}

    // Where to write at least `needed` bytes.
    char* room(qsizetype needed) {
        if (m_handOn && m_used >= Piece)
            handOn();
        if (m_bytes.size() - m_used < needed)
            m_bytes.resize(std::max(2 * m_bytes.size(), m_used + needed));
        return m_bytes.data() + m_used;
    }
    void wrote(const char* cursor) { m_used = cursor - m_bytes.constData(); }
    // False once a piece could not be handed on: what follows is of no use.
    bool ok() const { return m_ok; }

    QByteArray finish() {
        if (m_handOn) {
            handOn();
            return {};
        }
        m_bytes.resize(m_used);
        return std::move(m_bytes);
    }

private:
    void handOn() {
        m_ok = m_ok && m_handOn(QByteArrayView(m_bytes.constData(), m_used));
        m_used = 0;
    }

    QByteArray m_bytes;
    qsizetype m_used = 0;
    HandOn m_handOn;
    bool m_ok = true;
};

namespace {

Text textAt(const QByteArray& bytes, quint32 at, quint32 escapedBit) {
    return {bytes.constData() + (at & ~escapedBit), bytes.constData() + bytes.size(), (at & escapedBit) != 0};
}

} // namespace

// Reads the data file as toBytes writes it, or in any other layout of the same members, without decoding a
// string of the values: it checks each to its end and keeps where it begins. It accepts only documents whose
// meaning is beyond doubt (the known members, each once and in any order, text values, no duplicate keys, no
// escaped surrogates); for anything else it gives up and the caller parses with QJsonDocument, so every damaged
// file is still reported in QJsonDocument's words. Keys in the order toBytes writes them cost one comparison
// each; any other order is sorted afterwards. The bytes must end in a '\0' after their size, as those of a
// QByteArray of its own do.
class ConfigFile::Reader {
public:
    explicit Reader(const QByteArray& data)
        : m_data(data)
        , m_at(data.constData())
        , m_end(data.constData() + data.size()) {}

    bool read(std::vector<Loaded>& loaded, std::optional<Money::Conventions>& numbers) {
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
                if (!object(loaded))
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
        // The writer indents each pair by eight spaces: a word of them at a time.
        static constexpr char Indent[] = "        ";
        // Most calls find none: the bytes the reader takes always end in a '\0', so the one at m_end can be read.
        if (static_cast<unsigned char>(*m_at) > ' ')
            return;
        for (;;) {
            if (m_end - m_at >= 8 && std::memcmp(m_at, Indent, 8) == 0)
                m_at += 8;
            else if (m_at != m_end && (*m_at == ' ' || *m_at == '\n' || *m_at == '\r' || *m_at == '\t'))
                ++m_at;
            else
                return;
        }
    }

    bool punctuation(char expected) {
        skipSpace();
        if (m_at == m_end || *m_at != expected)
            return false;
        ++m_at;
        return true;
    }

    Text text(quint32 at) const { return textAt(m_data, at, Loaded::Escaped); }

    bool object(std::vector<Loaded>& loaded) {
        if (!punctuation('{'))
            return false;
        skipSpace();
        if (m_at != m_end && *m_at == '}') {
            ++m_at;
            return true;
        }
        // Room for as many pairs as the bytes could hold at the least (six bytes each): the pages never used are
        // never touched, and the list is never copied as it grows.
        loaded.reserve(static_cast<size_t>(m_end - m_at) / 6 + 1);
        bool ordered = true;
        do {
            Loaded pair{};
            if (!place(pair.key) || !punctuation(':') || !place(pair.value))
                return false;
            ordered = ordered && (loaded.empty() || compare(text(loaded.back().key), text(pair.key)) < 0);
            loaded.push_back(pair);
        } while (punctuation(','));
        if (!punctuation('}'))
            return false;
        return ordered || sort(loaded);
    }

    // Puts the pairs in key order; false when a key comes twice. Each key's first eight bytes go with it as a
    // number that orders as they do, so that most comparisons look at no key at all.
    bool sort(std::vector<Loaded>& loaded) const {
        // Sixteen bytes an entry, as fresh memory is costly (each page is faulted in).
        struct Sortable {
            // The key's first eight bytes, the first in the highest bits and zeros after a shorter key, when they
            // are plain ASCII (which orders as UTF-16 does); otherwise, and for the empty key, zero.
            quint64 start;
            Loaded pair;
        };
        std::vector<Sortable> sortable;
        sortable.reserve(loaded.size());
        for (const Loaded& pair : loaded) {
            const Text key = text(pair.key);
            Sortable entry{0, pair};
            for (int i = 0; i < 8 && !key.escaped && key.at[i] != '"'; ++i) {
                const auto byte = static_cast<unsigned char>(key.at[i]);
                if (byte >= 0x80) {
                    entry.start = 0;
                    break;
                }
                entry.start |= quint64(byte) << (56 - 8 * i);
            }
            sortable.push_back(entry);
        }
        // Below zero, zero or above: the keys' order, from their first bytes where those tell.
        const auto order = [this](const Sortable& a, const Sortable& b) {
            if (a.start != 0 && b.start != 0 && a.start != b.start)
                return a.start < b.start ? -1 : 1;
            return compare(text(a.pair.key), text(b.pair.key));
        };
        std::sort(sortable.begin(), sortable.end(),
                  [&order](const Sortable& a, const Sortable& b) { return order(a, b) < 0; });
        for (size_t i = 0; i < sortable.size(); ++i) {
            if (i > 0 && order(sortable[i - 1], sortable[i]) == 0)
                return false;
            loaded[i] = sortable[i].pair;
        }
        return true;
    }

    // A string, checked and left where it is: where its text begins, with Loaded::Escaped if it holds escapes.
    bool place(quint32& at) {
        if (!punctuation('"'))
            return false;
        at = static_cast<quint32>(m_at - m_data.constData());
        // Most strings are plain ASCII to their closing quote.
        const char* start = m_at;
        m_at = plainRun(m_at, m_end);
        if (m_at != m_end && *m_at == '"') {
            ++m_at;
            return true;
        }
        m_at = start;
        bool escaped = false;
        if (!scanString(m_at, m_end, nullptr, escaped))
            return false;
        if (escaped)
            at |= Loaded::Escaped;
        return true;
    }

    bool string(QString& out) {
        if (!punctuation('"'))
            return false;
        const char* start = m_at;
        bool escaped = false;
        if (!scanString(m_at, m_end, nullptr, escaped))
            return false;
        out = Text{start, m_end, escaped}.decoded();
        return true;
    }

    const QByteArray& m_data;
    const char* m_at;
    const char* m_end;
};

// The pairs of one store in key order, from a given key on: the loaded pairs that are not gone and the written
// ones, merged.
class ConfigFile::Pairs {
public:
    Pairs(const ConfigFile& store, const QString& from)
        : m_store(store)
        , m_loaded(store.lowerBoundLoaded(from))
        , m_written(store.m_written.lower_bound(from)) {
        settle();
    }

    bool atEnd() const { return m_loaded == m_store.m_loaded.size() && m_written == m_store.m_written.end(); }
    AnyText key() const {
        return m_onLoaded ? AnyText{loadedText(m_store.m_loaded[m_loaded].key)} : AnyText{{}, &m_written->first};
    }
    AnyText value() const {
        return m_onLoaded ? AnyText{loadedText(m_store.m_loaded[m_loaded].value)} : AnyText{{}, &m_written->second};
    }
    void next() {
        if (m_onLoaded)
            ++m_loaded;
        else
            ++m_written;
        settle();
    }

private:
    Text loadedText(quint32 at) const { return textAt(m_store.m_bytes, at, Loaded::Escaped); }

    void settle() {
        while (m_loaded < m_store.m_loaded.size() && m_store.m_gone[m_loaded])
            ++m_loaded;
#if defined(__GNUC__)
        // In a file whose keys were not in order, the pairs lie scattered over the bytes: ask for the memory of
        // those a little ahead before they are needed.
        if (constexpr size_t Ahead = 16; m_loaded + Ahead < m_store.m_loaded.size()) {
            const Loaded& ahead = m_store.m_loaded[m_loaded + Ahead];
            __builtin_prefetch(loadedText(ahead.key).at);
            __builtin_prefetch(loadedText(ahead.value).at);
        }
#endif
        // A key is never both loaded (and not gone) and written.
        m_onLoaded = m_loaded < m_store.m_loaded.size() &&
                     (m_written == m_store.m_written.end() ||
                      compare(loadedText(m_store.m_loaded[m_loaded].key), m_written->first) < 0);
    }

    const ConfigFile& m_store;
    size_t m_loaded;
    std::map<QString, QString>::const_iterator m_written;
    bool m_onLoaded = false;
};

void ConfigFile::clear() {
    m_bytes.clear();
    // The reader reserves room for the most pairs a file of its size could hold: give that back too.
    m_loaded = std::vector<Loaded>();
    m_gone.clear();
    m_goneCount = 0;
    m_written.clear();
    m_numbers.reset();
}

ConfigFile::LoadResult ConfigFile::LoadFrom(const QString& path) {
    const SafeFile::Read read = SafeFile::readRegular(path);
    if (!read.ok()) {
        clear();
        return {LoadResult::Status::Unreadable, read.error};
    }
    return LoadFromBytes(read.bytes);
}

ConfigFile::LoadResult ConfigFile::LoadFromBytes(const QByteArray& data) {
    using Status = LoadResult::Status;
    clear();
    QByteArray bytes = data;
    // Bytes only lent to the array (QByteArray::fromRawData) could go away while the store still points into them,
    // and need not end in the '\0' the reader stops at.
    if (!bytes.data_ptr().isMutable())
        bytes = QByteArray(data.constData(), data.size());
    if (bytes.size() < qsizetype(Loaded::Escaped) && Reader(bytes).read(m_loaded, m_numbers)) {
        m_bytes = std::move(bytes);
        m_gone.assign(m_loaded.size(), false);
        return {};
    }
    clear();

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
        m_written.insert_or_assign(it.key(), it.value().toString());
    }
    if (nonText > 0)
        return {Status::Damaged,
                QCoreApplication::translate("Store", "%1 of its values are not text and were left out").arg(nonText)};
    return {};
}

size_t ConfigFile::lowerBoundLoaded(QStringView key) const {
    const auto found = std::partition_point(m_loaded.begin(), m_loaded.end(), [&](const Loaded& pair) {
        return compare(textAt(m_bytes, pair.key, Loaded::Escaped), key) < 0;
    });
    return static_cast<size_t>(found - m_loaded.begin());
}

std::optional<size_t> ConfigFile::findLoaded(QStringView key) const {
    const size_t at = lowerBoundLoaded(key);
    if (at == m_loaded.size() || compare(textAt(m_bytes, m_loaded[at].key, Loaded::Escaped), key) != 0)
        return std::nullopt;
    return at;
}

void ConfigFile::forget(size_t loaded) {
    if (!m_gone[loaded]) {
        m_gone[loaded] = true;
        ++m_goneCount;
    }
}

QString ConfigFile::ReadValue(const QString& key) const {
    return ReadValue(key, NotFound);
}

QString ConfigFile::ReadValue(const QString& key, const QString& defaultValue) const {
    return value(key).value_or(defaultValue);
}

std::optional<QString> ConfigFile::value(const QString& key) const {
    if (const auto written = m_written.find(key); written != m_written.end())
        return written->second;
    if (const std::optional<size_t> loaded = findLoaded(key); loaded && !m_gone[*loaded])
        return textAt(m_bytes, m_loaded[*loaded].value, Loaded::Escaped).decoded();
    return std::nullopt;
}

bool ConfigFile::contains(const QString& key) const {
    if (m_written.count(key) != 0)
        return true;
    const std::optional<size_t> loaded = findLoaded(key);
    return loaded && !m_gone[*loaded];
}

void ConfigFile::WriteValue(const QString& key, const QString& value) {
    m_written.insert_or_assign(key, value);
    if (const std::optional<size_t> loaded = findLoaded(key))
        forget(*loaded);
}

void ConfigFile::DeleteValue(const QString& key) {
    m_written.erase(key);
    if (const std::optional<size_t> loaded = findLoaded(key))
        forget(*loaded);
}

void ConfigFile::forEach(const QString& prefix,
                         const std::function<void(const QString&, const QString&)>& visit) const {
    for (Pairs pairs(*this, prefix); !pairs.atEnd(); pairs.next()) {
        const QString key = pairs.key().toString();
        if (!key.startsWith(prefix))
            return;
        visit(key, pairs.value().toString());
    }
}

std::map<QString, QString> ConfigFile::values() const {
    std::map<QString, QString> all;
    forEach({}, [&all](const QString& key, const QString& value) { all.emplace_hint(all.end(), key, value); });
    return all;
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
    const auto position = [count](auto digits) -> qint64 {
        qint64 number = 0;
        for (const auto c : digits) {
            const auto unit = static_cast<std::make_unsigned_t<decltype(c)>>(c);
            if (unit < '0' || unit > '9' || number > count)
                return 0;
            number = number * 10 + (unit - '0');
        }
        return number > count || (!digits.empty() && digits.front() == '0') ? 0 : number;
    };
    const auto utf16 = [](QStringView text) {
        return std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
    };
    // Loaded keys are read where they stand, unless they hold escapes.
    const bool asciiPrefix = std::all_of(prefix.begin(), prefix.end(), [](QChar c) { return c.unicode() < 0x80; });
    for (size_t at = lowerBoundLoaded(prefix); at < m_loaded.size(); ++at) {
        const Text key = textAt(m_bytes, m_loaded[at].key, Loaded::Escaped);
        qint64 element = 0;
        if (!key.escaped && asciiPrefix) {
            const char* rest = key.at;
            qsizetype matched = 0;
            while (matched < prefix.size() && static_cast<unsigned char>(*rest) == prefix[matched].unicode()) {
                ++rest;
                ++matched;
            }
            if (matched < prefix.size())
                break;
            element = position(std::string_view(rest, static_cast<size_t>(key.plainEnd() - rest)));
        } else {
            const QString text = key.decoded();
            if (!text.startsWith(prefix))
                break;
            element = position(utf16(QStringView(text).sliced(prefix.size())));
        }
        if (element >= 1 && !m_gone[at]) {
            take(element, textAt(m_bytes, m_loaded[at].value, Loaded::Escaped).decoded());
            forget(at);
        }
    }
    for (auto it = m_written.lower_bound(prefix); it != m_written.end() && it->first.startsWith(prefix);) {
        const qint64 element = position(utf16(QStringView(it->first).sliced(prefix.size())));
        if (element < 1) {
            ++it;
            continue;
        }
        take(element, std::move(it->second));
        it = m_written.erase(it);
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

void ConfigFile::writeJson(const ConfigFile* overlay, Output& out) const {
    // The layout QJsonDocument::toJson(Indented) gives the same document, written in one pass: members in key
    // order (the order QJsonObject sorts keys in), so the same store gives the same bytes.
    constexpr qsizetype EntryFrame = 16; // indentation, ": " and ",\n"
    const qsizetype header =
        160 + worstCase(FormatName) + (m_numbers ? worstCase(m_numbers->decimal) + worstCase(m_numbers->group) : 0);
    char* cursor = writeText(out.room(header), "{\n    \"format\": ");
    cursor = writeString(cursor, FormatName);
    if (m_numbers) {
        cursor = writeText(cursor, ",\n    \"numbers\": {\n        \"decimal\": ");
        cursor = writeString(cursor, m_numbers->decimal);
        cursor = writeText(cursor, ",\n        \"group\": ");
        cursor = writeString(cursor, m_numbers->group);
        cursor = writeText(cursor, "\n    }");
    }
    cursor = writeText(cursor, ",\n    \"values\": {\n");
    out.wrote(cursor);

    // One pass over the store's pairs and the overlay's, the overlay's value standing in where both have a key.
    Pairs own(*this, {});
    std::optional<Pairs> over;
    if (overlay)
        over.emplace(*overlay, QString());
    bool first = true;
    while (out.ok()) {
        const bool ownLeft = !own.atEnd();
        const bool overLeft = over && !over->atEnd();
        if (!ownLeft && !overLeft)
            break;
        const int order = !overLeft ? -1 : !ownLeft ? 1 : compare(own.key(), over->key());
        Pairs& from = order < 0 ? own : *over;
        const Ready key(from.key());
        const Ready value(from.value());
        cursor = out.room(key.worst() + value.worst() + EntryFrame);
        if (!first)
            cursor = writeText(cursor, ",\n");
        first = false;
        cursor = writeText(cursor, "        ");
        cursor = key.write(cursor);
        cursor = writeText(cursor, ": ");
        cursor = value.write(cursor);
        out.wrote(cursor);
        if (order == 0)
            own.next();
        from.next();
    }
    cursor = out.room(64);
    if (!first)
        cursor = writeText(cursor, "\n");
    cursor = writeText(cursor, "    },\n    \"version\": ");
    cursor = writeText(cursor, std::to_string(FormatVersion));
    cursor = writeText(cursor, "\n}\n");
    out.wrote(cursor);
}

QByteArray ConfigFile::toBytes(const ConfigFile* overlay) const {
    // Room for the loaded pairs as they stand and the written ones in ASCII: most stores fit without growing.
    qsizetype expected = 256;
    for (const ConfigFile* store : {this, overlay}) {
        if (!store)
            continue;
        expected += store->m_bytes.size();
        for (const auto& [key, value] : store->m_written)
            expected += key.size() + value.size() + 16;
    }
    Output out(expected);
    writeJson(overlay, out);
    return out.finish();
}

ConfigFile::SaveResult ConfigFile::SaveTo(const QString& path) const {
    return SaveTo(path, SaveOptions());
}

qint64 ConfigFile::savedSizeAtMost() const {
    // A loaded text is written as its own bytes or through the writer, which takes at most three bytes for each
    // byte of an escape; six bytes for a character of a written text cover \uXXXX; 24 cover a pair's frame.
    qint64 bound = 512 + 6 * qint64(m_bytes.size()) + 24 * qint64(m_loaded.size());
    for (const auto& [key, value] : m_written)
        bound += 6 * (qint64(key.size()) + value.size()) + 24;
    return bound;
}

qint64 ConfigFile::savedSize(qint64 limit) const {
    qint64 size = 0;
    Output out(Output::Piece + 64 * 1024, [&](QByteArrayView piece) {
        size += piece.size();
        return size <= limit;
    });
    writeJson(nullptr, out);
    out.finish();
    return size;
}

ConfigFile::SaveResult ConfigFile::SaveTo(const QString& path, const SaveOptions& options) const {
    const auto failure = [](const QString& error) { return SaveResult{false, error, false, {}}; };
    const auto changedOnDisk = [] {
        return SaveResult{
            false, QCoreApplication::translate("Store", "the file was changed by someone else"), true, {}};
    };
    // Counted only where the cheap bound leaves doubt, so that a save of any usual size costs nothing more.
    if (savedSizeAtMost() > options.sizeLimit && savedSize(options.sizeLimit) > options.sizeLimit)
        return failure(QCoreApplication::translate("Store",
                                                   "the data would take more than %1 MB, more than Pantrova can read "
                                                   "back; nothing was written")
                           .arg(double(options.sizeLimit) / (1 << 20), 0, 'g', 4));
    const std::optional<QFileDevice::Permissions> permissions = SafeFile::permissionsOf(path);
    if (SafeFile::nameTaken(path)) {
        // The file about to be replaced is read once, in pieces: each is added to its digest and to its backup.
        // A backup that fails stops only itself: the digest still takes the whole file, so a full disk is never
        // mistaken for someone else's change.
        const QString backupPath = path + QStringLiteral(".bak");
        std::optional<SafeFile::AtomicWrite> backup;
        if (options.refreshBackup || !SafeFile::nameTaken(backupPath))
            backup.emplace(backupPath, permissions);
        SafeFile::Digest previous;
        const QString error = SafeFile::readInPieces(path, [&](QByteArrayView piece) {
            previous.add(piece);
            if (backup)
                backup->write(piece);
            return true;
        });
        if (!error.isEmpty())
            return failure(
                QCoreApplication::translate("Store", "the file to be replaced could not be read (%1)").arg(error));
        if (options.expectedDigest && *options.expectedDigest != previous.result())
            return changedOnDisk();
        if (const QString backupError = backup ? backup->commit() : QString(); !backupError.isEmpty())
            return failure(QCoreApplication::translate(
                               "Store", "the backup copy '%1' could not be written (%2); the data file is as it was")
                               .arg(QDir::toNativeSeparators(backupPath), backupError));
    } else if (options.expectedDigest && !options.expectedDigest->isEmpty()) {
        return changedOnDisk();
    }

    SafeFile::AtomicWrite file(path);
    SafeFile::Digest written;
    Output out(Output::Piece + 64 * 1024, [&](QByteArrayView piece) {
        written.add(piece);
        return file.write(piece);
    });
    writeJson(nullptr, out);
    out.finish();
    if (const QString error = file.commit(); !error.isEmpty())
        return failure(
            file.failedToReplace()
                ? QCoreApplication::translate("Store", "the new file could not take the old one's place (%1)")
                      .arg(error)
                : QCoreApplication::translate("Store", "the new file could not be written (%1)").arg(error));
    return {true, {}, false, options.expectedDigest ? written.result() : QByteArray()};
}
