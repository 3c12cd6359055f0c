// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

// A design text made easy to read on its own: the doubled blanks and the
// tatweel that stretch it to its place on the window taken out.
QString readable(const QString &designText);
