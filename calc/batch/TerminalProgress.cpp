#include "TerminalProgress.h"

#include <unistd.h>

namespace {

constexpr int barWidth = 40;
constexpr int lineStep = 10; // % between plain lines, to keep logs short

} // namespace

TerminalProgress::TerminalProgress(std::FILE* out, std::string label)
    : out_(out), label_(std::move(label)), terminal_(::isatty(::fileno(out)) != 0) {}

void TerminalProgress::setProgress(int percent) {
    if (terminal_) {
        if (percent == shown_)
            return;
        const int filled = percent * barWidth / 100;
        std::fprintf(out_, "\r%s [%s%s] %3d%%", label_.c_str(),
                     std::string(static_cast<std::size_t>(filled), '#').c_str(),
                     std::string(static_cast<std::size_t>(barWidth - filled), '.').c_str(),
                     percent);
        std::fflush(out_);
        shown_ = percent;
        return;
    }
    if (percent / lineStep == shown_ / lineStep && shown_ >= 0)
        return;
    std::fprintf(out_, "%s: %d%%\n", label_.c_str(), percent);
    std::fflush(out_);
    shown_ = percent;
}

void TerminalProgress::finish() {
    if (terminal_ && shown_ >= 0) {
        std::fputc('\n', out_);
        std::fflush(out_);
    }
}
