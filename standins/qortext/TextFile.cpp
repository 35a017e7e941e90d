#include "standins/qortext/TextFile.h"

#include <algorithm>


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
    // Split by hand: a string stream would set up the runtime's locale, which
    // costs each load of the library handles that its unload never releases.
    for (size_t start = 0; start < content.size();) {
        const size_t end = std::min(content.find('\n', start), content.size());
        std::string line = content.substr(start, end - start);
        start = end + 1;
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
