#include "SteelGrades.h"

#include <algorithm>
#include <cmath>

namespace {

// A composition window: every comparison is strict.
struct Window {
    enum Kind { Below, Around, Between } kind;
    double a;
    double b = 0;

    bool holds(double content) const {
        switch (kind) {
        case Below:
            return content < a;
        case Around:
            return std::fabs(content - a) < b;
        case Between:
            return a < content && content < b;
        }
        return false;
    }
};

constexpr Window below(double limit) {
    return {Window::Below, limit};
}
constexpr Window around(double centre, double spread) {
    return {Window::Around, centre, spread};
}
constexpr Window between(double low, double high) {
    return {Window::Between, low, high};
}

// HV over carbon content C, in one of three forms:
//   bell:       a + A·exp(−½·((C − μ)/w)²)
//   peak:       a + A / (1 + ((C − μ)/w)²)
//   polynomial: a4·C⁴ + a3·C³ + a2·C² + a1·C + a0 (summed from the fourth power down)
struct Curve {
    enum Form { Bell, Peak, Polynomial } form;
    double p[5]; // bell, peak: a, A, μ, w; polynomial: a0 … a4

    double operator()(double carbon) const {
        switch (form) {
        case Bell: {
            const double x = (carbon - p[2]) / p[3];
            return p[0] + p[1] * std::exp(-0.5 * (x * x));
        }
        case Peak: {
            const double x = (carbon - p[2]) / p[3];
            return p[0] + p[1] / (1.0 + x * x);
        }
        case Polynomial:
            return p[4] * std::pow(carbon, 4.0) + p[3] * std::pow(carbon, 3.0) +
                   p[2] * std::pow(carbon, 2.0) + p[1] * carbon + p[0];
        }
        return 0;
    }
};

struct Grade {
    std::string_view name;
    Window mn, ni, cr, mo;
    Curve curve;
};

constexpr std::string_view carbonSteel = " stal węglowa ";

// The curve of " Mn0.8Ni0.8Cr0.6Mo0.1 ", the nearest grade in composition (its Mn, Cr and Mo
// windows overlap this grade's). The as-quenched hardness of a carburized case is governed by
// its carbon; steels this close in alloy content share the curve within its scatter. (The
// polynomial once held for this grade turns negative above about 0.25 % C, so it cannot be it.)
constexpr Curve mn07Cr05Mo04Curve{Curve::Peak, {-25.701657, 882.298184, 0.777136, 0.504262, 0}};

// The curve of " Mn0.7Ni1.6Cr1.0Mo0.1 ", and of " Mn0.6Ni1.6Cr0.5Mo0.5 " too: that grade's nearest
// in composition (the same nickel, overlapping Mn and Mo windows, only less chromium), for the
// reason given above. (The cubic once held for " Mn0.6Ni1.6Cr0.5Mo0.5 ", 193.32 + 994.95·C +
// 234.71·C² − 1648.15·C³, peaks at 543 HV at 0.5 % C, far below every other grade, and falls
// below zero above 0.92 % C, a common surface carbon after a boost stage.)
constexpr Curve mn07Ni16Cr10Mo01Curve{Curve::Peak, {-90.896154, 880.681065, 0.74835, 0.574489, 0}};

constexpr Grade grades[] = {
    {carbonSteel,
     below(0.5),
     below(0.5),
     below(0.5),
     below(0.05),
     {Curve::Bell, {3.237103, 887.865232, 0.80975, 0.470973, 0}}},
    {" Ni2.0 ",
     below(0.5),
     around(2.0, 0.6),
     below(0.5),
     below(0.05),
     {Curve::Polynomial, {216.91, 492.03, 1598.9, -1572.3, 0}}},
    {" Mn0.9 ",
     around(0.9, 0.27),
     below(0.4),
     below(0.4),
     below(0.05),
     {Curve::Polynomial, {221.16, 533.5, 1138.2, -1120.2, 0}}},
    {" Mn1.1Cr1.0 ",
     around(1.1, 0.33),
     below(0.5),
     around(1.0, 0.3),
     below(0.05),
     {Curve::Peak, {-342.289239, 1143.315638, 0.696307, 0.682896, 0}}},
    {" Mn1.0Ni0.9Cr0.7 ",
     around(1.0, 0.3),
     around(0.9, 0.27),
     around(0.7, 0.21),
     below(0.05),
     {Curve::Peak, {-178.532877, 986.589322, 0.75824, 0.546654, 0}}},
    {" Mn0.5Ni2.0Cr2.0 ",
     below(0.7),
     around(2.0, 0.6),
     around(2.0, 0.6),
     below(0.05),
     {Curve::Polynomial, {225.99, 554.25, 2559.2, -4172.4, 1460.6}}},
    {" Mn0.6Ni1.6Cr0.5Mo0.5 ", around(0.6, 0.24), around(1.6, 0.48), around(0.5, 0.15),
     between(0.1, 0.5), mn07Ni16Cr10Mo01Curve},
    {" Mn0.7Cr0.5Mo0.4 ", around(0.7, 0.28), below(0.3), around(0.5, 0.15), between(0.1, 0.5),
     mn07Cr05Mo04Curve},
    {" Mn0.8Ni0.8Cr0.6Mo0.1 ",
     around(0.8, 0.32),
     around(0.8, 0.24),
     around(0.6, 0.18),
     between(0.05, 0.3),
     {Curve::Peak, {-25.701657, 882.298184, 0.777136, 0.504262, 0}}},
    {" Mn0.8Ni1.2Cr1.0Mo0.15 ",
     around(0.8, 0.32),
     around(1.2, 0.36),
     around(1.0, 0.3),
     between(0.05, 0.2),
     {Curve::Peak, {-200.543192, 1024.051597, 0.771844, 0.650935, 0}}},
    {" Mn0.6Ni2.0Cr1.6Mo0.2 ",
     around(0.6, 0.24),
     around(2.0, 0.6),
     around(1.6, 0.48),
     between(0.05, 0.3),
     {Curve::Peak, {-283.743878, 1100.84037, 0.699618, 0.625727, 0}}},
    {" Mn0.7Ni1.6Cr1.0Mo0.1 ", around(0.7, 0.28), around(1.6, 0.48), around(1.0, 0.3),
     between(0.05, 0.2), mn07Ni16Cr10Mo01Curve},
    {" Mn0.4Ni4.0Cr1.2Mo0.2 ",
     around(0.4, 0.16),
     around(4.0, 1.2),
     around(1.2, 0.36),
     between(0.05, 0.3),
     {Curve::Peak, {81.673976, 654.261044, 0.678689, 0.445627, 0}}},
};

const Grade& gradeNamed(std::string_view name) {
    for (const Grade& grade : grades)
        if (grade.name == name)
            return grade;
    return grades[0];
}

} // namespace

std::string_view steelGrade(const std::vector<double>& sklad) {
    const double cr = sklad[0], mo = sklad[1], mn = sklad[2], ni = sklad[4];
    for (const Grade& grade : grades)
        if (grade.mn.holds(mn) && grade.ni.holds(ni) && grade.cr.holds(cr) && grade.mo.holds(mo))
            return grade.name;
    return carbonSteel;
}

double hardness(std::string_view grade, double carbon) {
    return gradeNamed(grade).curve(carbon);
}

double hardestCarbon(std::string_view grade) {
    // The curves are fitted to cases up to about 1.3 % C; beyond 1.5 % C the quartic rises
    // again, which no steel does. A scan finds the maximum of every form alike.
    constexpr double highestCaseCarbon = 1.5; // % C
    constexpr int steps = 3000;
    const Curve& curve = gradeNamed(grade).curve;
    double hardest = 0;
    for (int step = 1; step <= steps; ++step) {
        const double carbon = highestCaseCarbon * step / steps;
        if (curve(carbon) > curve(hardest))
            hardest = carbon;
    }
    return hardest;
}
