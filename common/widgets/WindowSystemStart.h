#pragma once
// Guards the building of a program's application object. A display that is named but cannot
// be reached (a DISPLAY whose server is gone) makes Qt end the program by abort(), as if it had
// crashed; while a guard lives, that end is one line of the program's own on standard error and
// the exit status 1 instead. Build the application object inside the guard's lifetime only, so
// that a later fatal error still leaves its core dump.

#include <string>

class WindowSystemStart {
public:
    explicit WindowSystemStart(std::string noDisplayLine);
    ~WindowSystemStart();
    WindowSystemStart(const WindowSystemStart&) = delete;
    WindowSystemStart& operator=(const WindowSystemStart&) = delete;
};
