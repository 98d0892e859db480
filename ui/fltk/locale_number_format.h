// How the user writes numbers, from the C library's locale.
#pragma once

#include "calc/circle.h"

namespace ui::fltk {

// The decimal separator of the current LC_NUMERIC locale; call after
// setlocale(LC_ALL, "").
calc::NumberFormat LocaleNumberFormat();

}  // namespace ui::fltk
