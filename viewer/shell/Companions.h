#pragma once
// What the viewer starts beside itself and never waits for: the calculation program, which
// registers its runs in the in-use list on its own. And the help pages its commands show.

#include <QString>

#include <string_view>

struct ProgramPlace;

// Starts tavcalc for one sample shape; false when it could not be started.
bool startCalculation(const ProgramPlace& place, std::string_view shape);

// The page the two help commands open.
inline const QString applicationHelpPage = QStringLiteral("prog.html");
inline const QString processHelpPage = QStringLiteral("prochelp.html");
