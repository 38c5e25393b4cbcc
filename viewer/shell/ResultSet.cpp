#include "ResultSet.h"

#include "FileTable.h"
#include "MessageBox.h"
#include "ProcessData.h"
#include "SetNames.h"

#include <QFile>

#include <algorithm>
#include <fstream>

QString resultSetFilter() {
    return QStringLiteral("Files from Tavrix! (*.tav)");
}

QString setFileName(const QString& setName, std::string_view extension) {
    return QString::fromStdString(resultFileName(setName.toStdString(), extension));
}

bool isSetInUse(const QString& listFilePath, const QString& setName, QWidget* parent) {
    TFileTable table;
    if (!readFileTable(listFilePath.toStdString(), table)) {
        showMessage(parent,
                    QStringLiteral("File pliki.lst znajdujący się w katalogu (folderze), w którym "
                                   "został zainstalowany program Tavrix, został zniszczony "),
                    QStringLiteral("Error!"), MessageIcon::Exclamation);
        return false;
    }
    // The list holds names upper-cased byte by byte; compared here letter by letter, so that
    // folder names with Polish letters are found in any case as well.
    return std::ranges::any_of(table.names(), [&](const std::string& entry) {
        return QString::fromStdString(entry).compare(setName, Qt::CaseInsensitive) == 0;
    });
}

std::optional<bool> readFoilFlag(const QString& setName) {
    std::ifstream in(setName.toStdString(), std::ios::binary);
    if (!in)
        return std::nullopt;
    TDane head;
    in >> head;
    // The last stage row keeps its own line end: the shape is on the next line that holds text.
    std::string shapeLine;
    std::getline(in >> std::ws, shapeLine);
    return shapeFromLine(shapeLine) == SampleShape::Foil;
}

void deleteResultSet(const QString& setName) {
    QFile::remove(setName);
    for (std::string_view extension : {"ste", "twa", "pow", "gru", "mas", "sre"})
        QFile::remove(setFileName(setName, extension));
}
