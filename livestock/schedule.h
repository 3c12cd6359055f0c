// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "core/numbers.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// What the livestock schedules have in common: what they find due, the rows
// and notes the window writes from it, and the way each panel reads its head
// count.

// One row of a result table as written: the count of animals due ("العدد")
// and their kind ("النوع"), or the placeholders of an empty row.
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

// A two-row result table and the note lines, as written.
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

// What a schedule whose due may take two kinds of animal finds due: how many
// of each kind (0: none), each kind as its band spells it (the placeholder
// dots where the row is empty), and the notes of the band.
struct HerdDue {
    std::int32_t firstCount = 0;
    QString firstKind;
    std::int32_t secondCount = 0;
    QString secondKind;
    NoteLines notes;
};

// The empty count cell of a result row.
inline const QString kNoCount = QStringLiteral("000");

// The count cell of a row: the number of animals, or the empty cell.
inline QString countCell(std::int32_t count)
{
    return count > 0 ? integerText(count) : kNoCount;
}

// The rows and notes the window writes for a due.
inline HerdRows herdRows(const HerdDue &due)
{
    return {{countCell(due.firstCount), due.firstKind},
            {countCell(due.secondCount), due.secondKind},
            due.notes};
}

// A band of a fixed schedule: it holds the counts below its limit and names
// the animals due and the notes.
struct HerdBand {
    double below;
    std::int32_t firstCount;
    QString firstKind;
    std::int32_t secondCount;
    QString secondKind;
    NoteLines notes;
};

// The due of the first band that holds the count; nothing past the last band,
// where the schedule's general rule takes over.
template <std::size_t Bands>
std::optional<HerdDue> dueOfBand(const std::array<HerdBand, Bands> &bands, double count)
{
    for (const HerdBand &band : bands)
        if (count < band.below)
            return HerdDue{band.firstCount, band.firstKind, band.secondCount, band.secondKind,
                           band.notes};
    return std::nullopt;
}

// The general rule of camels and of cattle: one younger animal for every
// `per` head, and the fewest older ones (each covering `coversMore` head more
// than a younger one) that leave fewer than `coversMore` head uncovered.
struct YoungerAndOlder {
    std::int32_t younger;
    std::int32_t older;
};
inline YoungerAndOlder fewestOlder(std::int32_t head, std::int32_t per, std::int32_t coversMore)
{
    const std::int32_t older = head % per / coversMore;
    return {head / per - older, older};
}

// How every panel reads its field, so the three behave alike: an empty or
// blank field resets the panel; a text that is not a number changes nothing
// (no count); a number goes to the schedule, which itself gives no value for
// a count beyond its range.
struct HeadCount {
    bool empty = false;
    std::optional<double> count;
};
inline HeadCount readHeadCount(const QString &text)
{
    if (trimBlanks(text).isEmpty())
        return {true, std::nullopt};
    return {false, readNumber(text)};
}
