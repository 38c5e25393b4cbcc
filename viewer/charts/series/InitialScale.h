#pragma once
// The axes a chart opens with, before the data it shows widen them: the same for a set's own
// window and for a comparison of sets, so that both show a quantity alike.

#include "KindTraits.h"
#include "TSkala.h"

// A thick set's time axis runs to 12 h in 6 divisions, a thin set's to 2000 s in 10. A profile
// starts 2 mm deep; the case depth's time axis is the set's own (its end is 0 here). The mass
// and mean-carbon files bring their own axes: for them this is only a fallback.
TSkala initialScale(ChartKind kind, TimeUnit unit);
