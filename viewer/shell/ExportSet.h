#pragma once
// The viewer without a display: every chart window of a result set drawn to a PNG file, with
// its lines' points as CSV beside it, for reports and for other programs.

#include <QSize>
#include <QString>

class QTextStream;

inline constexpr QSize exportSize{800, 600}; // px

// Writes DIR/<set>-<chart>.png and .csv for each chart of the set, named as on a command line
// (commandLineName). Unreadable files and failed
// writes are told on `errors`. Returns 0 when every chart was read and written, 1 when some
// were not, 2 when the set itself cannot be read or the folder cannot be made.
int exportSet(const QString& folder, const QString& setName, QTextStream& errors);
