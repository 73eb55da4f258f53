#include "config_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString FormatName = QStringLiteral("Pantrova data");
constexpr int FormatVersion = 1;

ConfigFile::SaveResult writeAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

} // namespace

ConfigFile::LoadResult ConfigFile::LoadFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_values.clear();
        return {LoadResult::Status::Unreadable, file.errorString()};
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_values.clear();
        return {LoadResult::Status::Unreadable, file.errorString()};
    }
    return LoadFromBytes(data);
}

ConfigFile::LoadResult ConfigFile::LoadFromBytes(const QByteArray& data) {
    using Status = LoadResult::Status;
    m_values.clear();

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {Status::Damaged, QStringLiteral("it is not valid JSON (%1 at byte %2)")
                                     .arg(parseError.errorString())
                                     .arg(parseError.offset)};
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")).toString() != FormatName)
        return {Status::Damaged, QStringLiteral("it is not a Pantrova data file")};
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != FormatVersion)
        return {Status::Damaged, QStringLiteral("its format version is not %1").arg(FormatVersion)};
    const QJsonValue values = root.value(QLatin1String("values"));
    if (!values.isObject())
        return {Status::Damaged, QStringLiteral("it holds no values")};

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
        return {Status::Damaged, QStringLiteral("%1 of its values are not text and were left out").arg(nonText)};
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

void ConfigFile::DeleteArray(const QString& countKey, const QString& prefix) {
    const int count = countIn(countKey);
    // A count larger than the store cannot name keys that exist; stop at what is there.
    const int limit = std::min(count, size());
    for (int i = 1; i <= limit; ++i)
        DeleteValue(prefix + QString::number(i));
}

QByteArray ConfigFile::toBytes() const {
    // std::map iterates in key order, so every insert appends and the same store gives the same bytes.
    QJsonObject values;
    for (const auto& [key, value] : m_values)
        values.insert(key, value);
    QJsonObject root;
    root.insert(QLatin1String("format"), FormatName);
    root.insert(QLatin1String("version"), FormatVersion);
    root.insert(QLatin1String("values"), values);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ConfigFile::SaveResult ConfigFile::SaveTo(const QString& path) const {
    if (QFileInfo::exists(path)) {
        QFile previous(path);
        if (!previous.open(QIODevice::ReadOnly))
            return {false, previous.errorString()};
        const QByteArray old = previous.readAll();
        if (previous.error() != QFileDevice::NoError)
            return {false, previous.errorString()};
        if (const SaveResult backup = writeAtomically(path + QStringLiteral(".bak"), old); !backup.ok)
            return {false, QStringLiteral("the backup copy could not be written (%1)").arg(backup.error)};
    }
    return writeAtomically(path, toBytes());
}
