#include "ProgramPlace.h"

#include "SetNames.h"

ProgramPlace ProgramPlace::at(const QString& folder) {
    const QString withSlash = folder.endsWith(u'/') ? folder : folder + u'/';
    return {withSlash, withSlash + QStringLiteral("pliki.lst")};
}

ProgramPlace ProgramPlace::ofRunningProgram() {
    return {QString::fromStdString(programFolder()), QString::fromStdString(listFilePath())};
}
