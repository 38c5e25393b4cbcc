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
#include <utility>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const ViewerCommandLine command = parseCommandLine(arguments);

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
        break;
    case ViewerCommandLine::Mode::Frame:
        if (!displayNamed(arguments)) {
            QTextStream(stderr) << noDisplayLine();
            return 1;
        }
        break;
    }

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
    if (command.mode == ViewerCommandLine::Mode::Export) {
        QTextStream errors(stderr);
        return exportSet(command.exportFolder, command.setName, errors, command.measured);
    }
    if (command.mode == ViewerCommandLine::Mode::Report) {
        QTextStream out(stdout);
        QTextStream errors(stderr);
        return reportCommand(command.reportFile,
                             {command.setName, command.requirements, command.measured}, out,
                             errors);
    }
    if (command.mode == ViewerCommandLine::Mode::Compare) {
        QTextStream errors(stderr);
        return compareSets(command.exportFolder, command.compareSets, errors);
    }
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
