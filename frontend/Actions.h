// What the front end can be told to do, from its menu or its command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct Action {
    enum Kind { kOpenSheet, kOpenSystemDialog, kReinit, kPrintSheetHandle, kNewWindow, kQuit };
    Kind kind;
    std::string system;  // kOpenSystemDialog only
};

struct FrontEndOptions {
    int windows = 1;
    std::optional<std::string> threadTheme;  // declared to the theme library
    std::string threadColor;
    std::vector<Action> actions;  // run in order once the windows are open
};

// Null for a command line it does not understand.
std::optional<FrontEndOptions> ParseCommandLine(const std::vector<std::string>& arguments);

extern const char kUsage[];
