#pragma once
// The commands on the load record of the active window's set: pick the part's requirements
// the set is held against (kept beside the set, in "<set>.spc", for the next record), and write
// the record as a PDF file, with the measurements the set's windows show.

#include "Measurements.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

class TTavMDIClient;

// The requirements kept for the set; empty when none is.
QString keptSpecification(const QString& setName);
// Keeps `requirements` for the set; the file's name and the system's reason when it could not.
QString keepSpecification(const QString& setName, const QString& requirements);

class RecordCommands {
    Q_DECLARE_TR_FUNCTIONS(RecordCommands)

public:
    explicit RecordCommands(TTavMDIClient& client);

    // "Specyfikacja części...": requirements file chosen and read; a refused one is told
    // with its line and not kept.
    void chooseSpecification();
    // "Raport z wsadu...": the record written where the user chooses, the verdict told.
    void writeRecord();

    // The set of the active window; none for a window of no one set.
    std::optional<QString> activeSet() const;

private:
    QList<ShownMeasurement> shownMeasurements(const QString& setName) const;

    TTavMDIClient& client_;
};
