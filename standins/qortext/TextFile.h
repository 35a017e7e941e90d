// The text files of a text module: one text a line, KEY="text"; the text is
// what stands between the first and the last double quote of the line, with
// \n for a line feed and \\ for a backslash. Lines starting with # and lines
// of any other form are skipped.
#pragma once

#include <map>
#include <string>

std::map<std::string, std::string> ParseTextFile(const std::string& content);
