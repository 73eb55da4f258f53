// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Removal of one key from an INI file, the Linux counterpart of deleting a key with the Windows profile-string
// call: the key's line goes, every other byte of the file stays as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace varnetocx {

// content without the line of the first key named key in the first section named section; content unchanged
// when there is no such section or key. Names are compared without regard to case and to surrounding blanks;
// comment lines (";" or "#") and blank lines are never keys.
QByteArray withoutIniKey(const QByteArray& content, const QString& section, const QString& key);

// The largest INI file removeIniKey reads; it leaves a larger one alone.
inline constexpr qint64 MaxIniFileSize = 64 * 1024 * 1024;

// Rewrites the file (atomically) without the key's line. A missing file, section or key changes nothing, and
// no failure is reported. A file name without a folder is taken relative to the current folder. Anything but a
// regular file (or a link to one) of at most MaxIniFileSize bytes is left alone: a folder, FIFO or device.
void removeIniKey(const QString& section, const QString& key, const QString& fileName);

} // namespace varnetocx
