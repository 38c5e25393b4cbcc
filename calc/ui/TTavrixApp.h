#pragma once
// The application object of tavcalc: holds the shape named on the command line and runs the
// main window for it. Numbers in files and boxes keep the classic form on any desktop.

#include "ProcessData.h"

#include <QApplication>
#include <QString>

#include <optional>

class TTavrixApp : public QApplication {
    Q_OBJECT
public:
    TTavrixApp(int& argc, char** argv);

    // The main window for the shape until it closes; the exit status.
    int run();

    static const char* version();

private:
    QString shapeName_;
};

// The shape a start names. A missing or unknown name is refused with a message listing the
// accepted ones.
std::optional<SampleShape> acceptedShape(const QString& name);
