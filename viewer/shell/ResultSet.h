#pragma once
// A result set on disk, as the viewer's open and delete commands see it: the main file (the
// process data followed by the carbon profiles) and the result files named after it.

#include <QString>

#include <optional>
#include <string_view>

class QWidget;

// The filter of both file dialogs that choose a set by its main file.
QString resultSetFilter();

// The file of the set with the given extension in place of the main file's.
QString setFileName(const QString& setName, std::string_view extension);

// True while a running calculation is still writing the set, in whatever letter case the list
// holds its name. An unreadable list is reported and then taken as empty, so that a damaged list
// never locks every set away.
bool isSetInUse(const QString& listFilePath, const QString& setName, QWidget* parent);

// Whether the set's process data name the foil shape; nothing when the main file cannot be opened.
std::optional<bool> readFoilFlag(const QString& setName);

// Removes the main file and the result files; a file that is missing or cannot be removed is
// passed over, so that a half-deleted set can be deleted again.
void deleteResultSet(const QString& setName);
