#include "ini_file.h"

#include <QFile>
#include <QSaveFile>

#include <optional>

namespace varnetocx {

namespace {

// The section a header line opens, or nothing for any other line. The file's bytes are in the system code page.
std::optional<QString> sectionName(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    if (!trimmed.startsWith('[')) {
        return std::nullopt;
    }
    const qsizetype end = trimmed.indexOf(']');
    return QString::fromLocal8Bit(trimmed.mid(1, end < 0 ? -1 : end - 1)).trimmed();
}

std::optional<QString> keyName(const QByteArray& line) {
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#')) {
        return std::nullopt;
    }
    const qsizetype equals = trimmed.indexOf('=');
    return QString::fromLocal8Bit(trimmed.left(equals < 0 ? trimmed.size() : equals)).trimmed();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QByteArray withoutIniKey(const QByteArray& content, const QString& section, const QString& key) {
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    if (wantedKey.isEmpty()) {
        return content;
    }
    bool inSection = false;
    qsizetype lineStart = 0;
    while (lineStart < content.size()) {
        const qsizetype newline = content.indexOf('\n', lineStart);
        // The line's bytes include its terminator, so removing them keeps every other line ending as it was.
        const qsizetype lineEnd = newline < 0 ? content.size() : newline + 1;
        const QByteArray line = content.mid(lineStart, lineEnd - lineStart);
        if (const auto name = sectionName(line)) {
            if (inSection) {
                return content; // the first section of that name ended without the key
            }
            inSection = sameName(*name, wantedSection);
        } else if (inSection) {
            if (const auto name = keyName(line); name && sameName(*name, wantedKey)) {
                QByteArray result = content;
                return result.remove(lineStart, lineEnd - lineStart);
            }
        }
        lineStart = lineEnd;
    }
    return content;
}

void removeIniKey(const QString& section, const QString& key, const QString& fileName) {
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return; // never write back what may be only part of the file
    }
    file.close();
    const QByteArray changed = withoutIniKey(content, section, key);
    if (changed.size() == content.size()) {
        return;
    }
    QSaveFile save(fileName);
    if (save.open(QIODevice::WriteOnly) && save.write(changed) == changed.size()) {
        save.commit();
    }
}

} // namespace varnetocx
