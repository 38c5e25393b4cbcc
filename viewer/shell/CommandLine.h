#pragma once
// What the viewer was asked to do by its command line. Options the viewer does not know are
// left to Qt (such as -platform).

#include <QString>
#include <QStringList>

struct ViewerCommandLine {
    enum class Mode { Frame, Version, Export, Usage } mode = Mode::Frame;
    QString exportFolder;
    QString setName;
};

// `arguments` without the program's name.
ViewerCommandLine parseCommandLine(const QStringList& arguments);

QString versionLine();
QString usageText();

// An export draws without a display: the offscreen platform, unless one was chosen.
void preferOffscreenPlatform(const QStringList& arguments);
