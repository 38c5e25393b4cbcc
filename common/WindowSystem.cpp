#include "WindowSystem.h"

#include "LanguageOption.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace {

struct ToolkitOption {
    std::string_view name;
    std::size_t words;
};

constexpr ToolkitOption toolkitOptions[] = {
    {"platform", 2}, {"platformpluginpath", 2}, {"platformtheme", 2}, {"plugin", 2},
    {"style", 2},    {"stylesheet", 2},         {"session", 2},       {"display", 2},
    {"geometry", 2}, {"qwindowgeometry", 2},    {"qwindowtitle", 2},  {"qwindowicon", 2},
    {"reverse", 1},  {"widgetcount", 1},        {"nograb", 1},        {"dograb", 1},
    {"sync", 1},
};

// The option's name without its one or two dashes; empty for anything else.
std::string_view optionName(std::string_view word) {
    if (word.starts_with("--"))
        return word.substr(2);
    if (word.starts_with("-"))
        return word.substr(1);
    return {};
}

// The value of a toolkit option such as "-platform", or empty.
std::string optionValue(const std::vector<std::string>& arguments, std::string_view name) {
    for (std::size_t at = 0; at < arguments.size(); ++at)
        if (toolkitOptionWords(arguments, at) == 2 && optionName(arguments[at]) == name &&
            at + 1 < arguments.size())
            return arguments[at + 1];
    return {};
}

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

bool platformReachable(std::string_view platform, bool displayOption) {
    const std::string_view name = platform.substr(0, platform.find(':'));
    if (name == "xcb")
        return displayOption || environmentSet("DISPLAY");
    if (name.starts_with("wayland"))
        return environmentSet("WAYLAND_DISPLAY");
    return !name.empty();
}

} // namespace

std::size_t toolkitOptionWords(const std::vector<std::string>& arguments, std::size_t at) {
    const std::string_view name = optionName(arguments.at(at));
    for (const ToolkitOption& option : toolkitOptions)
        if (option.name == name)
            return std::min(option.words, arguments.size() - at);
    return 0;
}

std::vector<std::string> programArguments(const std::vector<std::string>& arguments) {
    std::vector<std::string> own;
    for (std::size_t at = 0; at < arguments.size();) {
        std::size_t words = toolkitOptionWords(arguments, at);
        if (words == 0)
            words = languageOptionWords(arguments, at);
        if (words == 0)
            own.push_back(arguments[at++]);
        else
            at += words;
    }
    return own;
}

bool displayNamed(const std::vector<std::string>& arguments) {
    const bool displayOption = !optionValue(arguments, "display").empty();
    std::string platforms = optionValue(arguments, "platform");
    if (platforms.empty() && environmentSet("QT_QPA_PLATFORM"))
        platforms = std::getenv("QT_QPA_PLATFORM");
    if (platforms.empty()) // the toolkit's own choice: Wayland or X11, whichever is there
        return displayOption || environmentSet("DISPLAY") || environmentSet("WAYLAND_DISPLAY");
    // A list such as "wayland;xcb" is tried in order.
    std::string_view rest = platforms;
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(';'), rest.size());
        if (platformReachable(rest.substr(0, end), displayOption))
            return true;
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return false;
}
