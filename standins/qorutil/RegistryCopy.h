// A registry subtree copied into another key without removing anything there.
#pragma once

#include <windows.h>

#include <string>

struct RegistryCopyOptions {
    std::string subkeyFilter;  // which subkeys of the source key (top level only)
    std::string valueFilter;   // which values, at every level
    bool overwrite = false;    // also replace values that the target holds
};

// Copies what it can; answers ERROR_SUCCESS or the first failure met.
LONG CopyRegistryTree(HKEY source, HKEY target, const RegistryCopyOptions& options);
