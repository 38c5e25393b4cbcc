#pragma once
// The options of tavcalc's modes: words of one value each after the mode (and, for the modes
// that work on a set, after its file), read into a map, numbers in the C locale.

#include "ProcessCheck.h"

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Options {
    std::string file; // the set the mode works on, where it takes one
    std::map<std::string, std::string> values;
    std::string problem; // set when the words do not parse
};

enum class LeadingFile { Required, None };

// The words after the mode: with LeadingFile::Required the first is the set's file; every other
// word must be a `known` option followed by its value.
Options parseOptions(const std::vector<std::string>& words,
                     std::initializer_list<std::string_view> known,
                     LeadingFile leading = LeadingFile::Required);
Options parseOptions(const std::vector<std::string>& words,
                     const std::vector<std::string_view>& known,
                     LeadingFile leading = LeadingFile::Required);

// A whole word as a number, in the C locale.
std::optional<double> parsedNumber(const std::string& text);

// The value of an option as a number: absent options give nothing, malformed ones a problem
// ("--probe x: must be a number").
bool numberOption(const Options& options, const std::string& name, std::optional<double>& value,
                  std::string& problem);

// Says the problem and the usage on standard error; the status of a refused command line.
int usageError(const std::string& problem);

// A set's process data read for a mode, its path completed as the command line completes names.
struct ReadFile {
    std::string path;
    std::optional<ProcessHead> head; // empty when unusable: said on standard error
};
ReadFile readHead(const std::string& argument);

// The absolute name -o gives, else `fallback`.
std::string outputName(const Options& options, const std::string& fallback);
