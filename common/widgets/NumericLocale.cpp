#include "NumericLocale.h"

#include <clocale>

void useClassicNumericLocale() {
    std::setlocale(LC_NUMERIC, "C");
}
