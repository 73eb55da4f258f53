// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The four pure text conversions of Varnet: plain text to HTML and back, colour names to colour values, and
// environment references. They match code units exactly: case-sensitive, no locale, no normalisation.
#pragma once

#include <QString>

#include <optional>

namespace varnetocx {

// Escapes & > < and the double quote, keeps runs of blanks and tabs visible with "&nbsp;", and, when createBRs
// is set, puts "<br>" before every CR LF.
QString plainTextToHtml(const QString& text, bool createBRs);

// Decodes "<BR>", "<br>" and the five entities that plainTextToHtml writes; "&amp;" is decoded first, so an
// escaped entity is decoded twice.
QString htmlToPlainText(const QString& html);

// The 0x00BBGGRR value of one of the sixteen basic colour names ("Red" is 255); nothing for any other text.
std::optional<int> colourValue(const QString& name);

// Replaces %NAME% references by the values of the environment variables (empty when unset). The references are
// found from left to right in the unchanged input, and each replaces every "%NAME%" of the text built so far. So a
// reference inside a value is replaced by a later reference to its variable ("%A% %B%" with A set to "%B%" gives
// B's value twice; "%B% %A%" gives B's value and "%B%"), and a pass may take signs that the input pairs otherwise
// ("%%a%A%%b" gives "a%Ab").
QString expandEnvironment(const QString& text);

} // namespace varnetocx
