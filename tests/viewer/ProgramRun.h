#pragma once
// Runs one of the real programs as a user or a script starts it, where no display can be
// reached (as on a build server), and keeps what it said.

#include <QString>
#include <QStringList>

struct ProgramRun {
    bool exitedNormally = false; // false also when it did not end within a minute
    int exitCode = -1;
    QString out;
    QString err;

    // The lines of standard error that the program itself wrote ("tavrix: ...", "tavcalc: ..."),
    // without the warnings Qt may add about the environment.
    QStringList told() const;
};

// `environment` holds "NAME=value" entries set on top of the display-less environment.
ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QString& workingFolder = {}, const QStringList& environment = {});
