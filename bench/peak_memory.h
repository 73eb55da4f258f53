// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The peak memory of this process so far (VmHWM), printed in KiB; 0 when it could be read.

#include <QFile>

#include <cstdio>

namespace Bench {

inline int printPeakMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) {
            std::printf("%s\n", line.mid(6).trimmed().split(' ').front().constData());
            return 0;
        }
    return 1;
}

} // namespace Bench
