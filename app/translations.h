// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Pantrova in the user's language: its own texts from the translations built into the program, and Qt's (the
// standard buttons, the print dialog) from the system's Qt translations. English is the texts' own language.

class QLocale;

namespace Translations {

// Replaces whatever translations were installed by those for the locale; none where there are none.
void install(const QLocale& locale);

} // namespace Translations
