// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/look.h"

#include "ui/designtext.h"

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <cmath>

namespace {
double g_designScale = 1.0;
} // namespace

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

double designScale()
{
    return g_designScale;
}

void setDesignScale(double scale)
{
    g_designScale = scale > 0 && scale < 1 ? scale : 1.0; // never larger than designed
}

QFont designFont(const char *face, double points, int style)
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
    font.setPixelSize(qMax(1, int(std::lround(points * 96.0 / 72.0 * designScale()))));
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
        const QRect needed = ui::textBounds(fitted, room, flags, text);
        if (needed.width() <= room.width() && needed.height() <= room.height())
            break;
    }
    return fitted;
}

QFont fontForText(const QFont &font, const QString &text)
{
    const QStringList families = font.families();
    // Capitals are drawn for the text's letters, which the first face may lack.
    if (families.size() < 2 || text.isEmpty() || font.capitalization() != QFont::MixedCase)
        return font;
    QFont first = font;
    first.setFamilies({families.first()});
    // The face the font system finds for the first name alone, as it does
    // for the font's first face; a name it does not know keeps the font.
    const QRawFont face = QRawFont::fromFont(first);
    if (!face.isValid() || face.familyName().compare(families.first(), Qt::CaseInsensitive) != 0)
        return font;
    for (const uint character : text.toUcs4()) {
        if (!face.supportsCharacter(character))
            return font;
    }
    return first;
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
