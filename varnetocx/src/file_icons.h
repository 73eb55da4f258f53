// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The icon a file or folder shows in file managers, as a QPixmap at the style's small or large icon size.
#pragma once

#include <QString>
#include <QVariant>

namespace varnetocx {

enum class IconSize { Small, Large };

// A QPixmap, or an invalid QVariant when there is no picture: the path names nothing, the program has no
// QApplication to supply icons and a style, or the call comes from another thread than the application's.
QVariant fileIcon(const QString& fileName, IconSize size);

} // namespace varnetocx
