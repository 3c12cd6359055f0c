// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/noteline.h"

#include "ui/look.h"

NoteLine::NoteLine(QWidget *window, const QString &name, const QString &note,
                   const QRect &bounds, const QFont &font, const QColor &textColour)
    : DesignLabel(window, name, note, bounds, font, textColour, Align::Right)
{
    setWordWrap(false);
}
