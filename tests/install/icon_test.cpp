// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The icon the window shows and the desktop entry names: built into the program's resources, a well-formed
// square SVG, and, where Qt's SVG plugin is installed, an icon that actually draws something.
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QXmlStreamReader>

class IconTest : public QObject {
    Q_OBJECT

    const QString m_path = QStringLiteral(":/icons/pantrova.svg");

private slots:
    void isASquareSvg() {
        QFile file(m_path);
        QVERIFY2(file.open(QIODevice::ReadOnly), "the icon is missing from the resources");
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("svg"));
        const QStringList viewBox = xml.attributes().value(QLatin1String("viewBox")).toString().split(u' ');
        QCOMPARE(viewBox.size(), 4);
        QCOMPARE(viewBox[2], viewBox[3]);
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }

    void drawsAtMenuSize() {
        if (!QImageReader::supportedImageFormats().contains("svg"))
            QSKIP("Qt's SVG plugin (libqt6svg6) is not installed");
        const QImage image = QIcon(m_path).pixmap(48, 48).toImage();
        QCOMPARE(image.size(), QSize(48, 48));
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        // The clipboard covers most of the square; a broken drawing leaves it empty or nearly so.
        QVERIFY2(painted > 48 * 48 / 2, qPrintable(QString::number(painted)));
    }
};

QTEST_MAIN(IconTest)
#include "icon_test.moc"
