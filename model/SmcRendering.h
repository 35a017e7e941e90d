// The process-wide SMC rendering switch: when on, the sheet has no Color
// Settings page, the font scaling goes up to 200 percent and the theme cannot
// be changed.
#pragma once

#include <windows.h>

// Read once per process (user hive, then machine hive) and cached.
BOOL IsSmcRenderingEnabled();
