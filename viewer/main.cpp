// tavrix: the result viewer, and the program the user starts.

#include "CommandLine.h"
#include "CompareSets.h"
#include "ExportSet.h"
#include "GuardedApplication.h"
#include "InterfaceLanguage.h"
#include "LoadRecord.h"
#include "NumericLocale.h"
#include "RestartLoop.h"
#include "SetNames.h"
#include "TavApp.h"
#include "ViewerLink.h"
#include "WindowSystemStart.h"

#include <QTextStream>

#include <cstdio>
#include <memory>
#include <optional>
#include <utility>

namespace {

// What the command line settles before any application exists: help, version, a usage error,
// or a window mode with no display to show it on. None when the program goes on.
std::optional<int> settledBeforeStart(const ViewerCommandLine& command,
                                      const QStringList& arguments) {
    switch (command.mode) {
    case ViewerCommandLine::Mode::Help:
        QTextStream(stdout) << usageText();
        return 0;
    case ViewerCommandLine::Mode::Version:
        QTextStream(stdout) << versionLine() << Qt::endl;
        return 0;
    case ViewerCommandLine::Mode::Usage:
        QTextStream(stderr) << usageText();
        return 2;
    case ViewerCommandLine::Mode::Export:
    case ViewerCommandLine::Mode::Compare:
    case ViewerCommandLine::Mode::Report:
        preferOffscreenPlatform(arguments);
        return std::nullopt;
    case ViewerCommandLine::Mode::Frame:
        if (!displayNamed(arguments)) {
            QTextStream(stderr) << noDisplayLine();
            return 1;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// The modes that write files and show no window.
int runFileCommand(const ViewerCommandLine& command) {
    QTextStream out(stdout);
    QTextStream errors(stderr);
    switch (command.mode) {
    case ViewerCommandLine::Mode::Export:
        return exportSet(command.exportFolder, command.setName, errors, command.measured);
    case ViewerCommandLine::Mode::Report:
        return reportCommand(command.reportFile,
                             {command.setName, command.requirements, command.measured}, out,
                             errors);
    default:
        return compareSets(command.exportFolder, command.compareSets, errors);
    }
}

int runFrame(const ViewerCommandLine& command) {
    // The set named at start opens in the first frame only, not again after a restart.
    QString startSet = command.setName.isEmpty()
                           ? QString()
                           : QString::fromStdString(commandLineName(command.setName.toStdString()));
    // One viewer per user and data folder: a set named at start opens in the one that runs.
    if (!startSet.isEmpty() &&
        openInRunningViewer(viewerServerName(ProgramPlace::ofRunningProgram().ListFilePath),
                            startSet))
        return 0;
    return runWithRestart([&startSet] {
        TTavApp tavrix(ProgramPlace::ofRunningProgram(), std::exchange(startSet, QString()));
        return tavrix.run();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const ViewerCommandLine command = parseCommandLine(arguments);
    if (const std::optional<int> status = settledBeforeStart(command, arguments))
        return *status;

    // An installed copy makes the user's data folder at its first start. Going on without it,
    // the in-use list reports what it cannot do.
    if (const std::optional<std::string> problem = prepareDataFolder())
        QTextStream(stderr) << "tavrix: " << QString::fromStdString(*problem) << Qt::endl;

    const auto application = [&] {
        WindowSystemStart start(noDisplayLine().toStdString());
        return std::make_unique<GuardedApplication>(argc, argv);
    }();
    useClassicNumericLocale();
    useLanguage(startLanguage(arguments));
    if (command.mode == ViewerCommandLine::Mode::Frame)
        return runFrame(command);
    return runFileCommand(command);
}
