#pragma once
// Where tavcalc finds its help pages: help/ in the folder the copy ships them in.

#include "SetNames.h"

#include <QFile>
#include <QString>

inline QString helpPagePath(const QString& page) {
    return QFile::decodeName(QByteArray::fromStdString(programFolders().shipped)) +
           QStringLiteral("help/") + page;
}
