// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The key/value store: what is written is read back after a save and a load, keys are exact, saving is
// atomic and repeatable, damaged files are told apart from unreadable ones, and the store writes and reads its
// file exactly as QJsonDocument does.
#include "config_file.h"
#include "data_files.h"
#include "safe_file.h"
#include "store_layout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <optional>

namespace {

using Values = std::map<QString, QString>;

// The data file as QJsonDocument writes it: the bytes the store's own writer must reproduce exactly.
QByteArray writtenByQt(const Values& values, const std::optional<Money::Conventions>& numbers = std::nullopt) {
    QJsonObject object;
    for (const auto& [key, value] : values)
        object.insert(key, value);
    QJsonObject root;
    if (numbers)
        root.insert(QLatin1String("numbers"), QJsonObject{{QLatin1String("decimal"), numbers->decimal},
                                                          {QLatin1String("group"), numbers->group}});
    root.insert(QLatin1String("format"), QStringLiteral("Pantrova data"));
    root.insert(QLatin1String("version"), 1);
    root.insert(QLatin1String("values"), object);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

// What QJsonDocument reads from a data file: its values when the file is sound, nothing when it is damaged.
std::optional<Values> readByQt(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QLatin1String("version"));
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        root.value(QLatin1String("format")).toString() != QLatin1String("Pantrova data") || !version.isDouble() ||
        version.toDouble() != 1 || !root.value(QLatin1String("values")).isObject())
        return std::nullopt;
    Values values;
    const QJsonObject object = root.value(QLatin1String("values")).toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isString())
            return std::nullopt;
        values[it.key()] = it.value().toString();
    }
    return values;
}

QString utf16(std::initializer_list<char16_t> units) {
    return QString(reinterpret_cast<const QChar*>(units.begin()), static_cast<qsizetype>(units.size()));
}

} // namespace

