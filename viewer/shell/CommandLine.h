#pragma once
// What the viewer was asked to do by its command line. The window toolkit's own options (such
// as -platform) are left to Qt; any other option is a usage error.

#include <QString>
#include <QStringList>

struct ViewerCommandLine {
    enum class Mode { Frame, Help, Version, Export, Compare, Report, Usage } mode = Mode::Frame;
    QString exportFolder;
    QString setName;
    QStringList compareSets; // --compare: two or more
    QStringList measured;    // --export, --report ... --measured: measured profiles on the charts
    QString reportFile;      // --report: the record's PDF file
    QString requirements;    // --report ... --requirements: the part's requirements
};

// `arguments` without the program's name.
ViewerCommandLine parseCommandLine(const QStringList& arguments);

QString versionLine();
// One line per mode and option, then where relative names are taken from.
QString usageText();
// The one line said, instead of an abort, when the frame is asked for where none can be shown.
QString noDisplayLine();

// Whether the frame can be shown (see displayNamed).
bool displayNamed(const QStringList& arguments);

// An export draws without a display: the offscreen platform, unless one was chosen.
void preferOffscreenPlatform(const QStringList& arguments);
