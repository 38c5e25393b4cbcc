#pragma once
// The record of one load: a PDF document of A4 pages with the set's head (steel, shape, β,
// models), its programme, its results and measured profiles, its charts at print quality, and,
// when a part's requirements are given, each limit against the computed value and the verdict.
// Drawn in the windows' language; written whole or not at all.

#include "LoadEvaluation.h"
#include "Measurements.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

struct RecordRequest {
    QString setName;      // the set's main file, as given (commandLineName completes it)
    QString requirements; // the part's requirements file; empty for none
    QStringList measured; // measured profiles laid over the charts
};

struct RecordResult {
    enum class Status { Holds, Fails, BadInput, WriteFailed } status = Status::BadInput;
    QString problem;                // why nothing was written: names the file (and line)
    std::optional<Verdict> verdict; // when requirements were given
    QString verdictText;            // its line as the record says it, in the windows' language
};

// The record of a set already read, with the measurements its windows show.
RecordResult writeLoadRecord(const QString& pdfPath, const LoadedSet& set,
                             const QList<ShownMeasurement>& measurements,
                             const QString& requirements);
// The record of a set named as on a command line, its measurements read from their files.
RecordResult writeLoadRecord(const QString& pdfPath, const RecordRequest& request);

// `tavrix --report`: writes the record, says so on `out` with the verdict, or why not on
// `errors`. 0 written and every limit holds, 3 written and a limit fails, 2 bad input (nothing
// written), 1 the file could not be written.
int reportCommand(const QString& pdfPath, const RecordRequest& request, QTextStream& out,
                  QTextStream& errors);
