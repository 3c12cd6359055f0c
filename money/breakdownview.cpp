// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/breakdownview.h"

#include "core/numbers.h"
#include "money/breakdown.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/look.h"
#include "ui/summary.h"

#include <QPalette>
#include <QStringList>

#include <utility>

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

void showBreakdown(const BreakdownControls &controls)
{
    const auto parts = breakDownAmount(controls.amount->text());
    if (!parts)
        return;
    controls.wholePart->setText(parts->wholePart);
    controls.millions->setText(parts->millions);
    controls.thousands->setText(parts->thousands);
    controls.units->setText(parts->units);
    controls.fraction->setText(parts->fraction);
    controls.hundredths->write(parts->hundredths);
    controls.millionName->setVisible(parts->showMillionName);
    controls.thousandName->setVisible(parts->showThousandName);
    controls.unitName->setVisible(parts->showUnitName);
    controls.hundredthName->setVisible(parts->showHundredthName);
}

QString breakdownText(const BreakdownControls &controls)
{
    const std::pair<QString, DesignLabel *> rows[] = {
        {controls.millions->text(), controls.millionName},
        {controls.thousands->text(), controls.thousandName},
        {controls.units->text(), controls.unitName},
        {controls.hundredths->text(), controls.hundredthName}};
    QStringList shown;
    for (const auto &[number, name] : rows)
        if (!name->isHidden() && !trimBlanks(number).isEmpty())
            shown << trimBlanks(number) << readable(name->text());
    return shown.join(u' ');
}
