// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/look.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <cmath>

bool isInstalledFamily(const QString &family)
{
    // Read once (QFontDatabase::hasFamily would also have fontconfig resolve
    // each name as an alias).
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (const QString &name : QFontDatabase::families())
            names.insert(name.toCaseFolded());
        return names;
    }();
    return installed.contains(family.toCaseFolded());
}

DesignScale::DesignScale(double factor) : m_factor(factor > 0 && factor < 1 ? factor : 1.0) {}

QFont DesignScale::font(const char *face, double points, int style) const
{
    QFont font(QString::fromLatin1(face));
    // A missing Windows face goes straight to its substitutes: asking for it
    // by name first makes the font system sort every installed font for a
    // fallback, once per face and script, which slows the first paint of
    // every window and draws the same glyphs in the end. Whether a face is
    // installed is looked up in the list of installed families.
    const QStringList substitutes = QFont::substitutes(font.family());
    if (!substitutes.isEmpty() && !isInstalledFamily(font.family()))
        font.setFamilies(substitutes);
    font.setPixelSize(qMax(1, int(std::lround(points * 96.0 / 72.0 * m_factor))));
    font.setBold(style & Bold);
    font.setUnderline(style & Underlined);
    font.setItalic(style & Italic);
    return font;
}

QFont fitFont(const QFont &font, const QRect &room, int flags, const QString &text)
{
    QFont fitted = font;
    const int designSize = font.pixelSize();
    for (int size = designSize; size >= designSize * 3 / 5 && size > 0; --size) {
        fitted.setPixelSize(size);
        const QRect needed = QFontMetrics(fitted).boundingRect(room, flags, text);
        if (needed.width() <= room.width() && needed.height() <= room.height())
            break;
    }
    return fitted;
}

void registerFontSubstitutes()
{
    // Each design face maps to a Latin face of the same metrics and an Arabic
    // face of the same style, from Debian's fonts-liberation2, fonts-noto-core
    // and fonts-hosny-amiri, so Arabic text is always shaped. The Arabic
    // letters of Arial, Times New Roman and MS Sans Serif are naskh, like
    // Simplified Arabic; Traditional Arabic is the older, more calligraphic
    // naskh that Amiri follows.
    const QString sans = QStringLiteral("Liberation Sans");
    const QString serif = QStringLiteral("Liberation Serif");
    const QString naskh = QStringLiteral("Noto Naskh Arabic");
    const QString amiri = QStringLiteral("Amiri");
    QFont::insertSubstitutions(QString::fromLatin1(Face::Arial), {sans, naskh});
    QFont::insertSubstitutions(QString::fromLatin1(Face::MsSansSerif), {sans, naskh});
    QFont::insertSubstitutions(QString::fromLatin1(Face::TimesNewRoman), {serif, naskh});
    QFont::insertSubstitutions(QString::fromLatin1(Face::SimplifiedArabic), {naskh, serif});
    QFont::insertSubstitutions(QString::fromLatin1(Face::TraditionalArabic), {amiri, serif});
}

void placeControl(QWidget *control, const QString &name, const QRect &bounds, const QFont &font)
{
    control->setObjectName(name);
    control->setGeometry(bounds);
    control->setFont(font);
}
