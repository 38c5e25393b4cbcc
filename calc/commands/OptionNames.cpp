#include "OptionNames.h"

#include <algorithm>

std::string spelledOption(std::string_view name, Spelling spelling) {
    std::string spelled(name);
    if (spelling == Spelling::Script)
        return spelled;
    std::replace(spelled.begin(), spelled.end(), '_', '-');
    return "--" + spelled;
}

std::string spelledWords(std::string_view words, Spelling spelling) {
    std::string spelled;
    for (std::size_t at = 0; at < words.size();) {
        const std::size_t open = words.find('{', at);
        const std::size_t close = words.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            spelled += words.substr(at);
            break;
        }
        spelled += words.substr(at, open - at);
        spelled += spelledOption(words.substr(open + 1, close - open - 1), spelling);
        at = close + 1;
    }
    return spelled;
}
