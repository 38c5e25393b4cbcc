#include "CommandOptions.h"

#include "CalcCommandLine.h"
#include "SetNames.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

namespace {

constexpr int refusedStatus = 2;

} // namespace

Options parseOptions(const std::vector<std::string>& words,
                     std::initializer_list<std::string_view> known, LeadingFile leading) {
    return parseOptions(words, std::vector<std::string_view>(known), leading);
}

Options parseOptions(const std::vector<std::string>& words,
                     const std::vector<std::string_view>& known, LeadingFile leading) {
    Options options;
    std::size_t first = 0;
    if (leading == LeadingFile::Required) {
        if (words.empty() || words[0].starts_with("-")) {
            options.problem = "the process-data file must follow the command";
            return options;
        }
        options.file = words[0];
        first = 1;
    }
    for (std::size_t i = first; i < words.size(); ++i) {
        const std::string& word = words[i];
        bool isKnown = false;
        for (std::string_view name : known)
            isKnown = isKnown || word == name;
        if (!isKnown) {
            options.problem = "unknown option " + word;
            return options;
        }
        if (i + 1 >= words.size()) {
            options.problem = word + " needs a value";
            return options;
        }
        options.values[word] = words[++i];
    }
    return options;
}

std::optional<double> parsedNumber(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool numberOption(const Options& options, const std::string& name, std::optional<double>& value,
                  std::string& problem) {
    const auto found = options.values.find(name);
    if (found == options.values.end())
        return true;
    value = parsedNumber(found->second);
    if (!value)
        problem = name + " " + found->second + ": must be a number";
    return value.has_value();
}

int usageError(const std::string& problem) {
    std::fprintf(stderr, "tavcalc: %s\n%s", problem.c_str(), calcUsage().c_str());
    return refusedStatus;
}

ReadFile readHead(const std::string& argument) {
    ReadFile file{commandLineName(argument), std::nullopt};
    const std::optional<std::string> text = wholeFile(file.path);
    if (!text) {
        std::fprintf(stderr, "tavcalc: %s: cannot be opened\n", file.path.c_str());
        return file;
    }
    HeadReading reading = readCheckedProcessHead(*text);
    if (!reading.head)
        std::fprintf(stderr, "tavcalc: %s: %s %s\n", file.path.c_str(),
                     reading.problem.field.c_str(), reading.problem.rule.c_str());
    file.head = std::move(reading.head);
    return file;
}

std::string outputName(const Options& options, const std::string& fallback) {
    const auto found = options.values.find("-o");
    if (found == options.values.end())
        return fallback;
    return std::filesystem::absolute(found->second).lexically_normal().string();
}
