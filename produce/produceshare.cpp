// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "produce/produceshare.h"

#include "core/numbers.h"

#include <cmath>

double shareDivisor(ProduceKind kind)
{
    switch (kind) {
    case ProduceKind::RainWatered:
        return 10;
    case ProduceKind::Irrigated:
        return 20;
    case ProduceKind::Treasure:
        return 5;
    }
    return 10;
}

QString rateName(ProduceKind kind)
{
    // The leading blank sets the chosen name off from the caption beside it.
    switch (kind) {
    case ProduceKind::RainWatered:
        return QStringLiteral(" العُشر");
    case ProduceKind::Irrigated:
        return QStringLiteral(" نصف العُشر");
    case ProduceKind::Treasure:
        return QStringLiteral(" الخُمس");
    }
    return QString();
}

std::optional<double> produceShare(double quantity, ProduceKind kind)
{
    if (!std::isfinite(quantity))
        return std::nullopt;
    if (quantity < 0)
        return 0.0;
    return shownValue(quantity / shareDivisor(kind)); // never -0
}
