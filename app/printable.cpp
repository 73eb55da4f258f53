// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "printable.h"

#include "comparison_engine.h"
#include "document.h"
#include "money.h"
#include "safe_file.h"
#include "store_layout.h"
#include "varnet_host.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

namespace Printable {

namespace {

// Every character outside ASCII as a numeric character reference.
QString asciiText(const QString& text) {
    QString ascii;
    ascii.reserve(text.size());
    for (const uint character : text.toUcs4())
        ascii += character < 0x80 ? QString(QChar(character)) : QStringLiteral("&#%1;").arg(character);
    return ascii;
}

} // namespace

QString itemLine(const QString& escapedName, const QString& quantity) {
    QString line = QStringLiteral("<br>") + escapedName;
    if (const std::optional<double> number = Money::toNumber(quantity); number && *number > 1)
        line += QStringLiteral("<i> x ") + quantity + QStringLiteral("</i>");
    return line;
}

QString merge(const QString& templateText, const Content& content, QString (*convert)(const QString&)) {
    struct Placeholder {
        QString text;
        const QString* value;
    };
    std::vector<Placeholder> placeholders;
    for (int i = 0; i < 4; ++i) {
        placeholders.push_back({QStringLiteral("%ListTitle%1%").arg(i + 1), &content.listTitles[i]});
        placeholders.push_back({QStringLiteral("%ListContents%1%").arg(i + 1), &content.listContents[i]});
    }
    placeholders.push_back({QStringLiteral("%bestshop%"), &content.bestShop});
    placeholders.push_back({QStringLiteral("%currencysymbol%"), &content.currencySymbol});
    placeholders.push_back({QStringLiteral("%bestprice%"), &content.bestPrice});
    placeholders.push_back({QStringLiteral("%coverage%"), &content.coverage});
    placeholders.push_back({QStringLiteral("%splittrip%"), &content.splitTrip});
    placeholders.push_back({QStringLiteral("%pricesince%"), &content.priceSince});
    placeholders.push_back({QStringLiteral("%tripplan%"), &content.tripPlan});

    QString page;
    page.reserve(templateText.size());
    qsizetype copied = 0;
    qsizetype at = templateText.indexOf(QLatin1Char('%'));
    while (at >= 0) {
        const QStringView rest = QStringView(templateText).mid(at);
        const auto match = std::find_if(placeholders.begin(), placeholders.end(),
                                        [&](const Placeholder& p) { return rest.startsWith(p.text); });
        if (match == placeholders.end()) {
            at = templateText.indexOf(QLatin1Char('%'), at + 1);
            continue;
        }
        page += QStringView(templateText).mid(copied, at - copied);
        page += convert ? convert(*match->value) : *match->value;
        copied = at + match->text.size();
        at = templateText.indexOf(QLatin1Char('%'), copied);
    }
    page += QStringView(templateText).mid(copied);
    return page;
}

QByteArray page(const QByteArray& templateBytes, const Content& content) {
    bool isText = false;
    const QString templateText = decode(templateBytes, &isText);
    if (isText)
        return encode(merge(templateText, content));
    // A template in another code page (a Latin-1 "£" is the byte 0xA3, no UTF-8) is merged byte for byte, each
    // byte read as the character of the same number and written back as that byte. Its code page is unknown, so
    // the values go in as ASCII, which every such code page shares, with any other character as a numeric
    // character reference: the page then reads right in whichever code page the template was written.
    return merge(QString::fromLatin1(templateBytes), content, asciiText).toLatin1();
}

QString decode(const QByteArray& bytes, bool* isText) {
    QStringDecoder decoder(QStringConverter::System, QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    if (isText)
        *isText = !decoder.hasError();
    return text;
}

QByteArray encode(const QString& page) {
    QStringEncoder encoder(QStringConverter::System, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder(page);
    if (!encoder.hasError())
        return bytes;
    // Slow path, only for a page holding a character the code page lacks: encode it character by character.
    bytes.clear();
    for (qsizetype i = 0; i < page.size();) {
        const qsizetype length = page.at(i).isHighSurrogate() && i + 1 < page.size() ? 2 : 1;
        const QStringView character = QStringView(page).mid(i, length);
        QStringEncoder single(QStringConverter::System, QStringConverter::Flag::Stateless);
        const QByteArray encoded = single(character);
        if (single.hasError())
            bytes += "&#" + QByteArray::number(character.toUcs4().value(0, 0xFFFD)) + ';';
        else
            bytes += encoded;
        i += length;
    }
    return bytes;
}

} // namespace Printable

namespace {

// The template for the locale's language beside the program, when "Pantrova Template.htm" in `templateBytes` is
// the one Pantrova ships; otherwise, or when that language has no template there, `templateBytes`.
//
// A template the user changed is theirs, whatever its language, and always wins. Whether it is changed is told by
// its bytes: the English template is built into the program (templates/CMakeLists.txt), so the one beside the
// program is compared with the very file of this build, with no list of hashes to keep up to date. Any edit, a
// single space too, makes it the user's; so does an English template of another version of Pantrova, which at
// worst prints the English words.
QByteArray templateInLanguage(const QByteArray& templateBytes, const QString& folder, const QLocale& locale) {
    QFile shipped(QStringLiteral(":/templates/") + Printable::TemplateFileName);
    if (!shipped.open(QIODevice::ReadOnly) || shipped.readAll() != templateBytes)
        return templateBytes;
    // "de_AT" first, for a template of that country's German, then "de".
    QStringList languages{locale.name()};
    if (const QString language = QLocale::languageToCode(locale.language()); language != languages.first())
        languages << language;
    // A language template that is missing, no regular file or too large leaves the English page.
    for (const QString& language : languages) {
        const QString path = folder + Printable::LanguageTemplateFileName.arg(language);
        if (const SafeFile::Read read = SafeFile::readRegular(path, Printable::TemplateLimit); read.ok())
            return read.bytes;
    }
    return templateBytes;
}

} // namespace

PageBuilder::Built PageBuilder::build(const Document& document, ComparisonEngine& engine, const VarnetHost& varnet,
                                      const QString& templateFolder, const QString& dataFile) {
    const QString templatePath = templateFolder + Printable::TemplateFileName;
    if (!varnet.isLoaded())
        return {{},
                tr("The page cannot be built: the library '%1' could not be loaded (%2).")
                    .arg(varnet.libraryFile(), varnet.errorString())};
    if (varnet.FExists(templatePath) != true)
        return {{},
                tr("The template file '%1' could not be found. Try reinstalling the program or downloading the "
                   "template from %2.")
                    .arg(templatePath, Printable::TemplateAddress)};

    // A template that is no regular file (a pipe would block the window) or is absurdly large is not read.
    const SafeFile::Read read = SafeFile::readRegular(templatePath, Printable::TemplateLimit);
    if (!read.ok())
        return {{}, tr("The template file '%1' could not be read: %2.").arg(templatePath, read.error)};

    // From here on a step that fails is skipped and the next one runs.
    const auto escaped = [&varnet](const QString& text) { return varnet.PT2HTML(text).value_or(text.toHtmlEscaped()); };
    // The page lists the ticked items, and so does its comparison, whatever the comparison tab shows.
    const Comparison comparison = engine.compare(document, ComparisonEngine::Mode::SelectedItems, document.today());
    Printable::Content content;
    for (int l = 0; l < Store::ListCount; ++l) {
        content.listTitles[l] = escaped(document.listName(l));
        for (const Item& item : document.items(l))
            if (item.ticked)
                content.listContents[l] += Printable::itemLine(escaped(item.name), item.quantity);
    }
    content.bestShop = escaped(comparison.bestShopName);
    content.currencySymbol = escaped(document.symbol());
    content.bestPrice = Money::format(comparison.bestPrice);
    content.coverage = escaped(comparison.coverageLine);
    content.splitTrip = escaped(comparison.splitTripLine);
    content.priceSince = escaped(comparison.priceSinceLine);
    if (const Comparison::Plan& plan = comparison.plans[static_cast<size_t>(comparison.planSize) - 1];
        !plan.line.isEmpty()) {
        content.tripPlan = QStringLiteral("<b>") + escaped(plan.line) + QStringLiteral("</b>");
        for (const QString& line : ComparisonEngine::planDetail(plan))
            content.tripPlan += QStringLiteral("<br>") + escaped(line);
    }
    const QByteArray page = Printable::page(templateInLanguage(read.bytes, templateFolder, QLocale()), content);

    const QString pagePath = QFileInfo(dataFile).absoluteDir().filePath(Printable::PageFileName);
    if (varnet.FExists(pagePath) == true)
        QFile::remove(pagePath);
    // Written whole or not at all, and never into a pipe or device of that name, which could block the window.
    // The page holds the lists, so it is no more readable than the data file.
    if (const QString error = SafeFile::writeAtomically(pagePath, page, SafeFile::permissionsOf(dataFile));
        !error.isEmpty())
        return {{}, tr("The page '%1' could not be written: %2.").arg(pagePath, error)};
    return {pagePath, {}};
}
