// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Holds Pantrova's lock on a folder, as a running Pantrova does, until it is killed.
// Usage: store_lock_child <lock file>   Prints "locked" once it holds the lock.

#include <QCoreApplication>
#include <QLockFile>
#include <QThread>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QLockFile lock(QString::fromLocal8Bit(argv[1]));
    if (!lock.tryLock(0))
        return 1;
    std::puts("locked");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
