// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "platform.h"

#include <QGuiApplication>
#include <QStorageInfo>
#include <QWidget>
#include <QWindow>

namespace varnetocx::platform {

WindowPlacement setWindowPos = placeQtWindow;
VolumeList mountedVolumes = storageVolumes;

void placeQtWindow(quintptr window, int zPosition, int x, int y, int width, int height, unsigned flags) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return;
    }
    const bool onTop = zPosition == TopMostPosition;
    const bool show = (flags & ShowWindowFlag) != 0;
    if (QWidget* widget = QWidget::find(static_cast<WId>(window))) {
        // Changing a window flag hides the widget, so only change it when it differs.
        if (widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
            widget->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        }
        widget->move(x, y);
        widget->resize(width, height);
        if (show) {
            const bool quiet = widget->testAttribute(Qt::WA_ShowWithoutActivating);
            widget->setAttribute(Qt::WA_ShowWithoutActivating, (flags & NoActivateFlag) != 0);
            widget->show();
            widget->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
        }
        return;
    }
    const auto windows = QGuiApplication::allWindows();
    for (QWindow* candidate : windows) {
        if (candidate->handle() && candidate->winId() == static_cast<WId>(window)) {
            candidate->setFlag(Qt::WindowStaysOnTopHint, onTop);
            candidate->setFramePosition(QPoint(x, y));
            candidate->resize(width, height);
            if (show) {
                candidate->setVisible(true);
            }
            return;
        }
    }
}

QList<Volume> storageVolumes() {
    QList<Volume> volumes;
    const auto mounted = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& storage : mounted) {
        volumes.append({storage.rootPath(), storage.isValid() && storage.isReady()});
    }
    return volumes;
}

} // namespace varnetocx::platform