class ConfigFileTest : public QObject {
    Q_OBJECT

private slots:
    void roundTripKeepsEveryValue();
    void absentKeysReadAsMarkerOrDefault();
    void arraysAddressExactKeys();
    void numberSeparatorsTravelInTheHeader_data();
    void numberSeparatorsTravelInTheHeader();
    void priceKeysNameTheirItem();
    void savingIsRepeatableAndKeepsBackup();
    void savingToAnImpossiblePathFails();
    void damagedFilesAreRecognised_data();
    void damagedFilesAreRecognised();
    void unreadableFileIsNotDamaged();
    void textIsEscapedAsQtWritesIt_data();
    void textIsEscapedAsQtWritesIt();
    void randomStoresAreWrittenAndReadAsQtDoes();
    void readingAgreesWithQJsonDocument_data();
    void readingAgreesWithQJsonDocument();
    void loadedAndWrittenPairsActAlike();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

void ConfigFileTest::roundTripKeepsEveryValue() {
    ConfigFile store;
    store.WriteValue(QStringLiteral("empty"), QString());
    store.WriteValue(QStringLiteral("blank"), QStringLiteral(" "));
    store.WriteValue(QStringLiteral("Symbol"), QStringLiteral("£ €\t\"quoted\"\n<b>&"));
    store.WriteValue(QStringLiteral("marker"), ConfigFile::NotFound);
    store.WriteValue(QStringLiteral("mark first"), utf16({0xfeff, 'a'})); // no byte-order mark: text
    store.WriteValue(QStringLiteral("L0"), QStringLiteral("0"));
    store.IncrementValue(QStringLiteral("L0"));
    store.WriteArrayItem(QStringLiteral("L0"), QStringLiteral("L0c"), true);
    store.IncrementValue(QStringLiteral("L0"));
    store.WriteArrayItem(QStringLiteral("L0"), QStringLiteral("L0c"), false);
    QVERIFY(store.SaveTo(path(QStringLiteral("round.dat"))).ok);

    ConfigFile loaded;
    QVERIFY(loaded.LoadFrom(path(QStringLiteral("round.dat"))).ok());
    QCOMPARE(loaded.values(), store.values());
    QCOMPARE(loaded.ReadValue(QStringLiteral("empty"), QStringLiteral("default")), QString());
    QCOMPARE(loaded.ReadValue(QStringLiteral("L0")), QStringLiteral("2"));
    QCOMPARE(loaded.ReadValue(QStringLiteral("L0c1")), QStringLiteral("True"));
    QCOMPARE(loaded.ReadValue(QStringLiteral("L0c2")), QStringLiteral("False"));
    // Keys are case-sensitive.
    QCOMPARE(loaded.ReadValue(QStringLiteral("symbol")), ConfigFile::NotFound);
}

void ConfigFileTest::absentKeysReadAsMarkerOrDefault() {
    ConfigFile store;
    QCOMPARE(store.ReadValue(QStringLiteral("NextKey")), QStringLiteral("[NOT FOUND]"));
    QCOMPARE(store.ReadValue(QStringLiteral("Symbol"), QStringLiteral("£")), QStringLiteral("£"));
    store.DeleteValue(QStringLiteral("never there"));
    store.IncrementValue(QStringLiteral("fresh"));
    QCOMPARE(store.ReadValue(QStringLiteral("fresh")), QStringLiteral("1"));
    QCOMPARE(store.size(), 1);
}

void ConfigFileTest::arraysAddressExactKeys() {
    ConfigFile store;
    store.WriteValue(QStringLiteral("L0"), QStringLiteral("0"));
    for (int i = 1; i <= 10; ++i) {
        store.IncrementValue(QStringLiteral("L0"));
        store.WriteArrayItem(QStringLiteral("L0"), QStringLiteral("L0i"), QStringLiteral("item %1").arg(i));
    }
    QCOMPARE(store.ReadValue(QStringLiteral("L0i10")), QStringLiteral("item 10"));
    store.WriteValue(QStringLiteral("L0"), QStringLiteral("9"));
    store.DeleteArray(QStringLiteral("L0"), QStringLiteral("L0i"));
    QCOMPARE(store.ReadValue(QStringLiteral("L0i10")), QStringLiteral("item 10"));
    QCOMPARE(store.ReadValue(QStringLiteral("L0i1")), ConfigFile::NotFound);
    QCOMPARE(store.ReadValue(QStringLiteral("L0")), QStringLiteral("9"));
    QCOMPARE(store.size(), 2);

    // Taking an array removes exactly prefix1 .. prefixN and nothing that merely starts like one.
    ConfigFile taken;
    for (const char* key : {"L1k1", "L1k2", "L1k4", "L1k10", "L1k11", "L1k01", "L1k", "L1kx", "L1k99999999999999999999",
                            "L1", "L1j1", "L1l1"})
        taken.WriteValue(QString::fromLatin1(key), QString::fromLatin1(key).toLower());
    const std::vector<std::optional<QString>> values = taken.takeArray(QStringLiteral("L1k"), 10);
    QCOMPARE(values.size(), size_t(10));
    QCOMPARE(values[0], QStringLiteral("l1k1"));
    QCOMPARE(values[1], QStringLiteral("l1k2"));
    QCOMPARE(values[2], std::nullopt);
    QCOMPARE(values[3], QStringLiteral("l1k4"));
    QCOMPARE(values[9], QStringLiteral("l1k10"));
    QStringList left;
    for (const auto& [key, value] : taken.values())
        left << key;
    QCOMPARE(left, (QStringList{"L1", "L1j1", "L1k", "L1k01", "L1k11", "L1k99999999999999999999", "L1kx", "L1l1"}));
    QVERIFY(taken.takeArray(QStringLiteral("L1k"), 0).empty());
    QCOMPARE(taken.size(), 8);

    // A count far above the store's size still removes every element it names.
    ConfigFile small;
    small.WriteValue(QStringLiteral("C"), QStringLiteral("5"));
    small.WriteValue(QStringLiteral("P5"), QStringLiteral("fifth"));
    small.DeleteArray(QStringLiteral("C"), QStringLiteral("P"));
    QCOMPARE(small.ReadValue(QStringLiteral("P5")), ConfigFile::NotFound);
    QCOMPARE(small.size(), 1);
}

void ConfigFileTest::numberSeparatorsTravelInTheHeader_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<std::optional<Money::Conventions>>("numbers");
    const Values values{{"K1_1", "1.234,50"}};
    const Money::Conventions german{QStringLiteral(","), QStringLiteral(".")};
    const Money::Conventions french{QStringLiteral(","), QStringLiteral("\u202f")};
    QTest::newRow("as written") << writtenByQt(values, german) << std::optional(german);
    QTest::newRow("separators that need escapes") << writtenByQt(values, french) << std::optional(french);
    QTest::newRow("none recorded") << writtenByQt(values) << std::optional<Money::Conventions>();
    QTest::newRow("another member order")
        << QByteArray(R"({"version": 1, "numbers": {"group": ".", "decimal": ","}, "format": "Pantrova data",)"
                      R"( "values": {"K1_1": "1.234,50"}})")
        << std::optional(german);
    QTest::newRow("unusable record") << QByteArray(R"({"format": "Pantrova data", "numbers": {"decimal": 5},)"
                                                   R"( "values": {"K1_1": "1.234,50"}, "version": 1})")
                                     << std::optional<Money::Conventions>();
}

