// The maker's libraries that the module calls: the theme library, the text
// library and the utility library. The module reaches them only through
// this header, and imports them by name at load time.
#pragma once

#include "standins/qorrm/qorrm.h"
#include "standins/qortext/qortext.h"
#include "standins/qorutil/qorutil.h"

#include <string>

// The theme library writes names into buffers of this size.
const int kLibraryNameBufferSize = 256;

// A name the theme library writes through get(buffer, told), ended inside
// the buffer whatever the library wrote.
template <class Get>
std::string AskLibraryName(Get get, int told = kLibraryNameBufferSize)
{
    char name[kLibraryNameBufferSize] = {};
    get(name, told);
    name[kLibraryNameBufferSize - 1] = '\0';
    return name;
}
