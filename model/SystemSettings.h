// The colour setting that one back-end system uses: the values Theme and
// ActiveColorSetting of its key below Systems, read user-then-machine and
// written to the user's hive.
#pragma once

#include <string>

class CSystemSettings {
public:
    // A null name is taken as empty.
    explicit CSystemSettings(const char* system);

    // Whether the name can be a key of its own below Systems. An empty name
    // would stand for Systems itself and one with a backslash for a key
    // further down, so such a system is neither read, written nor deleted.
    bool IsValid() const { return !m_strKey.empty(); }

    // ActiveColorSetting of the user's key, else of the machine's; empty
    // when missing.
    std::string ReadActiveColorSetting() const;
    // Writes Theme, then ActiveColorSetting into the user's key, creating it
    // when needed.
    bool Store(const std::string& theme, const std::string& colorSetting) const;
    // Deletes the user's key with everything below it; the machine's stays.
    bool Reset() const;

private:
    std::string m_strKey;  // empty for a name that cannot be a key
};
