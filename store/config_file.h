// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// ConfigFile is the flat key/value store behind the data file: every value Pantrova keeps between runs lives
// here in memory and is read from or written to one file on request. Keys are exact and case-sensitive.
//
// How it keeps its pairs: the bytes of the file it last loaded, untouched, with where each pair's key and value
// begin in them, in key order; the pairs written since, in a map; and a mark on every loaded pair deleted or
// written over since. A key is in at most one of the two. A loaded key or value becomes a QString only when it is
// read, and a loaded pair is saved by copying its bytes, so a large file costs about its own size in memory.
// Why that is safe: loading still reads every byte of the file (each string to its end, its escapes and its
// UTF-8, and that no key comes twice) before it keeps anything, and hands a file it cannot take whole to the
// careful reader, so a damaged file is found at load exactly as before; the bytes are the store's own copy,
// which nothing else can change; and saving writes a loaded pair's bytes as they are only where they are already
// in the form the writer gives (no escapes), and writes everything else through the writer.

#include "money.h"
#include "safe_file.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class ConfigFile {
public:
    // What a reader gets for an absent key when it gives no default.
    static inline const QString NotFound = QStringLiteral("[NOT FOUND]");
    // The text a Boolean is stored as.
    static inline const QString TrueText = QStringLiteral("True");
    static inline const QString FalseText = QStringLiteral("False");

    struct LoadResult {
        enum class Status { Loaded, Damaged, Unreadable };
        Status status = Status::Loaded;
        QString reason; // empty when loaded; otherwise what was wrong, for the user
        bool ok() const { return status == Status::Loaded; }
    };

    struct SaveOptions {
        // False leaves an existing backup as it is: the file on disk did not load whole and is not worth keeping
        // in place of an earlier good copy.
        bool refreshBackup = true;
        // When given, the save happens only while the file on disk still has this digest (SafeFile::digest); an
        // empty digest stands for no file at all.
        std::optional<QByteArray> expectedDigest;
        // A save whose file would be larger than this is refused before anything is written: Pantrova's reader
        // takes no larger file, and a file it cannot read back is no save.
        qint64 sizeLimit = SafeFile::DataFileLimit;
    };

    struct SaveResult {
        bool ok = true;
        QString error;              // why the file could not be written
        bool changedOnDisk = false; // the file on disk is not the expected one; nothing was written
        QByteArray digest;          // of the file as saved, when an expected digest was given
    };

    // Replaces the store's contents with the pairs of the file. A damaged file loads whatever of it is sound; a
    // file that is not a regular file, or is far larger than any data file, is unreadable. The store keeps a
    // share of data (a copy, when data only points at bytes it does not own).
    LoadResult LoadFrom(const QString& path);
    LoadResult LoadFromBytes(const QByteArray& data);

    QString ReadValue(const QString& key) const;
    QString ReadValue(const QString& key, const QString& defaultValue) const;
    // The value under key, if there is one.
    std::optional<QString> value(const QString& key) const;
    void WriteValue(const QString& key, const QString& value);
    void DeleteValue(const QString& key);

    // The whole number under countKey grows by one (an absent or non-numeric value counts as 0).
    void IncrementValue(const QString& countKey);
    // Writes value under prefix followed by the number currently in countKey.
    void WriteArrayItem(const QString& countKey, const QString& prefix, const QString& value);
    void WriteArrayItem(const QString& countKey, const QString& prefix, bool value);
    void WriteArrayItem(const QString& countKey, const QString& prefix, const char* value) = delete;
    // Removes prefix1 .. prefixN, N being the number in countKey; countKey itself stays.
    void DeleteArray(const QString& countKey, const QString& prefix);
    // Removes prefix1 .. prefix<count> and gives their values by position, nothing where a key is absent: one
    // pass over the keys that start with prefix, where reading and deleting key by key searches once per key.
    std::vector<std::optional<QString>> takeArray(const QString& prefix, int count);

    // Writes the whole store atomically: the old file stays whole unless the new one is complete, and the
    // previous file is kept beside it as path + ".bak", with the file's permissions. Both are written in pieces,
    // never held whole. Each step that fails (the size check, reading the old file, its backup, writing the new
    // file, putting it in place) says so with the system's reason. Shows no UI; the caller decides how to report.
    SaveResult SaveTo(const QString& path) const;
    SaveResult SaveTo(const QString& path, const SaveOptions& options) const;
    // The bytes SaveTo writes: the same store always gives the same bytes. With an overlay, its pairs stand in
    // for the store's own, as if they had been written into the store first.
    QByteArray toBytes(const ConfigFile* overlay = nullptr) const;

    // The separators the file's numbers were written with, from its header: nothing for a file that does not
    // say (one written before files recorded them). Saving records what is set here.
    const std::optional<Money::Conventions>& numbers() const { return m_numbers; }
    void setNumbers(const std::optional<Money::Conventions>& numbers) { m_numbers = numbers; }

    int size() const { return static_cast<int>(m_written.size() + m_loaded.size() - m_goneCount); }
    bool contains(const QString& key) const;
    // Calls visit(key, value) for each pair whose key starts with prefix (every pair, for an empty prefix), in key
    // order: one pass, where reading key by key searches once per key.
    void forEach(const QString& prefix, const std::function<void(const QString&, const QString&)>& visit) const;
    // Every pair, copied: for comparing whole stores.
    std::map<QString, QString> values() const;

private:
    class Reader;
    class Pairs;
    class Output;

    // Where a loaded pair's key and value begin in m_bytes, just after their opening quotes. The top bit says the
    // text holds escapes (and must be decoded, and written through the writer); without it, the text is plain
    // UTF-8 up to the next quote, already in the writer's form.
    struct Loaded {
        static constexpr quint32 Escaped = 0x80000000;
        quint32 key;
        quint32 value;
    };

    void clear();
    // The size of the file SaveTo would write, counted without keeping it, stopping once it passes `limit`.
    qint64 savedSize(qint64 limit) const;
    // A size SaveTo's file never exceeds, worked out without writing it.
    qint64 savedSizeAtMost() const;
    // Writes the data file's JSON of the store, the overlay's pairs standing in for its own, into out.
    void writeJson(const ConfigFile* overlay, Output& out) const;
    int countIn(const QString& countKey) const;
    // The loaded pair with this key, deleted or not, if there is one.
    std::optional<size_t> findLoaded(QStringView key) const;
    size_t lowerBoundLoaded(QStringView key) const;
    // Marks a loaded pair as deleted or written over.
    void forget(size_t loaded);
    // Removes prefix1 .. prefix<count> in one pass over the keys that start with prefix, handing each position and
    // value to take.
    template <typename Take> void eraseElements(const QString& prefix, int count, Take take);

    QByteArray m_bytes;
    std::vector<Loaded> m_loaded; // in key order, each key once
    std::vector<bool> m_gone;     // for each loaded pair: deleted or written over since
    size_t m_goneCount = 0;
    std::map<QString, QString> m_written; // never a key of a loaded pair that is not gone
    std::optional<Money::Conventions> m_numbers;
};
