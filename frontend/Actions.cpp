#include "frontend/Actions.h"

#include <cstdlib>

const char kUsage[] =
    "usage: qorfront [options] [actions]\n"
    "  --windows N              open N session windows (1)\n"
    "  --thread-theme THEME     the theme the theme library reports for this thread\n"
    "  --thread-color SETTING   the colour setting it reports for this thread\n"
    "actions, run in order once the windows are open:\n"
    "  --sheet                  open the customizing sheet\n"
    "  --system NAME            open the colour setting dialog of a back-end system\n"
    "  --reinit                 make the module re-read its colour settings\n"
    "  --print-handle           print the customizing sheet's window handle\n"
    "  --new-window             open one more session window\n"
    "  --quit                   end the front end\n";

std::optional<FrontEndOptions> ParseCommandLine(const std::vector<std::string>& arguments)
{
    FrontEndOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (option == "--sheet")
            options.actions.push_back({Action::kOpenSheet, ""});
        else if (option == "--reinit")
            options.actions.push_back({Action::kReinit, ""});
        else if (option == "--print-handle")
            options.actions.push_back({Action::kPrintSheetHandle, ""});
        else if (option == "--new-window")
            options.actions.push_back({Action::kNewWindow, ""});
        else if (option == "--quit")
            options.actions.push_back({Action::kQuit, ""});
        else if (option == "--system" && hasValue)
            options.actions.push_back({Action::kOpenSystemDialog, arguments[++i]});
        else if (option == "--thread-theme" && hasValue)
            options.threadTheme = arguments[++i];
        else if (option == "--thread-color" && hasValue)
            options.threadColor = arguments[++i];
        else if (option == "--windows" && hasValue) {
            options.windows = std::atoi(arguments[++i].c_str());
            if (options.windows < 1 || options.windows > 16)
                return std::nullopt;
        } else
            return std::nullopt;
    }
    return options;
}
