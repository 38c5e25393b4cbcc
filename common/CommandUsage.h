#pragma once
// How a program tells its command line. Each program keeps its modes and options as one list of
// usage lines, from which "--help" prints (and manual pages can be made); what both programs
// say about set names and the data folder is written here once.

#include <span>
#include <string>
#include <string_view>

// One mode or option: how it is written, and what it does.
struct UsageLine {
    std::string_view form;
    std::string_view meaning;
};

// "Usage:", one line per entry with the forms aligned, then the notes on set names.
std::string usageText(std::span<const UsageLine> lines);

// Where a relative set name on the command line is looked for, and the folders of this copy.
std::string setNameNotes();
