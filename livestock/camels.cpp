// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/camels.h"

namespace {

// The notes N(1) to N(26): the substitutes a herder may give when the due
// animal is missing, and what each age of camel is.
const QString &N(int key)
{
    static const std::array<QString, 26> notes = {
        QStringLiteral("لم تبلغ نصاب الابل وهو خمسة"),
        QStringLiteral("ان لم يكن عندك شاة اشتري واخرجها"),
        QStringLiteral("ان لم يكن عندك شياة اشتري واخرجها"),
        QStringLiteral("ان لم تجد بنت مخاض فأخرج بن لبون ذكر وهي الحالة الوحيدة الي يصلح في الزكاة ذكر الابل "),
        QStringLiteral("بنت المخاض: الانثى التي اكملت سنة ودخلت في الثانية"),
        QStringLiteral(" لا يجوز اخراج أصغر من بنت مخاض"),
        QStringLiteral("ان لم تجد فاخرج بنت  لبون وهي التي اكملت سنتين وتأخذ شاتين من عامل الزكاة أو ما يساويهما من المال"),
        QStringLiteral("بنت لبون:الانثى التي اكملت سنتين ودخلت في الثالثة"),
        QStringLiteral("ان لم تجد بنت  لبون  لك ان تخرج بنت مخاض وهي التي اكملت سنة وتخرج معها شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral(" أو  تخرج حقة وهي التي اتمت 3 سنوات وتأخذ من عامل الزكاة شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral("الحقة: الانثى التي اكملت 3سنوات ودخلت في الرابعة"),
        QStringLiteral("ان لم تجد الحفة  لك ان تخرج بنت لبون وهي التي اكملت سنتين وتخرج معها شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral("  أو  تخرج جذعة وهي التي اكملت 4 سنوات وتأخذ من عامل الزكاة شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral("الجذعة: الانثى التي اكملت 4 سنوات ودخلت في الخامسة"),
        QStringLiteral("ان لم تجد الجذعة لك ان تخرج حقة وهي التي اكملت 3 سنوات وتخرج معها شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral(" وان أخرجت اكبر من جذعة  اي  أكبر من 5سنوات فيكفي عن الجذعة وليس لك شيء جبران "),
        QStringLiteral("بنت لبون: الانثى التي اكملت سنتين ودخلت في الثالثة"),
        QStringLiteral("ان لم تجد بنت  لبون  لك ان تخرج بنت مخاض وهي التي اتمت سنة وتخرج معها شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral("ان لم تجد الحقة لك ان تخرج بنت لبون وهي التي اتمت سنتين و تخرج معها شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral(" أو  تخرج جذعة وهي التي اكملت 4 سنوات وتأخذ من عامل الزكاة شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral(" ان لم تجد حقة فلك ان تخرج بنت لبون وتخرج معها شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral("ان لم تجد حقة  لك ان تخرج بنت لبون وهي التي اتمت سنتين وتخرج معها شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral(" أو  تخرج جذعة وهي التي اتمت 4 سنوات وتأخذ من عامل الزكاة شاتين أو ما  يساوي الشاتين من المال"),
        QStringLiteral("الحقة:الانثى  التي اكملت 3سنوات ودخلت في الرابعة"),
        QStringLiteral(" يجوز اخراج أربع حفات بدلا من خمسة بنت لبون"),
        QStringLiteral(" أو تخرج حقة وهي التي اكملت 3 سنوات ويعطيك عامل الزكاة شاتين او ما يساويهما من المال"),
    };
    return notes.at(key - 1);
}

// The dotted runs D(1) to D(9) that fill the note lines a band does not need.
const QString &D(int key)
{
    static const std::array<QString, 9> dots = {
        QStringLiteral(" . . . . . . . . . . ."),
        QStringLiteral(" . . . . . . . ."),
        QStringLiteral(". . . . . . . . . "),
        QStringLiteral(" . . . . . . . . .  "),
        QStringLiteral(". . . . . . . . . . ."),
        QStringLiteral(" ...................."),
        QStringLiteral(". . . . . . . . . . . "),
        QStringLiteral(" . . . . . . . . . . . ."),
        QStringLiteral(". . . . . . . . . . . . "),
    };
    return dots.at(key - 1);
}

// The kinds of camel due, each spelt as its rows show it.
const QString kSheep = QStringLiteral("شاة");
const QString kBintMakhad = QStringLiteral("بنت مخاض");   // female in its second year
const QString kBintLabun = QStringLiteral("بنت لبون");    // female in its third year
const QString kBintLabunSpaced = QStringLiteral("بنت لبون ");
const QString kHiqqa = QStringLiteral("حقة");            // female in its fourth year
const QString kHiqqaSpaced = QStringLiteral("حقة ");
const QString kHiqqaStretched = QStringLiteral("حقـة ");
const QString kJadhaa = QStringLiteral("جذعة");          // female in its fifth year

// Placeholders of an empty cell.
const QString kDots3 = QStringLiteral("...");
const QString kDots3Spaced = QStringLiteral("... ");
const QString kDots4 = QStringLiteral("....");
const QString kDots4Spaced = QStringLiteral(".... ");

// From 210 camels one bint labun is due for every 40 and one hiqqa for every 50.
constexpr double kGeneralRuleFrom = 210;
constexpr std::int32_t kPerBintLabun = 40;
constexpr std::int32_t kHiqqaCoversMore = 10; // a hiqqa (50) covers ten camels more than a bint labun (40)
constexpr int kBintLabunBeforeFourHiqqa = 4; // five bint labun may be four hiqqa instead

// Below the nisab of five nothing is due; then a sheep for every five camels
// up to 24; from 25 one camel whose age grows with the herd, two from 76; and
// from 121 bint labun and hiqqa, each band naming its substitutes.
const std::array<HerdBand, 20> &bands()
{
    static const std::array<HerdBand, 20> table = {{
        {5, 0, kDots4, 0, kDots3Spaced, {N(1), D(1), D(1), D(1), D(1)}},
        {10, 1, kSheep, 0, kDots3Spaced, {N(2), D(1), D(1), D(1), D(1)}},
        {15, 2, kSheep, 0, kDots3Spaced, {N(3), D(1), D(1), D(1), D(1)}},
        {20, 3, kSheep, 0, kDots3Spaced, {N(3), D(1), D(1), D(1), D(1)}},
        {25, 4, kSheep, 0, kDots3Spaced, {N(3), D(1), D(1), D(1), D(1)}},
        {36, 1, kBintMakhad, 0, kDots3Spaced, {N(4), N(5), N(6), N(7), D(1)}},
        {46, 1, kBintLabun, 0, kDots3Spaced, {N(8), D(1), N(9), N(10), D(1)}},
        {61, 1, kHiqqa, 0, kDots3Spaced, {N(11), D(1), N(12), N(13), D(1)}},
        {76, 1, kJadhaa, 0, kDots3Spaced, {N(14), D(1), N(15), N(16), D(1)}},
        {91, 2, kBintLabun, 0, kDots3Spaced, {N(17), D(1), N(18), N(10), D(1)}},
        {121, 2, kHiqqaSpaced, 0, kDots3Spaced, {N(11), D(2), N(19), N(20), D(1)}},
        {130, 3, kBintLabunSpaced, 0, kDots3Spaced, {N(17), D(3), N(18), N(10), D(1)}},
        {140, 2, kBintLabunSpaced, 1, kHiqqa, {N(17), N(11), N(18), N(21), D(1)}},
        {150, 1, kBintLabunSpaced, 2, kHiqqa, {N(8), N(11), N(18), N(21), D(1)}},
        {160, 3, kHiqqa, 0, kDots3Spaced, {N(11), D(4), N(22), N(23), D(1)}},
        {170, 4, kBintLabunSpaced, 0, kDots3, {N(17), D(5), N(18), N(10), D(1)}},
        {180, 3, kBintLabunSpaced, 1, kHiqqa, {N(17), N(11), N(18), N(21), D(1)}},
        {190, 2, kBintLabunSpaced, 2, kHiqqa, {N(17), N(11), N(18), N(21), D(1)}},
        {200, 1, kBintLabunSpaced, 3, kHiqqa, {N(17), N(24), N(18), N(21), D(1)}},
        {kGeneralRuleFrom, 5, kBintLabunSpaced, 0, kDots3, {N(17), N(25), N(11), N(18), N(26)}},
    }};
    return table;
}

// From 210 camels: the fewest hiqqa that leave fewer than ten camels
// uncovered, and bint labun for the rest.
std::optional<HerdDue> generalRule(double n)
{
    const std::optional<std::int32_t> camels = wholeNumber(n);
    if (!camels)
        return std::nullopt;
    const auto [bintLabun, hiqqa] = fewestOlder(*camels, kPerBintLabun, kHiqqaCoversMore);
    if (hiqqa == 0)
        return HerdDue{bintLabun, kBintLabun, 0, kDots3, {N(17), N(25), N(11), N(18), N(10)}};
    // While more than four bint labun are due, four hiqqa may stand for five.
    const QString &fourHiqqa = bintLabun > kBintLabunBeforeFourHiqqa ? N(25) : D(6);
    // Three hiqqa define the hiqqa in the spelling N24.
    const QString &hiqqaDefinition = hiqqa == 3 ? N(24) : N(11);
    return HerdDue{bintLabun, kBintLabun, hiqqa, kHiqqaStretched,
                   {N(17), hiqqaDefinition, N(18), N(21), fourHiqqa}};
}

} // namespace

std::optional<HerdDue> camelsDue(double n)
{
    if (auto due = dueOfBand(bands(), n))
        return due;
    return generalRule(n);
}

HerdRows camelsReset()
{
    return {{kDots4, kDots4}, {kNoCount, kDots4Spaced}, {D(7), D(1), D(8), D(9), D(1)}};
}
