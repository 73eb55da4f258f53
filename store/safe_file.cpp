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

Read readRegular(const QString& path, qint64 limit) {
    if (const QString reason = notRegularReason(path); !reason.isEmpty())
        return {{}, reason};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    // A regular file ends where its size says; checking the size first keeps a huge file from being read at all.
    if (file.size() > limit)
        return {{}, QCoreApplication::translate("Store", "it is larger than %1 MB").arg(limit >> 20)};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    if (bytes.size() > limit) // it grew while being read
        return {{}, QCoreApplication::translate("Store", "it is larger than %1 MB").arg(limit >> 20)};
    return {std::move(bytes), {}};
}

std::optional<QFileDevice::Permissions> permissionsOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return info.permissions();
}

QString writeAtomically(const QString& path, const QByteArray& bytes,
                        std::optional<QFileDevice::Permissions> permissions) {
    if (const QString reason = notRegularReason(path); !reason.isEmpty())
        return reason;
    QSaveFile file(path);
    // Unbuffered: a write the disk refuses fails here with its reason. Through Qt's buffer the refusal comes
    // only while committing, which then still replaced the file with what little had reached the disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (permissions && !file.setPermissions(*permissions)) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    // A nearly full disk takes part of a write without an error; the next write then says why it stopped.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 now = file.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0) {
            const QString error = file.error() != QFileDevice::NoError
                                      ? file.errorString()
                                      : QCoreApplication::translate("Store", "the disk took only %1 of %2 bytes")
                                            .arg(written)
                                            .arg(bytes.size());
            file.cancelWriting();
            return error;
        }
        written += now;
    }
    if (!file.commit())
        return file.errorString();
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

QByteArray digest(const QByteArray& bytes) {
    // The size and a 64-bit hash: a change by another program or another computer is never missed by chance,
    // and hashing a large file costs a millisecond, where a cryptographic hash would slow every start-up.
    const std::array<quint64, 2> parts{static_cast<quint64>(bytes.size()), qHash(QByteArrayView(bytes), 0)};
    return QByteArray(reinterpret_cast<const char*>(parts.data()), sizeof(parts));
}

} // namespace SafeFile
