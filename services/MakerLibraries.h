// The maker's libraries that the module calls: the theme library, the text
// library and the utility library. The module reaches them only through
// this header, and imports them by name at load time.
#pragma once

#include "standins/qorrm/qorrm.h"
#include "standins/qortext/qortext.h"
#include "standins/qorutil/qorutil.h"
