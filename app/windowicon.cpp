// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/windowicon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

const QString kDrawing = QStringLiteral(":/icons/zakat.svg");

// Sizes offered beyond the images: the desktop picks from what a window
// offers (X11 takes every size offered), and the drawing is made at each.
constexpr int kDrawnSizes[] = {24, 48, 64, 128, 256};

class WindowIconEngine : public QIconEngine {
public:
    WindowIconEngine(const QIcon &images, const QIcon &drawing)
        : m_images(images), m_drawing(drawing)
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
        if (!m_drawing.isNull())
            for (int side : kDrawnSizes)
                sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine *clone() const override { return new WindowIconEngine(m_images, m_drawing); }

private:
    // An image at its own size, the drawing at any other.
    const QIcon &source(const QSize &size) const
    {
        if (m_drawing.isNull() || m_images.availableSizes().contains(size))
            return m_images;
        return m_drawing;
    }

    QIcon m_images;
    QIcon m_drawing;
};

} // namespace

QIcon windowIcon()
{
    QIcon images;
    images.addPixmap(QPixmap(QStringLiteral(":/icons/zakat32.xpm")));
    images.addPixmap(QPixmap(QStringLiteral(":/icons/zakat16.xpm")));
    const QIcon drawing = QImageReader(kDrawing).canRead() ? QIcon(kDrawing) : QIcon();
    return QIcon(new WindowIconEngine(images, drawing));
}
