#pragma once
// Where the viewer finds what it is installed with: the calculation program and the help pages
// lie beside the viewer, and so does the in-use list "pliki.lst" that both programs share.
// Tests give a folder of their own, so they neither touch the real list nor need tavcalc.

#include <QString>

struct ProgramPlace {
    QString folder;       // ends in "/"
    QString ListFilePath; // the in-use list

    static ProgramPlace at(const QString& folder);
    static ProgramPlace ofRunningProgram();

    QString calculationProgram() const { return folder + QStringLiteral("tavcalc"); }
    QString helpPage(const QString& page) const { return folder + QStringLiteral("help/") + page; }
};
