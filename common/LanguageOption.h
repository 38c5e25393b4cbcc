#pragma once
// "--lang en" or "--lang pl": the language both programs' windows speak, whatever the desktop's.
// Like the window toolkit's options it may stand anywhere on a command line and is no part of
// what a program is asked to do (see programArguments).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The words the option takes at `arguments[at]`: 2 for "--lang en", 1 for a "--lang" that ends
// the line, 0 when it is something else.
std::size_t languageOptionWords(const std::vector<std::string>& arguments, std::size_t at);

// The value of the last "--lang" on the line; none when there is none.
std::optional<std::string> languageOption(const std::vector<std::string>& arguments);
