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

// The size the windows are drawn at, as a share of their design size: 1, or
// less on a screen whose free area cannot hold a window at its design size
// (a small screen, or a large scaling factor). Set before a window is built;
// every bound and font of the window follows it.
double designScale();
void setDesignScale(double scale);

inline int pixels(int twips)
{
    return int(std::lround(twips * designScale() / kTwipsPerPixel));
}

// Left, Top, Width, Height in twips.
inline QRect twips(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(pixels(width), pixels(height));
}

inline QPoint twipsPoint(int x, int y)
{
    return QPoint(pixels(x), pixels(y));
}

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
inline const QColor NoteYellow{0xFF, 0xFF, 0xE1}; // the pale face of a passing note
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

enum FontStyle { Regular = 0, Bold = 1, Underlined = 2, Italic = 4 };

// A design font; the size in points is turned into pixels at 96 dpi, and
// scaled as the bounds are, so that text keeps its proportion to the twips
// geometry on every screen.
QFont designFont(const char *face, double points, int style = Regular);

// The font in which the text, drawn with the flags, fits the room: the given
// font, or a smaller size of it, never below three fifths of its size: past
// that, cutting the rest reads better than text too small to read.
QFont fitFont(const QFont &font, const QRect &room, int flags, const QString &text);

// The font to draw the text in: the font itself, or, where its first face has
// a glyph for every character of the text, that face alone. Both draw the
// same glyphs with the same metrics, since the other faces of a font are
// only asked for characters the first one lacks; but a font of several faces
// makes the font system sort every installed font for further fallbacks,
// once per face and script, before it draws anything.
QFont fontForText(const QFont &font, const QString &text);

// Whether a family of this name is installed, whatever its case.
bool isInstalledFamily(const QString &family);

// Registers the substitutes of the design faces. Called once at start-up.
void registerFontSubstitutes();

// Gives a control its design name, its bounds and its font.
void placeControl(QWidget *control, const QString &name, const QRect &bounds, const QFont &font);
