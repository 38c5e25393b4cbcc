#pragma once
// The gauge of a headless run: a bar redrawn in place on a terminal, plain lines otherwise.

#include "RunObserver.h"

#include <cstdio>
#include <string>

class TerminalProgress : public RunObserver {
public:
    TerminalProgress(std::FILE* out, std::string label);
    void setProgress(int percent) override;
    // Ends the bar's line on a terminal.
    void finish();

private:
    std::FILE* out_;
    std::string label_;
    bool terminal_;
    int shown_ = -1;
};
