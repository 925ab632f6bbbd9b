#include "command_line.h"

namespace zplat {

std::vector<std::string> splitCommandLine(std::string_view line) {
    std::vector<std::string> args;
    std::string current;
    bool inArg = false;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            std::size_t n = 0;
            while (i < line.size() && line[i] == '\\') {
                ++n;
                ++i;
            }
            inArg = true;
            if (i < line.size() && line[i] == '"') {
                current.append(n / 2, '\\');
                if (n % 2 == 1) {
                    current.push_back('"');
                    continue;
                }
                quoted = !quoted;
                continue;
            }
            current.append(n, '\\');
            --i;
            continue;
        }
        if (c == '"') {
            quoted = !quoted;
            inArg = true;
            continue;
        }
        if ((c == ' ' || c == '\t') && !quoted) {
            if (inArg) args.push_back(std::move(current));
            current.clear();
            inArg = false;
            continue;
        }
        current.push_back(c);
        inArg = true;
    }
    if (inArg) args.push_back(std::move(current));
    return args;
}

}  // namespace zplat
