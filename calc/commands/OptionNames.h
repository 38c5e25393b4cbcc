#pragma once
// The options of the commands as each front end spells them in its messages: "chd_limit" is
// "--chd-limit" on the command line and the keyword chd_limit in Python, so that one conflict is
// worded once for both.

#include <string>
#include <string_view>

enum class Spelling { CommandLine, Script };

// `name` (with underscores, as Python spells it) in the front end's spelling.
std::string spelledOption(std::string_view name, Spelling spelling);

// `words` with every "{name}" spelled: "{diffuse} needs {surface}" is "--diffuse needs --surface"
// on the command line.
std::string spelledWords(std::string_view words, Spelling spelling);
