// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/windowicon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <memory>

namespace {

// The images as arrays in the program, read by Qt's own XPM reader: read
// from a file, an XPM image makes Qt open every image-format plugin
// installed (GIF, ICO, JPEG, SVG) to ask whether it reads the format.
#include "app/icons/zakat16.xpm"
#include "app/icons/zakat32.xpm"

const QString kDrawing = QStringLiteral(":/icons/zakat.svg");

// Sizes offered beyond the images: the desktop picks from what a window
// offers (X11 takes every size offered), and the drawing is made at each.
constexpr int kDrawnSizes[] = {24, 48, 64, 128, 256};

// The drawing, read once when first needed and shared by the icon's copies.
class Drawing {
public:
    const QIcon &icon()
    {
        if (!m_read) {
            m_read = true;
            if (QImageReader(kDrawing).canRead())
                m_icon = QIcon(kDrawing);
        }
        return m_icon;
    }

private:
    bool m_read = false;
    QIcon m_icon;
};

class WindowIconEngine : public QIconEngine {
public:
    WindowIconEngine(const QIcon &images, std::shared_ptr<Drawing> drawing, OfferedIconSizes offered)
        : m_images(images), m_drawing(std::move(drawing)), m_offered(offered)
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return source(size).pixmap(size, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        source(rect.size()).paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return source(size).actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes = m_images.availableSizes(mode, state);
        if (m_offered == OfferedIconSizes::ImagesAndDrawn && !m_drawing->icon().isNull())
            for (int side : kDrawnSizes)
                sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine *clone() const override
    {
        return new WindowIconEngine(m_images, m_drawing, m_offered);
    }

private:
    // An image at its own size, the drawing at any other.
    const QIcon &source(const QSize &size) const
    {
        if (m_images.availableSizes().contains(size))
            return m_images;
        const QIcon &drawing = m_drawing->icon();
        return drawing.isNull() ? m_images : drawing;
    }

    QIcon m_images;
    std::shared_ptr<Drawing> m_drawing;
    OfferedIconSizes m_offered;
};

} // namespace

QIcon windowIcon(OfferedIconSizes offered)
{
    QIcon images;
    images.addPixmap(QPixmap(zakat_icon_32));
    images.addPixmap(QPixmap(zakat_icon_16));
    return QIcon(new WindowIconEngine(images, std::make_shared<Drawing>(), offered));
}
