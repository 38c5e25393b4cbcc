#pragma once
// Calls a tavcalc mode as main does, with what it prints captured.

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Command = int (*)(const std::vector<std::string>&);

inline std::string lastMessage; // what the last command printed on stderr
inline std::string lastOutput;  // and on stdout

// `words` as typed after the program's name: the mode's word is dropped, as main does.
inline int call(Command command, std::vector<std::string> words) {
    words.erase(words.begin());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = command(words);
    lastOutput = testing::internal::GetCapturedStdout();
    lastMessage = testing::internal::GetCapturedStderr();
    return status;
}
