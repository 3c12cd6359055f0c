#pragma once

#include "metalscreen.h"

// The gold window: the quarter-tenth due on a weight of gold in grams, from
// the nisab of 85 grams, and its value in money.
class frmzakat4 : public MetalScreen {
    Q_OBJECT
public:
    frmzakat4();
};
