// The colours of the running front end: one copy in a section that every
// process with the library loaded shares, guarded by a named mutex, with a
// generation that changes at each change so that windows can poll it.
#pragma once

#include "standins/qorrm/ColorList.h"

#include <optional>

namespace live_colors {

bool Apply(const ColorList& colors);
// The live colours, when any were applied since the last Clear.
std::optional<ColorList> Current();
LONG Generation();
void Clear();

} // namespace live_colors
