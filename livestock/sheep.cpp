// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/sheep.h"

#include <utility>

namespace {

const QString kSheep = QStringLiteral("شاة");
const QString kNothing = QStringLiteral("صفر");
const QString kDots4 = QStringLiteral("....");

constexpr double kNisab = 40;
// Up to (not including) each limit, this many sheep are due.
constexpr std::array<std::pair<double, std::int32_t>, 3> kBands = {{{121, 1}, {201, 2}, {301, 3}}};
constexpr std::int32_t kHeadPerSheep = 100; // beyond the bands, one sheep per full hundred

} // namespace

std::optional<std::int32_t> sheepDue(double x)
{
    if (x < kNisab)
        return 0;
    for (const auto &[below, sheep] : kBands)
        if (x < below)
            return sheep;
    const std::optional<std::int32_t> head = wholeNumber(x);
    if (!head)
        return std::nullopt;
    return *head / kHeadPerSheep;
}

DueRow sheepRow(std::int32_t sheep)
{
    // Below the nisab the count reads "zero" in words, and no kind.
    if (sheep == 0)
        return {kNothing, kDots4};
    return {integerText(sheep), kSheep};
}

DueRow sheepReset()
{
    return {kDots4, kDots4};
}
