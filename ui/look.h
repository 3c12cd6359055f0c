// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cmath>

class QWidget;

// Geometry, colours, alignment and fonts as the windows are designed: bounds
// in twips from the top-left corner of the client area, never mirrored.

constexpr int kTwipsPerPixel = 15; // 1440 twips to the inch at 96 dpi

enum FontStyle { Regular = 0, Bold = 1, Underlined = 2, Italic = 4 };

// The size a window is drawn at, as a share of its design size: 1, or less
// on a screen whose free area cannot hold the window at its design size (a
// small screen, or a large scaling factor). A window takes its scale once,
// when it is built, and everything it draws follows it: its bounds, its
// fonts, its notes panel and its help.
class DesignScale {
public:
    DesignScale() = default;
    explicit DesignScale(double factor); // never larger than designed

    double factor() const { return m_factor; }

    int pixels(int twips) const { return int(std::lround(twips * m_factor / kTwipsPerPixel)); }
    // Left, Top, Width, Height in twips.
    QRect rect(int left, int top, int width, int height) const
    {
        return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
    }
    QRect rect(const QRect &twips) const
    {
        return rect(twips.x(), twips.y(), twips.width(), twips.height());
    }
    QSize size(int width, int height) const { return QSize(pixels(width), pixels(height)); }
    QSize size(const QSize &twips) const { return size(twips.width(), twips.height()); }
    QPoint point(int x, int y) const { return QPoint(pixels(x), pixels(y)); }
    QPoint point(const QPoint &twips) const { return point(twips.x(), twips.y()); }

    // A design font; the size in points is turned into pixels at 96 dpi, and
    // scaled as the bounds are, so that text keeps its proportion to the
    // twips geometry on every screen.
    QFont font(const char *face, double points, int style = Regular) const;

private:
    double m_factor = 1.0;
};

// A design font's face, size and style, for tables of a window's design.
struct FontSpec {
    const char *face;
    double points;
    int style = Regular;
};

namespace Colour {
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Yellow{0xFF, 0xFF, 0x00};
inline const QColor LightGreen{0x80, 0xFF, 0x80};
inline const QColor MenuMaroon{0x40, 0x00, 0x00};
inline const QColor MenuPink{0xFF, 0xC0, 0xC0};
inline const QColor NightBlue{0x00, 0x00, 0x40};
inline const QColor Periwinkle{0x80, 0x80, 0xFF};
inline const QColor DarkOlive{0x40, 0x40, 0x00};
inline const QColor Olive{0xC0, 0xC0, 0x00};
inline const QColor FieldGreen{0x00, 0x40, 0x00};
inline const QColor Green{0x00, 0x80, 0x00};
inline const QColor Black{0x00, 0x00, 0x00};
inline const QColor DarkTeal{0x00, 0x40, 0x40}; // the whole-wealth window
inline const QColor Aqua{0x80, 0xC0, 0xC0};
inline const QColor DeepPlum{0x40, 0x00, 0x40}; // the Zakat al-Fitr window
inline const QColor Orchid{0xC0, 0x80, 0xC0};
inline const QColor NoteYellow{0xFF, 0xFF, 0xE1}; // the pale face of a passing note
inline const QColor Aubergine{0x30, 0x18, 0x40}; // the records window
inline const QColor Lavender{0xC8, 0xB8, 0xE8};
} // namespace Colour

// Alignment is physical: right means the right edge whatever the direction.
namespace Align {
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop;
constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop;
constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignTop;
} // namespace Align

// The faces the windows are designed with. On a machine without them the
// substitutes registered at start-up stand in.
namespace Face {
inline constexpr const char *Arial = "Arial";
inline constexpr const char *TimesNewRoman = "Times New Roman";
inline constexpr const char *SimplifiedArabic = "Simplified Arabic";
inline constexpr const char *TraditionalArabic = "Traditional Arabic";
inline constexpr const char *MsSansSerif = "MS Sans Serif";
} // namespace Face

// The font in which the text, drawn with the flags, fits the room: the given
// font, or a smaller size of it, never below three fifths of its size: past
// that, cutting the rest reads better than text too small to read.
QFont fitFont(const QFont &font, const QRect &room, int flags, const QString &text);

// Whether a family of this name is installed, whatever its case.
bool isInstalledFamily(const QString &family);

// Registers the substitutes of the design faces. Called once at start-up.
void registerFontSubstitutes();

// Gives a control its design name, its bounds and its font.
void placeControl(QWidget *control, const QString &name, const QRect &bounds, const QFont &font);
