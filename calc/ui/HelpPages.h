#pragma once
// Where tavcalc finds its help pages: in the folder the copy ships them in, in the language of
// the windows.

#include "InterfaceLanguage.h"
#include "SetNames.h"

#include <QFile>
#include <QString>

inline QString helpPagePath(const QString& page) {
    return QFile::decodeName(QByteArray::fromStdString(programFolders().shipped)) + helpFolder() +
           page;
}