void ConfigFileTest::numberSeparatorsTravelInTheHeader() {
    QFETCH(QByteArray, bytes);
    QFETCH(std::optional<Money::Conventions>, numbers);
    ConfigFile store;
    QVERIFY(store.LoadFromBytes(bytes).ok());
    QCOMPARE(store.numbers(), numbers);
    QCOMPARE(store.ReadValue(QStringLiteral("K1_1")), QStringLiteral("1.234,50"));
    QCOMPARE(store.toBytes(), writtenByQt(store.values(), numbers));
}

void ConfigFileTest::priceKeysNameTheirItem() {
    const std::array<std::pair<QString, QString>, 9> cases{{
        {"K17_3", "K17"},
        {"K0_20", "K0"},
        {"K1_2_5", "K1_2"},
        {"K17_21", ""},
        {"K17_0", ""},
        {"K17_03", ""},
        {"K17_", ""},
        {"_3", ""},
        {"L0i12", ""},
    }};
    for (const auto& [key, item] : cases)
        QCOMPARE(Store::itemKeyOfPrice(key).toString(), item);
    for (int shop = 1; shop <= Store::ShopCount; ++shop)
        QCOMPARE(Store::itemKeyOfPrice(Store::priceKey(QStringLiteral("K5"), shop)), QStringLiteral("K5"));
}

void ConfigFileTest::savingIsRepeatableAndKeepsBackup() {
    const QString file = path(QStringLiteral("repeat.dat"));
    ConfigFile store;
    store.WriteValue(QStringLiteral("b"), QStringLiteral("2"));
    store.WriteValue(QStringLiteral("a"), QStringLiteral("1"));
    QVERIFY(store.SaveTo(file).ok);
    const QByteArray first = readFile(file);
    QVERIFY(store.SaveTo(file).ok);
    QCOMPARE(readFile(file), first);

    ConfigFile reloaded;
    QVERIFY(reloaded.LoadFrom(file).ok());
    reloaded.WriteValue(QStringLiteral("c"), QStringLiteral("3"));
    QVERIFY(reloaded.SaveTo(file).ok);
    QCOMPARE(readFile(file + QStringLiteral(".bak")), first);
    QVERIFY(readFile(file) != first);
    QVERIFY(readFile(file).startsWith("{"));
}

void ConfigFileTest::savingToAnImpossiblePathFails() {
    const QString file = path(QStringLiteral("no such folder/Pantrova.dat"));
    ConfigFile store;
    store.WriteValue(QStringLiteral("a"), QStringLiteral("1"));
    const ConfigFile::SaveResult result = store.SaveTo(file);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
}

void ConfigFileTest::damagedFilesAreRecognised_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("valuesKept");

    const QByteArray sound = dataFileBytes({{QStringLiteral("NextKey"), QStringLiteral("3")}});
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("truncated") << sound.left(sound.size() / 2) << 0;
    QTest::newRow("not JSON") << QByteArray("L0=3\nL0n=Weekly\n") << 0;
    QTest::newRow("another program's JSON") << QByteArray(R"({"name": "x", "values": {"a": "b"}})") << 0;
    QTest::newRow("JSON array") << QByteArray(R"([1, 2])") << 0;
    QTest::newRow("wrong format") << QByteArray(R"({"format": "Other data", "version": 1, "values": {"a": "b"}})") << 0;
    QTest::newRow("newer version") << QByteArray(R"({"format": "Pantrova data", "version": 2, "values": {"a": "b"}})")
                                   << 0;
    QTest::newRow("values not an object")
        << QByteArray(R"({"format": "Pantrova data", "version": 1, "values": "a"})") << 0;
    QTest::newRow("non-text values are left out")
        << QByteArray(R"({"format": "Pantrova data", "version": 1, "values": {"a": "b", "L0": 3, "c": null}})") << 1;
}

void ConfigFileTest::damagedFilesAreRecognised() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, valuesKept);
    const QString file = path(QStringLiteral("damaged.dat"));
    writeFile(file, bytes);
    ConfigFile store;
    store.WriteValue(QStringLiteral("stale"), QStringLiteral("from before"));
    const ConfigFile::LoadResult result = store.LoadFrom(file);
    QCOMPARE(result.status, ConfigFile::LoadResult::Status::Damaged);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(store.size(), valuesKept);
}

