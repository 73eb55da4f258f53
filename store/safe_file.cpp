// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "safe_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <array>

namespace SafeFile {

bool nameTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString notRegularReason(const QString& path) {
    const QFileInfo info(path);
    if (info.isFile() || !nameTaken(path))
        return {};
    if (info.isDir())
        return QCoreApplication::translate("Store", "it is a folder, not a file");
    if (info.isSymLink() && !info.exists())
        return QCoreApplication::translate("Store", "it is a link to '%1', which does not exist")
            .arg(info.symLinkTarget());
    return QCoreApplication::translate("Store", "it is not a regular file (a device, pipe or socket)");
}

namespace {

QString tooLarge(qint64 limit) {
    return QCoreApplication::translate("Store", "it is larger than %1 MB").arg(limit >> 20);
}

// Opens path for reading when it is a regular file of at most limit bytes; returns the reason it is not.
QString openRegular(QFile& file, qint64 limit) {
    if (const QString reason = notRegularReason(file.fileName()); !reason.isEmpty())
        return reason;
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    // A regular file ends where its size says; checking the size first keeps a huge file from being read at all.
    if (file.size() > limit)
        return tooLarge(limit);
    return {};
}

} // namespace

Read readRegular(const QString& path, qint64 limit) {
    QFile file(path);
    if (const QString error = openRegular(file, limit); !error.isEmpty())
        return {{}, error};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > limit) // it grew while being read
        return {{}, tooLarge(limit)};
    return {std::move(bytes), {}};
}

QString readInPieces(const QString& path, const std::function<bool(QByteArrayView)>& handOn, qint64 limit,
                     qint64 pieceSize) {
    QFile file(path);
    if (const QString error = openRegular(file, limit); !error.isEmpty())
        return error;
    QByteArray piece(pieceSize, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const qint64 got = file.read(piece.data(), piece.size());
        if (got < 0)
            return file.errorString();
        if (got == 0)
            return {};
        total += got;
        if (total > limit) // it grew while being read
            return tooLarge(limit);
        if (!handOn(QByteArrayView(piece.constData(), got)))
            return {};
    }
}

std::optional<QFileDevice::Permissions> permissionsOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return info.permissions();
}

QString writeAtomically(const QString& path, const QByteArray& bytes,
                        std::optional<QFileDevice::Permissions> permissions) {
    AtomicWrite file(path, permissions);
    file.write(bytes);
    return file.commit();
}

AtomicWrite::AtomicWrite(const QString& path, std::optional<QFileDevice::Permissions> permissions)
    : m_file(path) {
    m_error = notRegularReason(path);
    // Unbuffered: a write the disk refuses fails here with its reason. Through Qt's buffer the refusal comes
    // only while committing, which then still replaced the file with what little had reached the disk.
    if (m_error.isEmpty() && !m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        m_error = m_file.errorString();
    else if (m_error.isEmpty() && permissions && !m_file.setPermissions(*permissions))
        m_error = m_file.errorString();
}

bool AtomicWrite::write(QByteArrayView bytes) {
    // A nearly full disk takes part of a write without an error; the next write then says why it stopped.
    qint64 written = 0;
    while (m_error.isEmpty() && written < bytes.size()) {
        const qint64 now = m_file.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0)
            m_error = m_file.error() != QFileDevice::NoError
                          ? m_file.errorString()
                          : QCoreApplication::translate("Store", "the disk took only %1 of %2 bytes")
                                .arg(m_written + written)
                                .arg(m_written + bytes.size());
        else
            written += now;
    }
    m_written += written;
    return m_error.isEmpty();
}

QString AtomicWrite::commit() {
    if (!m_error.isEmpty()) {
        if (m_file.isOpen())
            m_file.cancelWriting();
        return m_error;
    }
    if (!m_file.commit()) {
        m_failedToReplace = true;
        return m_file.errorString();
    }
    return {};
}

QString freshName(const QString& base, const QDateTime& now) {
    if (!nameTaken(base))
        return base;
    const QString dated = base + now.toString(QStringLiteral("-yyyyMMdd-HHmmss"));
    QString name = dated;
    for (int number = 2; nameTaken(name); ++number)
        name = dated + QStringLiteral("-%1").arg(number);
    return name;
}

QByteArray digest(QByteArrayView bytes) {
    Digest digest;
    digest.add(bytes);
    return digest.result();
}

void Digest::add(QByteArrayView bytes) {
    m_size += static_cast<quint64>(bytes.size());
    while (!bytes.isEmpty()) {
        if (m_pending.isEmpty() && bytes.size() > Block) {
            m_hash = qHash(bytes.first(Block), m_hash);
            bytes = bytes.sliced(Block);
            continue;
        }
        const qsizetype taken = std::min(Block - m_pending.size(), bytes.size());
        m_pending.append(bytes.first(taken));
        bytes = bytes.sliced(taken);
        if (m_pending.size() == Block && !bytes.isEmpty()) {
            m_hash = qHash(QByteArrayView(m_pending), m_hash);
            m_pending.clear();
        }
    }
}

QByteArray Digest::result() const {
    // The size and a 64-bit hash: a change by another program or another computer is never missed by chance,
    // and hashing a large file costs a millisecond, where a cryptographic hash would slow every start-up.
    // A block is hashed only once more content follows it, so the last one, full or not, is always pending.
    const std::array<quint64, 2> parts{m_size, qHash(QByteArrayView(m_pending), m_hash)};
    return QByteArray(reinterpret_cast<const char*>(parts.data()), sizeof(parts));
}

} // namespace SafeFile
