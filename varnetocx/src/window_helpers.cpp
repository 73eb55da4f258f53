#include "window_helpers.h"

#include "errors.h"
#include "late_binding.h"
#include "platform.h"

#include <QCoreApplication>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <limits>

namespace varnetocx {

namespace {

constexpr double TwipsPerPixel = 15.0;

} // namespace

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

    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty()) {
        throw errors::startFailed();
    }
    QProcess process;
    // The program shares our terminal instead of pipes that nobody reads: a chatty program must never block.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(arguments.takeFirst(), arguments);
    if (!process.waitForStarted(-1)) {
        throw errors::startFailed();
    }

    late::setBool(window, "Visible", false);
    QCoreApplication::processEvents();
    process.waitForFinished(-1);
    late::setBool(window, "Visible", true);
}

} // namespace varnetocx
