#pragma once
// Result files of one set as the computation writes them, with LF line ends; withLineEnds gives
// the CR LF form.

#include <string>
#include <string_view>

namespace samples {

// A plate: process data, then two profile blocks (the second written with show-point on).
inline constexpr std::string_view plateMain =
    "0.2\n2e-05\n\n1\n0.2\n0.6\n0.3\n0\n\n2\n0 925 1.2\n4 925 0.8\nPlate\n4\n"
    "-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %\n"
    "\"  2\n"
    ",    0      1.0500\n"
    ", 0.1     0.60000\n"
    "\"  4.00000\n"
    ", 0.00000      1.0000\n"
    ", 0.100000     0.80000\n"
    ", 0.200000     0.40000\n";

inline constexpr std::string_view hardness = "-\"Rozklad twardosci na przekroju warstwy,  mm  HV\n"
                                             "\"  2\n"
                                             ",    0      820\n"
                                             ", 0.1      700\n"
                                             "\"  4.00000\n"
                                             ", 0.00000      800.000\n"
                                             ", 0.100000     750.000\n"
                                             ", 0.200000     500.000\n";

inline constexpr std::string_view depths =
    "-\"Grubość warstwy w funkcji czasu, t[h], gr40, gr35, gr30, mm \n"
    " 3 \n"
    ", 0     0   0   0\n"
    ",      0.12      0.01      0.02      0.03\n"
    ",      0.24      0.05      0.07      0.09\n";

inline constexpr std::string_view surface =
    "-\"Stężenie  węgla na powierzchni w funkcji czasu, h  %\n"
    ",            0      0.2000\n"
    ",       0.5      0.9000\n"
    ",         1       1.100\n";

inline constexpr std::string_view mass =
    "Weight gain, g/m^2 Plate, thickness=4mm,  be=0.0002 cm/s\n"
    " Carburizing time, h \n"
    "\n"
    ",0\n,12\n,12 \n,0\n,100\n,10\n"
    ",           0           0\n"
    ",         0.5       6.125\n";

inline constexpr std::string_view mean = "Carbon concentration, %\n"
                                         "Carburizing time, s\n"
                                         "\n"
                                         ",0\n,2000\n,10 \n,0\n,1.2\n,12\n"
                                         ",           0         0.2\n"
                                         ",         100        0.35\n";

inline std::string withLineEnds(std::string_view text, std::string_view lineEnd) {
    std::string result;
    for (char ch : text) {
        if (ch == '\n')
            result += lineEnd;
        else
            result += ch;
    }
    return result;
}

} // namespace samples
