#pragma once

// How Pantrova touches its files on disk: only regular files are read or written (never a folder, a FIFO or a
// device, which could block or never end), reads stop at a size limit, writes are atomic and keep the
// permissions they are given, and copies kept for the user get names that no file has yet. Every failure comes
// back as the system's reason, for the caller to show; nothing here shows UI.

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>

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
// Why path may not be written over (it exists and is not a regular file), or an empty text.
QString notRegularReason(const QString& path);
// The permissions of the regular file at path, if there is one.
std::optional<QFileDevice::Permissions> permissionsOf(const QString& path);

// Replaces path with bytes: the old file stays whole unless the new one is complete. The new file gets
// `permissions` when given (and otherwise those of the file it replaces). Returns the reason of a failure.
QString writeAtomically(const QString& path, const QByteArray& bytes,
                        std::optional<QFileDevice::Permissions> permissions = std::nullopt);
// A name for a new copy: `base` when nothing has it, else base with the date and time, else with a number too.
QString freshName(const QString& base, const QDateTime& now = QDateTime::currentDateTime());

// Identifies content within one run, to tell whether a file on disk is still the one read or written.
QByteArray digest(const QByteArray& bytes);

} // namespace SafeFile