void ConfigFileTest::unreadableFileIsNotDamaged() {
    ConfigFile store;
    const ConfigFile::LoadResult result = store.LoadFrom(path(QStringLiteral("missing.dat")));
    QCOMPARE(result.status, ConfigFile::LoadResult::Status::Unreadable);
    QVERIFY(!result.reason.isEmpty());
}

void ConfigFileTest::textIsEscapedAsQtWritesIt_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("plain") << QStringLiteral("Milk 2l / 50%") << QByteArray(R"("Milk 2l / 50%")");
    QTest::newRow("empty") << QString() << QByteArray(R"("")");
    QTest::newRow("quotes") << QStringLiteral("say \"hi\"") << QByteArray(R"("say \"hi\"")");
    QTest::newRow("backslashes") << QStringLiteral("C:\\dir\\") << QByteArray(R"("C:\\dir\\")");
    QTest::newRow("short escapes") << QStringLiteral("\b\f\n\r\t") << QByteArray(R"("\b\f\n\r\t")");
    QTest::newRow("other controls") << utf16({0x00, 0x01, 0x1b, 0x1f}) << QByteArray(R"("\u0000\u0001\u001b\u001f")");
    QTest::newRow("delete is not escaped") << utf16({'a', 0x7f}) << QByteArray("\"a\x7f\"");
    QTest::newRow("two-byte UTF-8") << QStringLiteral("£ é") << QByteArray("\"\xc2\xa3 \xc3\xa9\"");
    QTest::newRow("three-byte UTF-8") << QStringLiteral("€") << QByteArray("\"\xe2\x82\xac\"");
    QTest::newRow("noncharacter") << utf16({0xfffe}) << QByteArray("\"\xef\xbf\xbe\"");
    QTest::newRow("surrogate pair") << utf16({0xd83d, 0xde00}) << QByteArray("\"\xf0\x9f\x98\x80\"");
    QTest::newRow("lone high surrogate at the end") << utf16({'a', 0xd83d}) << QByteArray(R"("a\ud83d")");
    QTest::newRow("lone high surrogate before text") << utf16({0xd83d, 'a'}) << QByteArray(R"("\ud83da")");
    QTest::newRow("lone low surrogate") << utf16({0xde00}) << QByteArray(R"("\ude00")");
    QTest::newRow("pair in the wrong order") << utf16({0xde00, 0xd83d}) << QByteArray(R"("\ude00\ud83d")");
    QTest::newRow("two high surrogates, then a pair")
        << utf16({0xd800, 0xd83d, 0xde00}) << QByteArray("\"\\ud800\xf0\x9f\x98\x80\"");
}

void ConfigFileTest::textIsEscapedAsQtWritesIt() {
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    ConfigFile store;
    store.WriteValue(text, text);
    store.WriteValue(QStringLiteral("next"), QStringLiteral("value"));
    const QByteArray bytes = store.toBytes();
    QCOMPARE(bytes, writtenByQt(store.values()));
    QVERIFY2(bytes.contains("        " + written + ": " + written), bytes.constData());

    ConfigFile loaded;
    const ConfigFile::LoadResult result = loaded.LoadFromBytes(bytes);
    const std::optional<Values> expected = readByQt(bytes);
    QVERIFY(expected.has_value());
    QVERIFY(result.ok());
    QCOMPARE(loaded.values(), *expected);
}

void ConfigFileTest::randomStoresAreWrittenAndReadAsQtDoes() {
    // Any UTF-16 units at all, weighted towards those the writer treats specially.
    QRandomGenerator random(20240611);
    const std::array<char16_t, 12> special{0x00, 0x09,   0x1f,   '"',    '\\',   0x7f,
                                           0xe9, 0x20ac, 0xd83d, 0xde00, 0xfffe, 0xffff};
    const auto text = [&] {
        QString result;
        for (int i = random.bounded(12); i > 0; --i)
            result += QChar(random.bounded(3) == 0 ? special[random.bounded(int(special.size()))]
                                                   : char16_t(random.bounded(0x10000)));
        return result;
    };
    for (int round = 0; round < 20; ++round) {
        ConfigFile store;
        for (int i = random.bounded(200); i > 0; --i)
            store.WriteValue(text(), text());
        const QByteArray bytes = store.toBytes();
        QCOMPARE(bytes, writtenByQt(store.values()));

        ConfigFile loaded;
        const std::optional<Values> expected = readByQt(bytes);
        QVERIFY(expected.has_value());
        QVERIFY(loaded.LoadFromBytes(bytes).ok());
        QCOMPARE(loaded.values(), *expected);
    }
}

