// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// How Pantrova touches its files on disk: only regular files are read or written (never a folder, a FIFO or a
// device, which could block or never end), reads stop at a size limit, writes are atomic and keep the
// permissions they are given, and copies kept for the user get names that no file has yet. Every failure comes
// back as the system's reason, for the caller to show; nothing here shows UI.

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QFileDevice>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <optional>

namespace SafeFile {

// Far more than any data file Pantrova writes (10,000 items at 20 shops take 7 MB), far less than memory.
inline constexpr qint64 DataFileLimit = qint64(256) << 20;

struct Read {
    QByteArray bytes;
    QString error; // empty when the whole file was read
    bool ok() const { return error.isEmpty(); }
};

// True when something, even a dangling link, has this name.
bool nameTaken(const QString& path);
// Reads the whole file when it is a regular file (links followed) of at most `limit` bytes.
Read readRegular(const QString& path, qint64 limit = DataFileLimit);
// Reads the same file as readRegular does, handing it on in pieces of at most `pieceSize` bytes instead of
// holding all of it; handOn returns false to stop. Returns the reason of a failure, with readRegular's words.
QString readInPieces(const QString& path, const std::function<bool(QByteArrayView)>& handOn,
                     qint64 limit = DataFileLimit, qint64 pieceSize = qint64(1) << 20);
// Why path may not be written over (it exists and is not a regular file), or an empty text.
QString notRegularReason(const QString& path);
// The permissions of the regular file at path, if there is one.
std::optional<QFileDevice::Permissions> permissionsOf(const QString& path);

// Replaces path with bytes: the old file stays whole unless the new one is complete. The new file gets
// `permissions` when given (and otherwise those of the file it replaces). Returns the reason of a failure.
QString writeAtomically(const QString& path, const QByteArray& bytes,
                        std::optional<QFileDevice::Permissions> permissions = std::nullopt);
// The same replacement written in pieces, for content that is never all in memory at once: nothing replaces
// the file unless every piece was written and commit() succeeds; a writer dropped before that leaves it as it was.
class AtomicWrite {
public:
    AtomicWrite(const QString& path, std::optional<QFileDevice::Permissions> permissions = std::nullopt);
    // False once any write has failed; later writes are then ignored.
    bool write(QByteArrayView bytes);
    // Replaces the file; returns the reason of the first failure, or an empty text.
    QString commit();
    // Whether a failed commit() failed only when the new file, whole, was to take the old one's place.
    bool failedToReplace() const { return m_failedToReplace; }

private:
    QSaveFile m_file;
    QString m_error;
    qint64 m_written = 0;
    bool m_failedToReplace = false;
};

// A name for a new copy: `base` when nothing has it, else base with the date and time, else with a number too.
QString freshName(const QString& base, const QDateTime& now = QDateTime::currentDateTime());

// Identifies content within one run, to tell whether a file on disk is still the one read or written.
QByteArray digest(QByteArrayView bytes);

// The same digest taken of content that comes in pieces of any size.
class Digest {
public:
    void add(QByteArrayView bytes);
    QByteArray result() const;

private:
    // Hashed a block at a time, each block's hash seeding the next, so that how the content was cut up into
    // pieces does not matter.
    static constexpr qsizetype Block = 64 * 1024;
    QByteArray m_pending; // the last block so far
    quint64 m_size = 0;
    size_t m_hash = 0;
};

} // namespace SafeFile
