#include "breakdownview.h"

#include "breakdown.h"
#include "widgets.h"

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
