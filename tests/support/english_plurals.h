// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The English plural forms built into the store ("1 item", "2 items"), for tests of texts the store says without
// the program's translations.
#pragma once

void installEnglishPlurals();
