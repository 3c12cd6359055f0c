// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QByteArray>
#include <QStringList>

// Properties of the household's record that must hold whatever bytes its file
// holds and whatever is typed as a payment. Shared by the fuzz target and the
// corpus replay; returns the properties broken, one line each.
//
// The bytes as a store's file: read without crashing; a file read as ours
// writes back to a document that reads as the same household. Each line as a
// payment typed, under each locale the program must read: an amount taken is
// whole hundredths, never below zero, written back as the same amount; the
// lines as payments against the first line as a due leave a remaining due
// never below zero, and nothing remaining exactly when paid in full.
QStringList recordInputFaults(const QByteArray &bytes);
