// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>
#include <QStringList>

#include <QtGlobal>

// Amounts of money in the record, counted exactly in whole hundredths (a
// halala, a piastre): what is paid and what remains are sums of the texts
// the user typed, never of floating-point values, so that 0.1 + 0.2 pays
// exactly 0.3.

enum class AmountProblem {
    None,
    NotANumber,      // not a number as the fields read them (readNumber)
    Negative,
    TooManyDecimals, // a payment finer than a hundredth
    TooLarge,        // above kLargestAmount, or a sum beyond it
};

// The largest amount, in hundredths: 999999999999999.99, fifteen whole digits
// as the whole-wealth window takes.
inline constexpr qint64 kLargestAmount = 99999999999999999;

struct Amount {
    AmountProblem problem = AmountProblem::None;
    qint64 hundredths = 0;
};

// An amount as typed: any number the fields accept (Arabic-Indic digits, the
// Arabic decimal separator, an exponent) that is not negative and has at most
// two decimals once written out.
Amount readAmount(const QString &text);

// A due as the whole-wealth window shows it, which may have more decimals
// (a quarter-tenth of 34250.5 is 856.2625): rounded up to the hundredth, since
// paying it rounded down would leave part of it unpaid.
Amount readDue(const QString &text);

// Hundredths written as the windows write figures: no grouping, no trailing
// zeros, the windows' decimal separator, a minus sign only below zero.
QString amountText(qint64 hundredths);

// An amount typed as the windows write figures (digits 0-9, no exponent),
// whatever digits it was typed in; the text itself when it is no amount.
QString amountShown(const QString &typed);

// A record's due against its payments.
struct Remaining {
    AmountProblem problem = AmountProblem::None; // of the due or of the first bad payment
    QString paid;      // the payments added up
    QString remaining; // what is left to pay; "0" once fully paid
    QString overpaid;  // what was paid beyond the due; empty when nothing was
    bool fullyPaid = false;
};
Remaining remainingDue(const QString &due, const QStringList &payments);
