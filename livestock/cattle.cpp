// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/cattle.h"

namespace {

const QString kTabia = QStringLiteral("تبيعة");   // a calf that has completed its first year
const QString kMusinna = QStringLiteral("مسنة");  // a cow that has completed its second year

// The notes: below the nisab, what each age is, and the substitutes allowed.
const QString kNote1 = QStringLiteral("لم تبلغ نصاب البقر وهو 30");
const QString kNote2 = QStringLiteral(" تبيعة : هي  التي اكملت سنة  ودخلت في الثانية");
const QString kNote3 = QStringLiteral(" المسنة : هي  التي اكملت سنتين ");
const QString kNote4 = QStringLiteral("المسنة : هي التي اكملت سنتين");
const QString kNote5 = QStringLiteral("والمسنة هي ما أكملت سنتين");
const QString kNote6 = QStringLiteral("المسنة : هي ما أكملت سنتين");
const QString kNote7 = QStringLiteral("يجوز اخراج تبيع (ذكر) بدلا من تبيعة");
const QString kNote8 = QStringLiteral("يجوز اخراج تبيع (ذكر) بدلا من تبيعة من البقر والجاموس");
const QString kNote9 = QStringLiteral("يجوز اخراج تبيع(ذكر) بدلا من تبيعة");
const QString kNote10 = QStringLiteral("يجوز اخراج 3 مسنة بدلا من 4 تبيعة");
const QString kNote11 = QStringLiteral("يجوز اخراج 3 مسنة بلا من 4 تبيعة");

// Runs of full stops in the note lines and the cells a result leaves empty.
const QString kSpacedStops = QStringLiteral(" . . . . . . . . . . .");
const QString kStops18 = QString(18, QLatin1Char('.'));
const QString kSpaceStops20 = QStringLiteral(" ") + QString(20, QLatin1Char('.'));
const QString kStops21 = QString(21, QLatin1Char('.'));
const QString kStops22 = QString(22, QLatin1Char('.'));
const QString kStops23 = QString(23, QLatin1Char('.'));
const QString kStops4 = QStringLiteral("....");
const QString kStops4Spaced = QStringLiteral(".... ");
const QString kStops5 = QStringLiteral(".....");

// From 130 head a tabi'a is due for every 30; ten or more left over turn
// one tabi'a into a musinna, twenty or more turn two.
constexpr double kRuleFrom = 130;
constexpr std::int32_t kPerTabia = 30;
constexpr std::int32_t kMusinnaCoversMore = 10; // a musinna (40) covers ten head more than a tabi'a (30)
constexpr int kTabiaBeforeThreeMusinna = 3; // four tabi'a may be three musinna instead

// Below the nisab of 30 nothing is due; then tabi'a and musinna in the
// combination that covers the herd, up to four tabi'a at 120.
const std::array<HerdBand, 10> &bands()
{
    static const std::array<HerdBand, 10> table = {{
        {30, 0, kStops4Spaced, 0, kStops4,
         {kNote1, kSpacedStops, kSpacedStops, kSpacedStops, kSpacedStops}},
        {40, 1, kTabia, 0, kStops4, {kNote2, kNote7, kStops23, kStops22, kSpacedStops}},
        {60, 1, kMusinna, 0, kStops4Spaced, {kNote3, kNote8, kStops23, kStops22, kSpacedStops}},
        {70, 2, kTabia, 0, kStops4, {kNote2, kNote7, kStops23, kStops22, kSpacedStops}},
        {80, 1, kTabia, 1, kMusinna, {kNote2, kNote7, kStops23, kNote4, kSpacedStops}},
        {90, 2, kMusinna, 0, kStops5, {kNote3, kStops23, kStops23, kStops22, kSpacedStops}},
        {100, 3, kTabia, 0, kStops4, {kNote2, kNote7, kStops23, kStops22, kSpacedStops}},
        {110, 2, kTabia, 1, kMusinna, {kNote2, kNote7, kStops23, kNote4, kSpacedStops}},
        {120, 1, kTabia, 2, kMusinna, {kNote2, kNote7, kStops23, kNote4, kSpacedStops}},
        {kRuleFrom, 4, kTabia, 0, kStops4, {kNote2, kNote7, kNote5, kNote10, kSpacedStops}},
    }};
    return table;
}

// From 130 head: tabi'a for every 30, with the fewest musinna that leave
// fewer than ten head uncovered.
std::optional<HerdDue> generalRule(double x)
{
    const std::optional<std::int32_t> head = wholeNumber(x);
    if (!head)
        return std::nullopt;
    const auto [tabia, musinna] = fewestOlder(*head, kPerTabia, kMusinnaCoversMore);
    if (musinna == 0)
        return HerdDue{tabia, kTabia, 0, kStops4, {kNote2, kNote7, kNote10, kNote5, kSpacedStops}};
    // While more than three tabi'a are due, three musinna may stand for four.
    const bool offerMusinna = tabia > kTabiaBeforeThreeMusinna;
    const QString &definition = musinna == 1 ? kNote5 : kNote6;
    const QString &threeMusinna = musinna == 1 ? kNote10 : kNote11;
    return HerdDue{tabia, kTabia, musinna, kMusinna,
                   {kNote2, kNote9, definition, offerMusinna ? threeMusinna : kStops21,
                    kSpacedStops}};
}

} // namespace

std::optional<HerdDue> cattleDue(double x)
{
    if (auto due = dueOfBand(bands(), x))
        return due;
    return generalRule(x);
}

HerdRows cattleReset()
{
    return {{kStops4, kStops4},
            {kNoCount, kStops4},
            {kStops18, kSpaceStops20, kStops21, kStops21, kStops21}};
}