void ConfigFileTest::readingAgreesWithQJsonDocument_data() {
    QTest::addColumn<QByteArray>("values"); // the inside of the "values" object

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("short escapes and slash") << QByteArray(R"("a": "\"\\\/\b\f\n\r\t")");
    QTest::newRow("unicode escapes") << QByteArray(R"("\u00e9": "\u20AC\u0000\u001F")");
    QTest::newRow("escaped quote and backslash, raw UTF-8") << QByteArray(R"("k\"é\\": "12\" é \\")");
    QTest::newRow("escaped surrogate pair") << QByteArray(R"("a": "\ud83d\ude00")");
    QTest::newRow("escaped lone surrogate") << QByteArray(R"("a": "x\udc00y")");
    QTest::newRow("raw UTF-8") << QByteArray("\"\xc3\xa9\": \"\xe2\x82\xac\xf0\x9f\x98\x80\xef\xbf\xbf\"");
    QTest::newRow("keys out of order") << QByteArray(R"("b": "2", "a": "1", "c": "3")");
    QTest::newRow("duplicate keys") << QByteArray(R"("a": "1", "b": "2", "a": "3")");
    QTest::newRow("duplicate last key") << QByteArray(R"("a": "1", "a": "2")");
    QTest::newRow("no whitespace") << QByteArray(R"("a":"1","b":"2")");
    QTest::newRow("odd whitespace") << QByteArray("\r\n\t \"a\"\t:\r\"1\" ,\n\"b\":\"2\"\t");
    QTest::newRow("number value") << QByteArray(R"("a": 1)");
    QTest::newRow("raw control character") << QByteArray("\"a\": \"x\ty\"");
    QTest::newRow("unknown escape") << QByteArray(R"("a": "\x41")");
    QTest::newRow("short unicode escape") << QByteArray(R"("a": "\u12")");
    QTest::newRow("overlong UTF-8") << QByteArray("\"a\": \"\xc0\x80\"");
    QTest::newRow("UTF-8 surrogate") << QByteArray("\"a\": \"\xed\xa0\x80\"");
    QTest::newRow("UTF-8 beyond U+10FFFF") << QByteArray("\"a\": \"\xf4\x90\x80\x80\"");
    QTest::newRow("truncated UTF-8") << QByteArray("\"a\": \"\xe2\x82\"");
    QTest::newRow("stray continuation byte") << QByteArray("\"a\": \"\x80\"");
    QTest::newRow("trailing comma") << QByteArray(R"("a": "1",)");
    QTest::newRow("missing colon") << QByteArray(R"("a" "1")");
    QTest::newRow("unterminated") << QByteArray(R"("a": "1)");
}

void ConfigFileTest::readingAgreesWithQJsonDocument() {
    QFETCH(QByteArray, values);
    // The same values in the layout the store writes and in other layouts a hand-edited file may have.
    const QList<QByteArray> documents{
        "{\n    \"format\": \"Pantrova data\",\n    \"values\": {" + values + "},\n    \"version\": 1\n}\n",
        R"({"version": 1, "format": "Pantrova data", "values": {)" + values + "}}",
        R"({"format": "Pantrova data", "values": {)" + values + R"(}, "version": 1.0})",
        R"({"format": "Pantrova data", "values": {)" + values + R"(}, "version": 1} )",
        R"({"format": "Pantrova data", "values": {)" + values + R"(}, "version": 1} x)",
        R"({"format": "Pantrova data", "values": {)" + values + R"(}, "version": 12})",
        R"({"format": "Pantrova data", "values": {)" + values + R"(}, "version": 1, "more": 2})",
    };
    for (const QByteArray& bytes : documents) {
        ConfigFile store;
        store.WriteValue(QStringLiteral("stale"), QStringLiteral("from before"));
        const ConfigFile::LoadResult result = store.LoadFromBytes(bytes);
        const std::optional<Values> expected = readByQt(bytes);
        QVERIFY2(result.ok() == expected.has_value(), bytes.constData());
        if (expected) {
            QCOMPARE(store.values(), *expected);
            // Loaded pairs with escapes are saved through the writer, not as the bytes they were read from.
            QCOMPARE(store.toBytes(), writtenByQt(*expected));
        } else
            QVERIFY2(!result.reason.isEmpty(), bytes.constData());
    }
}

