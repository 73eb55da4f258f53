// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The files and the start-up process for scripts/bench-processes.sh, which times whole processes with hyperfine
// (pantrova_store_process times the store's).

#include <QString>

namespace Bench {

// Writes the files and program folders the modes work on into `folder`.
int prepareProcessFiles(const QString& folder);
// Opens the window over the folder, shows it and exits, printing the process's peak memory in KiB.
int runStartUp(const QString& folder);

} // namespace Bench
