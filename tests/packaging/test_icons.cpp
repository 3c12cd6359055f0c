// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// The icon the desktop shows in its menu must be the one the windows carry:
// the installed bitmaps are the window icon's own pixels, and the scalable
// drawing is a square in the same colours.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString windowIconDir = QStringLiteral(ZAKAT_WINDOW_ICON_DIR);
const QString packagingIconDir = QStringLiteral(ZAKAT_PACKAGING_ICON_DIR);
const QString appId = QStringLiteral(ZAKAT_APP_ID);

QString windowIconPath(int size)
{
    return windowIconDir + QStringLiteral("/zakat%1.xpm").arg(size);
}

// Every colour the window icon paints with, transparent pixels left out.
QSet<QRgb> opaqueColours(const QImage &image)
{
    QSet<QRgb> colours;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if (qAlpha(pixels.pixel(x, y)) == 255)
                colours.insert(pixels.pixel(x, y));
    return colours;
}

} // namespace

class IconsTest : public QObject {
    Q_OBJECT
private slots:
    void bitmapIconHasTheWindowIconsPixels_data();
    void bitmapIconHasTheWindowIconsPixels();
    void windowsIconHoldsTheWindowIconsImages();
    void scalableIconIsASquareDrawing();
    void scalableIconUsesTheWindowIconsColours();
};

void IconsTest::bitmapIconHasTheWindowIconsPixels_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("16 x 16") << 16;
    QTest::newRow("32 x 32") << 32;
}

void IconsTest::bitmapIconHasTheWindowIconsPixels()
{
    QFETCH(int, size);
    const QImage windowIcon(windowIconPath(size));
    const QImage installed(packagingIconDir + QStringLiteral("/%1-%2.png").arg(appId).arg(size));
    QVERIFY2(!windowIcon.isNull(), "the window icon did not load");
    QVERIFY2(!installed.isNull(), "the installed icon did not load");
    QCOMPARE(installed.size(), QSize(size, size));
    QCOMPARE(installed.convertToFormat(QImage::Format_ARGB32),
             windowIcon.convertToFormat(QImage::Format_ARGB32));
}

void IconsTest::windowsIconHoldsTheWindowIconsImages()
{
    QImageReader reader(QStringLiteral(ZAKAT_WINDOWS_ICON));
    QCOMPARE(reader.format(), QByteArray("ico"));
    QCOMPARE(reader.imageCount(), 2);
    QList<int> sizes;
    do {
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        sizes << image.width();
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32),
                 QImage(windowIconPath(image.width())).convertToFormat(QImage::Format_ARGB32));
    } while (reader.jumpToNextImage());
    QCOMPARE(sizes, QList<int>({32, 16}));
}

void IconsTest::scalableIconIsASquareDrawing()
{
    QFile file(packagingIconDir + QStringLiteral("/%1.svg").arg(appId));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    QVERIFY(svg.readNextStartElement());
    QCOMPARE(svg.name(), QStringLiteral("svg"));
    const QStringList viewBox = svg.attributes().value(QStringLiteral("viewBox"))
                                    .toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QCOMPARE(viewBox.size(), 4);
    QVERIFY(viewBox.at(2).toDouble() > 0);
    QCOMPARE(viewBox.at(2), viewBox.at(3));
    while (!svg.atEnd())
        svg.readNext();
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
}

void IconsTest::scalableIconUsesTheWindowIconsColours()
{
    QFile file(packagingIconDir + QStringLiteral("/%1.svg").arg(appId));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    QSet<QRgb> fills;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement
            && svg.attributes().hasAttribute(QStringLiteral("fill"))) {
            const QColor fill(svg.attributes().value(QStringLiteral("fill")).toString());
            QVERIFY2(fill.isValid(), "a fill that is not a colour");
            fills.insert(fill.rgba());
        }
    }
    QVERIFY(!svg.hasError());
    QCOMPARE(fills, opaqueColours(QImage(windowIconPath(32))));
}

QTEST_GUILESS_MAIN(IconsTest)
#include "test_icons.moc"
