// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/breakdownview.h"

#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/look.h"

#include <QPalette>

void makeHundredthsBox(EntryField *box, const QColor &background)
{
    box->setEnabled(false);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette colours = box->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Text, Colour::Yellow);
        colours.setColor(group, QPalette::Base, background);
    }
    box->setPalette(colours);
}

void tieBoxesToNames(const BreakdownView &view)
{
    view.millions->setShownWith(view.millionName);
    view.thousands->setShownWith(view.thousandName);
    view.units->setShownWith(view.unitName);
    // The hundredths box is never reached (it is disabled); the units say it.
    view.units->setReadWith(view.hundredths);
}

void showBreakdown(const BreakdownView &view, const Breakdown &breakdown)
{
    const BreakdownTexts texts = breakdownTexts(breakdown);
    if (view.wholePart)
        view.wholePart->setText(texts.wholePart);
    view.millions->setText(texts.millions);
    view.thousands->setText(texts.thousands);
    view.units->setText(texts.units);
    if (view.fraction)
        view.fraction->setText(texts.fraction);
    view.hundredths->write(texts.hundredths);
    view.millionName->setVisible(breakdown.millions.has_value());
    view.thousandName->setVisible(breakdown.thousands.has_value());
    view.unitName->setVisible(true);
    view.hundredthName->setVisible(true);
    for (DesignLabel *box : {view.millions, view.thousands, view.units})
        box->refreshReachable(); // reached now that its name shows
}

void clearBreakdown(const BreakdownView &view, int kept)
{
    for (DesignLabel *box : {view.millions, view.thousands, view.units, view.fraction})
        if (box)
            box->setText(QString());
    if (view.wholePart && !(kept & KeepWholePart))
        view.wholePart->setText(QString());
    view.hundredths->write(QString());
    if (!(kept & KeepNames))
        for (DesignLabel *name :
             {view.millionName, view.thousandName, view.unitName, view.hundredthName})
            name->hide();
}
