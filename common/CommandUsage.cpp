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
    const ProgramFolders& folders = programFolders();
    std::string notes =
        "A relative SET.tav is taken from the current folder, else from the data folder.\n";
    if (folders.portable)
        return notes + "Data folder of this portable copy (the in-use list pliki.lst, sets named " +
               "without a folder, examples, help pages): " + folders.data + "\n";
    return notes + "Data folder of this user (the in-use list pliki.lst, sets named without a " +
           "folder, examples): " + folders.data +
           "\nHelp pages and examples as installed: " + folders.shipped + "\n";
}