void ConfigFileTest::loadedAndWrittenPairsActAlike() {
    // A random walk of writes, deletes, array takes and reloads against a map: the store keeps the pairs of the
    // last load where they stand in its bytes and the rest apart, and must never show the difference. Keys mix
    // ASCII with text whose UTF-8 order is not UTF-16's (U+FF01 sorts after U+1F600 in UTF-8, before it in UTF-16).
    QRandomGenerator random(20261207);
    const QStringList parts{QStringLiteral("L0i"),    QStringLiteral("1"),    QStringLiteral("2"),
                            QStringLiteral("0"),      QStringLiteral("\\"),   QStringLiteral("é"),
                            QStringLiteral("\uFF01"), utf16({0xd83d, 0xde00})};
    const auto pick = [&] {
        QString key;
        for (int i = random.bounded(1, 5); i > 0; --i)
            key += parts[random.bounded(int(parts.size()))];
        return key;
    };
    ConfigFile store;
    Values model;
    const QString file = path(QStringLiteral("walk.dat"));
    for (int step = 0; step < 3000; ++step) {
        const QString key = pick();
        switch (random.bounded(10)) {
        case 0: { // reload, from the writer's form or a compact one with the keys in a random order
            QByteArray bytes = store.toBytes();
            if (random.bounded(2)) {
                std::vector<std::pair<QString, QString>> pairs(model.begin(), model.end());
                std::shuffle(pairs.begin(), pairs.end(), random);
                const auto json = [](const QString& text) {
                    return QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact).sliced(1).chopped(1);
                };
                bytes = R"({"version": 1, "values": {)";
                for (const auto& [k, v] : pairs)
                    bytes += (bytes.endsWith('{') ? "" : ",") + json(k) + ":" + json(v);
                bytes += R"(}, "format": "Pantrova data"})";
            }
            QVERIFY(store.LoadFromBytes(bytes).ok());
            break;
        }
        case 1: {
            const int count = random.bounded(4);
            std::vector<std::optional<QString>> expected(static_cast<size_t>(count));
            for (int i = 1; i <= count; ++i)
                if (const auto found = model.find(key + QString::number(i)); found != model.end()) {
                    expected[static_cast<size_t>(i - 1)] = found->second;
                    model.erase(found);
                }
            QCOMPARE(store.takeArray(key, count), expected);
            break;
        }
        case 2:
        case 3:
            store.DeleteValue(key);
            model.erase(key);
            break;
        default:
            store.WriteValue(key, key + QString::number(step));
            model[key] = key + QString::number(step);
        }
        QCOMPARE(store.ReadValue(key), model.count(key) ? model[key] : ConfigFile::NotFound);
        if (step % 100 != 0)
            continue;
        QCOMPARE(store.values(), model);
        QCOMPARE(store.size(), int(model.size()));
        QCOMPARE(store.toBytes(), writtenByQt(model));
        Values range;
        store.forEach(key, [&range](const QString& k, const QString& v) { range.emplace(k, v); });
        QCOMPARE(range, Values(model.lower_bound(key),
                               std::find_if(model.lower_bound(key), model.end(),
                                            [&](const auto& pair) { return !pair.first.startsWith(key); })));
    }

    // Saving goes to the file and to its backup in pieces: a store of several pieces is written whole.
    for (int i = 0; i < 40000; ++i)
        store.WriteValue(QStringLiteral("K%1_1").arg(i), QString(40, QChar(u'a' + i % 26)));
    QVERIFY(store.SaveTo(file).ok);
    const QByteArray first = store.toBytes();
    QVERIFY(first.size() > 2 << 20);
    store.WriteValue(QStringLiteral("K1_1"), QStringLiteral("changed"));
    // The digests taken piece by piece, of the file replaced and of the file written, are those of the whole.
    ConfigFile::SaveOptions options;
    options.expectedDigest = SafeFile::digest(first + "x");
    QVERIFY(store.SaveTo(file, options).changedOnDisk);
    options.expectedDigest = SafeFile::digest(first);
    const ConfigFile::SaveResult result = store.SaveTo(file, options);
    QVERIFY(result.ok);
    QCOMPARE(result.digest, SafeFile::digest(store.toBytes()));
    QFile saved(file);
    QFile backup(file + QStringLiteral(".bak"));
    QVERIFY(saved.open(QIODevice::ReadOnly) && backup.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), store.toBytes());
    QCOMPARE(backup.readAll(), first);
}

QTEST_GUILESS_MAIN(ConfigFileTest)
#include "config_file_test.moc"
