#include "CommandUsage.h"

#include "SetNames.h"

#include <algorithm>

std::string usageText(std::span<const UsageLine> lines) {
    std::size_t width = 0;
    for (const UsageLine& line : lines)
        width = std::max(width, line.form.size());
    std::string text = "Usage:\n";
    for (const UsageLine& line : lines) {
        text += "  ";
        text += line.form;
        text.append(width - line.form.size() + 2, ' ');
        text += line.meaning;
        text += '\n';
    }
    return text + setNameNotes();
}

std::string setNameNotes() {
    return "A relative SET.tav is taken from the current folder, else from the program folder.\n"
           "Program folder (examples, help pages, the in-use list pliki.lst): " +
           programFolder() + "\n";
}
