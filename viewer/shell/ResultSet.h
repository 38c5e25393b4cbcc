#pragma once
// A result set on disk, as the viewer's open and delete commands see it: the main file (the
// process data followed by the carbon profiles) and the result files named after it.

#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

class QWidget;
struct LoadedSet;

// The filter of both file dialogs that choose a set by its main file.
QString resultSetFilter();

// The file of the set with the given extension in place of the main file's.
QString setFileName(const QString& setName, std::string_view extension);

// True while a running calculation is still writing the set, in whatever letter case the list
// holds its name. An unreadable list is reported and then taken as empty, so that a damaged list
// never locks every set away.
bool isSetInUse(const QString& listFilePath, const QString& setName, QWidget* parent);

enum class SetProblem {
    None,
    Unreadable,     // the main file cannot be opened
    NotProcessData, // it does not begin with process data and a sample shape
    NoResults,      // process data that were never computed
    Unfinished,     // a run that did not end left what it had written (LoadedSet::unfinished)
};

// What keeps the file from opening as a result set.
SetProblem resultSetProblem(const LoadedSet& set);
// What is wrong with the file, as "it has no results yet: compute the set first".
QString setProblemReason(SetProblem problem);
// The refusal of a set for the user: the file's name and what is wrong with it.
QString setProblemText(const QString& setName, SetProblem problem);

// Tells once that the set's computation did not finish and asks whether to show what there is.
bool mayShowUnfinishedSet(QWidget* parent, const QString& setName);

// The files of the set that exist: the main file first, then the result files.
QStringList resultSetFiles(const QString& setName);

// Removes the main file and the result files; a file that is missing or cannot be removed is
// passed over, so that a half-deleted set can be deleted again. Nothing when every file went;
// else, for the user, a line for each file that stays, with the system's reason.
std::optional<QString> deleteResultSet(const QString& setName);
