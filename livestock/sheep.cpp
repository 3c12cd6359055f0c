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
constexpr std::array<std::pair<double, int>, 3> kBands = {{{121, 1}, {201, 2}, {301, 3}}};
constexpr int kHeadPerSheep = 100; // beyond the bands, one sheep per full hundred

} // namespace

std::optional<SheepRow> sheepDue(double x)
{
    if (x < kNisab)
        return SheepRow{kNothing, kDots4};
    for (const auto &[below, sheep] : kBands)
        if (x < below)
            return SheepRow{integerText(sheep), kSheep};
    const std::optional<std::int32_t> head = wholeNumber(x);
    if (!head)
        return std::nullopt;
    return SheepRow{integerText(*head / kHeadPerSheep), kSheep};
}

SheepRow sheepReset()
{
    return {kDots4, kDots4};
}
