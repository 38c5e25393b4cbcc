#include "ProgramPlace.h"

#include "SetNames.h"

ProgramPlace ProgramPlace::at(const QString& folder) {
    const QString withSlash = folder.endsWith(u'/') ? folder : folder + u'/';
    return {withSlash, withSlash, withSlash + QStringLiteral("pliki.lst")};
}

ProgramPlace ProgramPlace::ofRunningProgram() {
    const ProgramFolders& folders = programFolders();
    return {QString::fromStdString(folders.program), QString::fromStdString(folders.shipped),
            QString::fromStdString(listFilePath())};
}
