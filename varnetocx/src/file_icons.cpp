// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "file_icons.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QPixmap>
#include <QPointer>
#include <QStyle>
#include <QThread>

namespace varnetocx {

namespace {

// One QFileIconProvider for as long as the application and its style live. A provider keeps the icons it has
// made, so each call draws the same QIcon again. With a provider per call every call drew a new icon, and Qt's
// application-wide pixmap cache keeps the string key of each new icon's pixmap even after dropping the pixmap.
class SharedIconProvider : public QObject {
public:
    using QObject::QObject;

    QFileIconProvider provider;
    const QPointer<QStyle> style = QApplication::style();
};

QFileIconProvider& iconProvider(QApplication* application) {
    // A child of the application, so it goes with it; the pointer becomes null then.
    static QPointer<SharedIconProvider> shared;
    if (shared && shared->style != QApplication::style()) {
        delete shared; // its icons come from a style no longer in use
    }
    if (!shared) {
        shared = new SharedIconProvider(application);
    }
    return shared->provider;
}

} // namespace

QVariant fileIcon(const QString& fileName, IconSize size) {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    // Pixmaps and the shared provider belong to the application's thread.
    if (!application || QThread::currentThread() != application->thread()) {
        return {};
    }
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists()) {
        return {};
    }
    const int extent = QApplication::style()->pixelMetric(size == IconSize::Small ? QStyle::PM_SmallIconSize
                                                                                  : QStyle::PM_LargeIconSize);
    const QPixmap picture = iconProvider(application).icon(info).pixmap(QSize(extent, extent));
    if (picture.isNull()) {
        return {};
    }
    return picture;
}

} // namespace varnetocx
