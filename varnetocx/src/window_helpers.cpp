// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "window_helpers.h"

#include "errors.h"
#include "late_binding.h"
#include "platform.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace varnetocx {

namespace {

constexpr double TwipsPerPixel = 15.0;

} // namespace

std::optional<QStringList> splitCommandLine(const QString& commandLine) {
    enum class Quote { None, Single, Double };
    Quote quote = Quote::None;
    QStringList words;
    QString word;
    bool inWord = false; // also true for a word of nothing but quotes, which is an empty argument
    const qsizetype size = commandLine.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = commandLine.at(i);
        if (quote == Quote::Single) {
            if (c == u'\'') {
                quote = Quote::None;
            } else {
                word += c;
            }
            continue;
        }
        // Between double quotes a backslash only escapes $ ` " \ and the line feed; elsewhere it escapes anything.
        // A backslash before a line feed joins two lines.
        if (c == u'\\' && i + 1 < size &&
            (quote == Quote::None || QStringView(u"$`\"\\\n").contains(commandLine.at(i + 1)))) {
            const QChar escaped = commandLine.at(++i);
            if (escaped != u'\n') {
                word += escaped;
                inWord = true;
            }
            continue;
        }
        if (quote == Quote::Double) {
            if (c == u'"') {
                quote = Quote::None;
            } else {
                word += c;
            }
            continue;
        }
        if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inWord) {
                words.append(word);
                word.clear();
                inWord = false;
            }
            continue;
        }
        if (c == u'\'') {
            quote = Quote::Single;
        } else if (c == u'"') {
            quote = Quote::Double;
        } else {
            word += c;
        }
        inWord = true;
    }
    if (quote != Quote::None) {
        return std::nullopt; // a shell refuses an unclosed quote too
    }
    if (inWord) {
        words.append(word);
    }
    return words;
}

int twipsToPixels(double twips) {
    const double pixels = twips / TwipsPerPixel;
    double rounded = std::floor(pixels);
    const double fraction = pixels - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    constexpr double Lowest = std::numeric_limits<int>::min();
    constexpr double Highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::isnan(rounded) ? 0.0 : std::clamp(rounded, Lowest, Highest));
}

void topMost(QObject* window, bool onTop) {
    // Kept before anything moves the window: it ends exactly here.
    const double top = late::number(window, "Top");
    const double left = late::number(window, "Left");
    const double width = late::number(window, "Width");
    const double height = late::number(window, "Height");

    const quintptr handle = late::windowId(window, "hWnd");
    const int x = twipsToPixels(late::number(window, "Left"));
    const int y = twipsToPixels(late::number(window, "Top"));
    const int cx = twipsToPixels(late::number(window, "Width"));
    const int cy = twipsToPixels(late::number(window, "Height"));
    if (platform::setWindowPos) {
        platform::setWindowPos(handle, onTop ? platform::TopMostPosition : platform::NotTopMostPosition, x, y, cx, cy,
                               platform::ShowWindowFlag | platform::NoActivateFlag);
    }
    late::call(window, "Move", {left, top, width, height});
}

void shellAndWait(QObject* window, const QString& commandLine) {
    // Checked first: a program must not be started when the window cannot be hidden and shown again.
    late::requireWritable(window, "Visible");

    std::optional<QStringList> arguments = splitCommandLine(commandLine);
    if (!arguments || arguments->isEmpty()) {
        throw errors::startFailed();
    }
    QProcess process;
    // The program shares our terminal instead of pipes that nobody reads: a chatty program must never block.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(arguments->takeFirst(), *arguments);
    if (!process.waitForStarted(-1)) {
        throw errors::startFailed();
    }

    late::setBool(window, "Visible", false);
    QCoreApplication::processEvents();
    process.waitForFinished(-1);
    late::setBool(window, "Visible", true);
}

} // namespace varnetocx
