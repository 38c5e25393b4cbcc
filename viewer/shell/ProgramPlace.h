#pragma once
// Where the viewer finds what it is installed with: the calculation program beside the viewer,
// the help pages where the copy ships them, and the in-use list "pliki.lst" that both programs
// share in the data folder (ProgramFolders in SetNames.h says where those are).
// Tests give a folder of their own for all three, so they neither touch the real list nor need
// tavcalc.

#include "InterfaceLanguage.h"

#include <QString>

struct ProgramPlace {
    QString folder;        // the programs', ends in "/"
    QString shippedFolder; // the help pages', ends in "/"
    QString ListFilePath;  // the in-use list

    static ProgramPlace at(const QString& folder);
    static ProgramPlace ofRunningProgram();

    QString calculationProgram() const { return folder + QStringLiteral("tavcalc"); }
    QString helpPage(const QString& page) const { return shippedFolder + helpFolder() + page; }
};
