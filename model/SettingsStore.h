// The registry store of the appearance settings: the few ways the module reads
// and writes a value. A value counts as missing when it is absent, of another
// type than the reader expects, or longer than the reader's buffer.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace settings {

// The root of the appearance settings, in both hives.
extern const char kAppearanceKey[];
// Under it, one key per visual theme.
extern const char kThemesKey[];

// Bytes a string is read into, its terminating zero included: a stored text
// of 256 or more characters is missing.
const DWORD kValueBufferSize = 256;

// A string (REG_SZ, or REG_EXPAND_SZ taken verbatim) of an open key.
std::optional<std::string> ReadString(HKEY key, const char* name,
                                      DWORD bufferSize = kValueBufferSize);
// A 32-bit number (REG_DWORD) of an open key.
std::optional<DWORD> ReadNumber(HKEY key, const char* name);
// Writes REG_SZ with its terminating zero; answers whether it was written.
bool WriteString(HKEY key, const char* name, const std::string& text);
// Whether a name can be a key of its own right below another: not empty, no
// backslash (which would address a key further down).
bool IsSubkeyName(const std::string& name);
// The names of an open key's subkeys, in the registry's order. A name that
// does not fit the buffer (Wine allows one character more than Windows) is
// passed over; the listing goes on past it.
std::vector<std::string> SubkeyNames(HKEY key, DWORD bufferSize = kValueBufferSize);
// Writes REG_DWORD; answers whether it was written.
bool WriteNumber(HKEY key, const char* name, DWORD value);

// The user's value, or the machine's when the user has none (the shell's
// user/machine lookup).
std::optional<std::string> ReadUserThenMachineString(const char* path, const char* name,
                                                     DWORD bufferSize = kValueBufferSize);
std::optional<DWORD> ReadUserThenMachineNumber(const char* path, const char* name);
// Writes into the user hive, creating the key there when needed.
bool WriteUserString(const char* path, const char* name, const std::string& text);

} // namespace settings
