// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The platform services the library calls that a test must be able to watch or stand in for: the z-order call of
// TopMost and the list of mounted volumes behind DExists. Each is a replaceable function object: a test assigns
// its own and puts the previous one back; an empty one means the service is not there.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>

namespace varnetocx::platform {

// The z-order positions and flags of the window-placement call, with their Windows values.
inline constexpr int TopMostPosition = -1;
inline constexpr int NotTopMostPosition = -2;
inline constexpr unsigned ShowWindowFlag = 0x0040;
inline constexpr unsigned NoActivateFlag = 0x0010;

// Places the native window `window` at the pixel rectangle, above all other windows (TopMostPosition) or back
// among them (NotTopMostPosition). Any failure is silent.
using WindowPlacement =
    std::function<void(quintptr window, int zPosition, int x, int y, int width, int height, unsigned flags)>;
extern WindowPlacement setWindowPos;

// The Qt implementation of setWindowPos: the stays-on-top hint and geometry of the QWidget or QWindow that owns
// the native window.
void placeQtWindow(quintptr window, int zPosition, int x, int y, int width, int height, unsigned flags);

struct Volume {
    QString rootPath; // the mount point, without trailing separator except "/"
    bool ready = false;
};
using VolumeList = std::function<QList<Volume>()>;
extern VolumeList mountedVolumes;

// The Qt implementation of mountedVolumes, from QStorageInfo.
QList<Volume> storageVolumes();

} // namespace varnetocx::platform
