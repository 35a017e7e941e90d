// Registry values as the stand-in libraries keep and read them. A value that
// is missing, of another type or longer than the reader accepts reads as
// absent.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace standin {

// Strings longer than this (terminator included) read as absent.
constexpr DWORD kMaxStringBytes = 1024;

std::optional<std::string> ReadString(HKEY hive, const std::string& path, const char* name);
// The user's value, else the machine's.
std::optional<std::string> ReadUserThenMachine(const std::string& path, const char* name);
std::optional<DWORD> ReadDword(HKEY hive, const std::string& path, const char* name);
// Binary data of exactly the given size.
bool ReadBinary(HKEY hive, const std::string& path, const char* name, void* data, DWORD size);

// Each creates the key in the hive when needed.
bool WriteString(HKEY hive, const std::string& path, const char* name, const std::string& value);
bool WriteDword(HKEY hive, const std::string& path, const char* name, DWORD value);
bool WriteBinary(HKEY hive, const std::string& path, const char* name, const void* data,
                 DWORD size);

// A name that can stand as one key below a path: not empty, no backslash.
bool IsKeyName(const char* name);

} // namespace standin
