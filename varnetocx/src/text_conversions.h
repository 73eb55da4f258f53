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

// Replaces every %NAME% reference by the value of the environment variable NAME (empty when unset), in time
// linear in the text. References are found from left to right in the unchanged input. A reference inside a value
// is replaced as well when the text refers to its variable after the first reference to the value's own variable
// ("%A% %B%" with A set to "%B%" gives B's value twice; "%B% %A%" gives B's value and "%B%").
QString expandEnvironment(const QString& text);

} // namespace varnetocx
