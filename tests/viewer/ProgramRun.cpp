#include "ProgramRun.h"

#include <QProcess>
#include <QProcessEnvironment>

QStringList ProgramRun::told() const {
    QStringList lines = err.split(u'\n', Qt::SkipEmptyParts);
    lines.removeIf([](const QString& line) {
        return !line.startsWith(QStringLiteral("tavrix: ")) &&
               !line.startsWith(QStringLiteral("tavcalc: "));
    });
    return lines;
}

ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QString& workingFolder, const QStringList& environment) {
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        variables.remove(QString::fromLatin1(name));
    for (const QString& entry : environment)
        variables.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(variables);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(60'000))
        return run;
    run.exitedNormally = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}
