#include "CommandLine.h"

#include "CommandUsage.h"
#include "WindowSystem.h"

#include <string>
#include <vector>

namespace {

constexpr UsageLine viewerUsageLines[] = {
    {"tavrix", "the viewer's window"},
    {"tavrix SET.tav", "the viewer's window with the result set open, as its menu would open it"},
    {"tavrix --export FOLDER SET.tav",
     "draws every chart of the result set to FOLDER as PNG files, with their points as CSV files"},
    {"tavrix --export FOLDER SET.tav --measured FILE.csv...",
     "the same, with the measured profiles of the files drawn on the carbon or hardness chart, "
     "their points in CSV columns of their own"},
    {"tavrix --compare FOLDER SET.tav SET.tav...",
     "draws the charts the result sets share, one line per set, to FOLDER as PNG files with their "
     "points as CSV files, and summary.csv with one row per set"},
    {"tavrix --report OUT.pdf SET.tav [--requirements PART.txt] [--measured FILE.csv...]",
     "writes the record of the load as a PDF file: its process, results, measured profiles and "
     "charts, and each limit of the part's requirements with the verdict; exit status 3 when a "
     "limit fails"},
    {"tavrix --help", "prints this text"},
    {"tavrix --version", "prints the program's version"},
    {"-platform NAME", "the window system for the window, for instance offscreen"},
    {"--lang en|pl", "the language of the windows, whatever the desktop's"},
};

ViewerCommandLine inMode(ViewerCommandLine::Mode mode) {
    ViewerCommandLine command;
    command.mode = mode;
    return command;
}

// "--report OUT.pdf SET.tav [--requirements PART.txt] [--measured FILE.csv...]"; the options in any
// order, --measured naming one or more files and given again if need be.
ViewerCommandLine reportCommand(const std::vector<std::string>& own) {
    ViewerCommandLine command = inMode(ViewerCommandLine::Mode::Report);
    command.reportFile = QString::fromStdString(own[1]);
    command.setName = QString::fromStdString(own[2]);
    bool measured = false;
    for (std::size_t i = 3; i < own.size(); ++i) {
        // The option's first, shorter name stays accepted: scripts written for it keep working.
        const bool requirementsOption = own[i] == "--requirements" || own[i] == "--spec";
        if (requirementsOption && i + 1 < own.size() && command.requirements.isEmpty() &&
            !own[i + 1].starts_with("-")) {
            command.requirements = QString::fromStdString(own[++i]);
            measured = false;
        } else if (own[i] == "--measured" && i + 1 < own.size()) {
            measured = true;
        } else if (measured && !own[i].starts_with("-")) {
            command.measured.append(QString::fromStdString(own[i]));
        } else {
            return inMode(ViewerCommandLine::Mode::Usage);
        }
    }
    return command;
}

std::vector<std::string> words(const QStringList& arguments) {
    std::vector<std::string> list;
    for (const QString& argument : arguments)
        list.push_back(argument.toStdString());
    return list;
}

} // namespace

ViewerCommandLine parseCommandLine(const QStringList& arguments) {
    const std::vector<std::string> own = programArguments(words(arguments));
    if (own.empty())
        return {};
    const std::string& first = own.front();
    if (first == "--help" || first == "-h")
        return inMode(ViewerCommandLine::Mode::Help);
    if (first == "--version")
        return inMode(ViewerCommandLine::Mode::Version);
    if (own.size() == 1 && !first.starts_with("-")) {
        ViewerCommandLine command;
        command.setName = QString::fromStdString(first);
        return command;
    }
    if (first == "--export" && own.size() >= 3) {
        ViewerCommandLine command = inMode(ViewerCommandLine::Mode::Export);
        command.exportFolder = QString::fromStdString(own[1]);
        command.setName = QString::fromStdString(own[2]);
        // "--measured" names one or more files, and may be given again.
        bool measured = false;
        for (std::size_t i = 3; i < own.size(); ++i) {
            if (own[i] == "--measured")
                measured = true;
            else if (measured && !own[i].starts_with("-"))
                command.measured.append(QString::fromStdString(own[i]));
            else
                return inMode(ViewerCommandLine::Mode::Usage);
        }
        if (own.back() == "--measured")
            return inMode(ViewerCommandLine::Mode::Usage);
        return command;
    }
    if (first == "--report" && own.size() >= 3)
        return reportCommand(own);
    if (first == "--compare" && own.size() >= 4) {
        ViewerCommandLine command = inMode(ViewerCommandLine::Mode::Compare);
        command.exportFolder = QString::fromStdString(own[1]);
        for (std::size_t i = 2; i < own.size(); ++i)
            command.compareSets.append(QString::fromStdString(own[i]));
        return command;
    }
    return inMode(ViewerCommandLine::Mode::Usage);
}

QString versionLine() {
    return QStringLiteral("tavrix " TAVRIX_VERSION);
}

QString usageText() {
    return QString::fromStdString(usageText(viewerUsageLines));
}

QString noDisplayLine() {
    return QStringLiteral("tavrix: no display to show the viewer on; "
                          "tavrix --export FOLDER SET.tav draws a set's charts without one\n");
}

bool displayNamed(const QStringList& arguments) {
    return displayNamed(words(arguments));
}

void preferOffscreenPlatform(const QStringList& arguments) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !arguments.contains(u"-platform"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
