// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "ini_file.h"

#include <QFile>
#include <QFileInfo>
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
    // Only a regular file, or a link to one, is an INI file: opening a FIFO would wait for a writer, and a device
    // such as /dev/zero never ends.
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile()) {
        return;
    }
    QFile file(fileName);
    if (file.size() > MaxIniFileSize || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    // One byte more than allowed tells a file that grew past the limit since its size was read.
    const QByteArray content = file.read(MaxIniFileSize + 1);
    if (file.error() != QFileDevice::NoError || content.size() > MaxIniFileSize) {
        return; // never write back what may be only part of the file
    }
    file.close();
    const QByteArray changed = withoutIniKey(content, section, key);
    if (changed.size() == content.size()) {
        return;
    }
    QSaveFile save(fileName);
    // Unbuffered, so that a full disk refuses the write here: through Qt's buffer the refusal comes only while
    // committing, and the commit then still replaces the file with what little reached the disk.
    if (save.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && save.write(changed) == changed.size()) {
        save.commit();
    } else {
        save.cancelWriting();
    }
}

} // namespace varnetocx
