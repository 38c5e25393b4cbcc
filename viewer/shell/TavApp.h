#pragma once
// One start of the viewer: a fresh `TTavApp` is made for every start and every restart, so each
// begins with an empty in-use list, a new frame and no chart windows.

#include "ProgramPlace.h"

#include <QString>

#include <memory>

class TTavFrame;

class TTavApp {
public:
    // `startSet`, when given, is opened as soon as the frame shows.
    explicit TTavApp(ProgramPlace place = ProgramPlace::ofRunningProgram(),
                     QString startSet = QString());
    ~TTavApp();
    TTavApp(const TTavApp&) = delete;
    TTavApp& operator=(const TTavApp&) = delete;

    // Empties the in-use list, builds and shows the frame, opens the start set, and runs the
    // event loop; returns the loop's result code.
    int run();

    // The frame of the last run; null before it.
    TTavFrame* frame() const { return frame_.get(); }

private:
    void initApplication();
    void initMainWindow();

    ProgramPlace place_;
    QString startSet_;
    std::unique_ptr<TTavFrame> frame_;
};
