// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Renders the SVG icon as PNG files for the icon theme's fixed sizes, at build time, with Qt's SVG plugin.
// Usage: pantrova_icon_png <icon.svg> <output folder> <size>...   (writes <folder>/<size>/pantrova.png)
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fputs("usage: pantrova_icon_png <icon.svg> <output folder> <size>...\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        QImageReader reader(QString::fromLocal8Bit(argv[1]));
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        const QString file = out.filePath(QStringLiteral("%1/pantrova.png").arg(size));
        if (image.isNull() || !QDir().mkpath(QFileInfo(file).path()) || !image.save(file)) {
            std::fprintf(stderr, "pantrova_icon_png: %s: %s\n", qPrintable(file), qPrintable(reader.errorString()));
            return 1;
        }
    }
    return 0;
}
