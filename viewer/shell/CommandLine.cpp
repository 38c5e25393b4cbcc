#include "CommandLine.h"

ViewerCommandLine parseCommandLine(const QStringList& arguments) {
    if (arguments.contains(u"--version"))
        return {ViewerCommandLine::Mode::Version, {}, {}};
    const qsizetype exportAt = arguments.indexOf(u"--export");
    if (exportAt < 0)
        return {};
    if (exportAt + 2 >= arguments.size())
        return {ViewerCommandLine::Mode::Usage, {}, {}};
    return {ViewerCommandLine::Mode::Export, arguments[exportAt + 1], arguments[exportAt + 2]};
}

QString versionLine() {
    return QStringLiteral("tavrix " TAVRIX_VERSION);
}

QString usageText() {
    return QStringLiteral("Usage: tavrix [--version | --export FOLDER SET.tav]\n"
                          "  --export  draws every chart of the result set to FOLDER as PNG "
                          "files, with their points as CSV files\n");
}

void preferOffscreenPlatform(const QStringList& arguments) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !arguments.contains(u"-platform"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
