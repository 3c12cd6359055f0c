// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

#include <optional>

// What the harvest or the find is, which fixes the share due on it.
enum class ProduceKind {
    RainWatered, // watered without cost or machinery: a tenth
    Irrigated,   // watered at a cost, with machinery: half a tenth
    Treasure,    // buried treasure of the pre-Islamic era (rikaz): a fifth
};

// The quantity is divided by this to give the share due.
double shareDivisor(ProduceKind kind);

// The name of the rate as the window shows it once the user has chosen it.
QString rateName(ProduceKind kind);

// The share due on a quantity, in the quantity's own unit, as shown. No nisab
// applies here: every quantity from zero up owes its share, and a negative
// quantity owes nothing (0). No value for a quantity that is not finite.
std::optional<double> produceShare(double quantity, ProduceKind kind);
