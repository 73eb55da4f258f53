#include "file_icons.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QPixmap>
#include <QStyle>

namespace varnetocx {

QVariant fileIcon(const QString& fileName, IconSize size) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return {};
    }
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists()) {
        return {};
    }
    const int extent = QApplication::style()->pixelMetric(size == IconSize::Small ? QStyle::PM_SmallIconSize
                                                                                  : QStyle::PM_LargeIconSize);
    const QPixmap picture = QFileIconProvider().icon(info).pixmap(QSize(extent, extent));
    if (picture.isNull()) {
        return {};
    }
    return picture;
}

} // namespace varnetocx
