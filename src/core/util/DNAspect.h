#pragma once

#include <QSize>

// The largest size of the ratio rw:rh that fits a bw x bh box, truncated to whole numbers.
// Ratios within 0.0001 of the box's give the box itself. A zero ratio or box side gives 0 x 0.
QSize DNAspectFitSize(double rw, double rh, double bw, double bh);
