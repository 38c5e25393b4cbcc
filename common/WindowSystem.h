#pragma once
// What a program can tell about the window system before it starts the window toolkit, which
// would end the process by a signal when it finds no display to connect to.

#include <cstddef>
#include <string>
#include <vector>

// The words that one of the toolkit's own options takes at `arguments[at]` (for instance 2 for
// "-platform offscreen", 1 for "-reverse"), or 0 when it is none of them. The toolkit accepts
// them with one dash or two.
std::size_t toolkitOptionWords(const std::vector<std::string>& arguments, std::size_t at);

// `arguments` without the toolkit's options and the language option (LanguageOption.h): what
// the program itself is asked.
std::vector<std::string> programArguments(const std::vector<std::string>& arguments);

// Whether windows can be shown: the platform chosen by "-platform" or QT_QPA_PLATFORM needs no
// display server (offscreen, a frame buffer, ...), or the display server it needs is named
// (DISPLAY or "-display" for X11, WAYLAND_DISPLAY for Wayland).
bool displayNamed(const std::vector<std::string>& arguments);
