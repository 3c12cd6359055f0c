// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// Text in a rectangle, laid out and drawn exactly as QPainter::drawText and
// QFontMetrics::boundingRect do it for the flags the windows use (alignment,
// a single line or wrapped words, no clipping), without asking the font for
// its metrics as a whole. Those metrics are its first face's, but for a font
// of several faces (a design face's substitutes: a Latin face, then an Arabic
// one) the font system first sorts every installed font for further
// fallbacks to get them. Here they are read from the first face alone, and
// only the script of the text itself is looked up. Other flags (justified
// text among them), fonts with lines drawn through or under the text, and a
// font whose first face is not installed go to Qt's own drawText.
namespace ui {

// The font's ascent, descent and leading, as the whole font has them: its
// first face's.
QFont firstFaceOnly(const QFont &font);

// QFontMetrics(font).boundingRect(room, flags, text).
QRect textBounds(const QFont &font, const QRect &room, int flags, const QString &text);

// painter.drawText(room, flags, text) in the painter's font and direction.
// True where the text was laid out here, false where Qt's drawText drew it.
bool drawText(QPainter &painter, const QRect &room, int flags, const QString &text);

} // namespace ui
