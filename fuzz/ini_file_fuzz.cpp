// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Fuzzes RemoveINIKey's removal of a key from an INI file. The input's first line names the section, its second
// the key, the rest is the file. The result is the file unchanged or without exactly one of its lines: every
// other line stays byte for byte.
#include "ini_file.h"

#include <QByteArrayList>

#include <cstdlib>

namespace {

// The file's lines, each with its line feed.
QByteArrayList lines(const QByteArray& content) {
    QByteArrayList result;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype end = content.indexOf('\n', start);
        const qsizetype next = end < 0 ? content.size() : end + 1;
        result << content.mid(start, next - start);
        start = next;
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArrayList parts = input.split('\n');
    if (parts.size() < 3)
        return 0;
    const QString section = QString::fromUtf8(parts[0]);
    const QString key = QString::fromUtf8(parts[1]);
    const QByteArray content = input.mid(parts[0].size() + parts[1].size() + 2);

    const QByteArray result = varnetocx::withoutIniKey(content, section, key);
    if (result == content)
        return 0;
    const QByteArrayList before = lines(content);
    for (qsizetype removed = 0; removed < before.size(); ++removed) {
        QByteArrayList kept = before;
        kept.removeAt(removed);
        if (kept.join() == result)
            return 0;
    }
    std::abort();
}
