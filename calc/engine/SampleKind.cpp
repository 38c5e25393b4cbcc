#include "SampleKind.h"

std::optional<SampleKind> sampleKindFromName(std::string_view rodzProb) {
    if (rodzProb == "Gruba")
        return SampleKind::Gruba;
    if (rodzProb == "Płyta")
        return SampleKind::Plyta;
    if (rodzProb == "Folia")
        return SampleKind::Folia;
    if (rodzProb == "Walec")
        return SampleKind::Walec;
    if (rodzProb == "Drut")
        return SampleKind::Drut;
    return std::nullopt;
}
