#include "standins/qortext/TextFile.h"

#include <sstream>

namespace {

std::string Unescape(const std::string& text)
{
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == '\\'))
            plain += text[++i] == 'n' ? '\n' : '\\';
        else
            plain += text[i];
    }
    return plain;
}

} // namespace

std::map<std::string, std::string> ParseTextFile(const std::string& content)
{
    std::map<std::string, std::string> texts;
    std::istringstream lines(content);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t equals = line.find("=\"");
        if (line.empty() || line[0] == '#' || equals == std::string::npos || equals == 0
            || line.back() != '"' || line.size() < equals + 3)
            continue;
        const size_t first = equals + 2;
        texts[line.substr(0, equals)] = Unescape(line.substr(first, line.size() - 1 - first));
    }
    return texts;
}
