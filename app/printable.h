// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The printable page: the template's placeholders filled with the lists' names and ticked items, the cheapest
// shop, the currency symbol, the best price and the chosen trip plan. The page is 8-bit text in the system's code page.

#include "install_layout.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <array>

namespace Printable {

inline const QString TemplateFileName = InstallLayout::TemplateFileName;
// The shipped template in a language's own words; %1 is the language ("de") or language and country ("de_AT").
inline const QString LanguageTemplateFileName = QStringLiteral("Pantrova Template.%1.htm");
inline const QString PageFileName = QStringLiteral("Pantrova.htm");
// The largest template read: a page of the ticked items needs a small fraction of it.
inline constexpr qint64 TemplateLimit = qint64(16) << 20;
inline const QString TemplateAddress = QStringLiteral("https://pantrova.org/template");

// What replaces each placeholder, already made safe for HTML.
struct Content {
    std::array<QString, 4> listTitles;   // %ListTitle1% .. %ListTitle4%
    std::array<QString, 4> listContents; // %ListContents1% .. %ListContents4%
    QString bestShop;                    // %bestshop%
    QString currencySymbol;              // %currencysymbol%
    QString bestPrice;                   // %bestprice%
    QString coverage;                    // %coverage%: how many items the best shop prices, and which it lacks
    QString splitTrip;                   // %splittrip%: every item bought where it is cheapest
    QString priceSince;                  // %pricesince%: the day of the oldest price behind the best total
    QString tripPlan;                    // %tripplan%: the chosen trip plan, then what it buys at each shop
};

// One ticked item: "<br>", the escaped name and, for a quantity above 1, "<i> x " quantity "</i>".
QString itemLine(const QString& escapedName, const QString& quantity);

// Replaces every placeholder of the template in one pass over the template: text that a replacement brings in
// is never searched again, so a name that looks like a placeholder prints as typed. `convert`, when given, turns
// each value into the text that goes in.
QString merge(const QString& templateText, const Content& content, QString (*convert)(const QString&) = nullptr);

// The page file's bytes: every byte of the template outside its placeholders reaches the page unchanged, also
// when the template is not text in the system's code page.
QByteArray page(const QByteArray& templateBytes, const Content& content);

// A leading byte-order mark stays in the text, so that the page keeps the template's bytes. `isText`, when given,
// says whether every byte was read as text of the code page.
QString decode(const QByteArray& bytes, bool* isText = nullptr);
// Characters the code page cannot hold become numeric character references, so none is lost.
QByteArray encode(const QString& page);

} // namespace Printable

class ComparisonEngine;
class Document;
class VarnetHost;

// Builds the page file from the template beside the program, with the library's HTML escaping.
class PageBuilder {
    Q_DECLARE_TR_FUNCTIONS(PageBuilder)

public:
    // The page's path; or no path and the message that says why there is no page.
    struct Built {
        QString path;
        QString error;
    };
    // Merges the ticked items and their comparison into the template of `templateFolder` and writes the page
    // beside the data file, no more readable than it. While "Pantrova Template.htm" is the one Pantrova ships,
    // the template of the user's language beside it ("Pantrova Template.de.htm") is used instead, where there is
    // one.
    static Built build(const Document& document, ComparisonEngine& engine, const VarnetHost& varnet,
                       const QString& templateFolder, const QString& dataFile);
};
