#include "CaseHardness.h"

#include <algorithm>
#include <iomanip>
#include <ostream>

std::vector<double> CaseHardness::depthMm() const {
    std::vector<double> mm(depth.size());
    std::transform(depth.begin(), depth.end(), mm.begin(),
                   [](double micrometres) { return micrometres * 0.001; });
    return mm;
}

CaseHardness caseHardness(const std::vector<double>& X, const std::vector<double>& C, double ck,
                          const std::vector<double>& sklad) {
    const std::string_view grade = steelGrade(sklad);
    CaseHardness profile;
    for (std::size_t i = 1; i < X.size(); ++i)
        if (C[i] > ck + 0.01) {
            profile.depth.push_back(X[i]);
            profile.hv.push_back(hardness(grade, C[i]));
        }
    return profile;
}

void hardnessProfile(std::ostream& twa, double t, const std::vector<double>& X,
                     const std::vector<double>& C, double ck, const std::vector<double>& sklad) {
    const CaseHardness profile = caseHardness(X, C, ck, sklad);
    writeHardnessBlock(twa, t, profile.depth, profile.hv);
}

void writeHardnessBlock(std::ostream& out, double t, const std::vector<double>& depth,
                        const std::vector<double>& values) {
    out << "\"  " << t / 3600 << "\r\n";
    out << std::showpoint;
    for (std::size_t i = 0; i < depth.size(); ++i)
        out << ", " << std::setw(4) << depth[i] * 0.001 << std::setw(12) << std::setprecision(3)
            << values[i] << "\r\n";
}
