// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "core/numbers.h"

#include <QString>

#include <array>
#include <optional>

// What the livestock schedules have in common: the rows they write and the
// way each panel reads its head count.

// One row of a result table: the count of animals due ("العدد") and their
// kind ("النوع"), or the placeholders of an empty row.
struct DueRow {
    QString count;
    QString kind;

    bool operator==(const DueRow &other) const
    {
        return count == other.count && kind == other.kind;
    }
    bool operator!=(const DueRow &other) const { return !(*this == other); }
};

// The five note lines under "ملاحظــــــــــات", shared by the camel and cattle
// schedules: whichever ran last fills all five.
using NoteLines = std::array<QString, 5>;

// A schedule whose due may take two kinds of animal, with its notes.
struct HerdRows {
    DueRow first;
    DueRow second;
    NoteLines notes;

    bool operator==(const HerdRows &other) const
    {
        return first == other.first && second == other.second && notes == other.notes;
    }
    bool operator!=(const HerdRows &other) const { return !(*this == other); }
};

// The empty count cell of a result row.
inline const QString kNoCount = QStringLiteral("000");

// A band of a fixed schedule: it holds the counts below its limit and names
// the animals due and the notes. A count of 0 shows the empty cell.
struct HerdBand {
    double below;
    int firstCount;
    QString firstKind;
    int secondCount;
    QString secondKind;
    NoteLines notes;
};

// The rows of the first band that holds the count; nothing past the last band,
// where the schedule's general rule takes over.
template <std::size_t Bands>
std::optional<HerdRows> rowsOfBand(const std::array<HerdBand, Bands> &bands, double count)
{
    auto countText = [](int due) { return due > 0 ? integerText(due) : kNoCount; };
    for (const HerdBand &band : bands)
        if (count < band.below)
            return HerdRows{{countText(band.firstCount), band.firstKind},
                            {countText(band.secondCount), band.secondKind},
                            band.notes};
    return std::nullopt;
}

// How every panel reads its field, so the three behave alike: an empty or
// blank field resets the panel; a text that is not a number changes nothing
// (no value); a number goes to the schedule, which itself gives no value for a
// count beyond its range.
template <class Rows>
std::optional<Rows> rowsForEntry(const QString &text, Rows (*reset)(),
                                 std::optional<Rows> (*due)(double))
{
    if (trimBlanks(text).isEmpty())
        return reset();
    const std::optional<double> count = readNumber(text);
    if (!count)
        return std::nullopt;
    return due(*count);
}
