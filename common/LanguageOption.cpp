#include "LanguageOption.h"

namespace {

constexpr std::string_view optionName = "--lang";

} // namespace

std::size_t languageOptionWords(const std::vector<std::string>& arguments, std::size_t at) {
    if (arguments.at(at) != optionName)
        return 0;
    return at + 1 < arguments.size() ? 2 : 1;
}

std::optional<std::string> languageOption(const std::vector<std::string>& arguments) {
    std::optional<std::string> value;
    for (std::size_t at = 0; at < arguments.size(); ++at)
        if (languageOptionWords(arguments, at) == 2)
            value = arguments[++at];
    return value;
}
