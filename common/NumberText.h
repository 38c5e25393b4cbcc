#pragma once
// Numbers as messages name them, the same whatever locale the process runs under: printf's
// "%g" and "%f" follow LC_NUMERIC, which a desktop (QApplication) or a script
// (locale.setlocale) sets to a decimal comma.

#include <string>

// The shortest general form with six significant digits, as "%g" in the C locale writes it
// ("0.8", "2e-05", "920").
std::string generalText(double value);

// A fixed number of decimals, as "%.*f" in the C locale writes it ("0.350").
std::string fixedText(double value, int decimals);
