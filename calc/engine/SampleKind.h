#pragma once
// The sample kinds the computation knows, under the names the process data give them.

#include <optional>
#include <string_view>

enum class SampleKind {
    Gruba, // semi-infinite sample
    Plyta, // plate, carburized from both faces
    Folia, // foil: a plate thin enough to be gridded whole from the start; times in s
    Walec, // long cylinder
    Drut,  // wire: a cylinder gridded whole from the start; times in s
};

// "Gruba", "Płyta", "Folia", "Walec", "Drut" (Polish, as stored after reading a file).
std::optional<SampleKind> sampleKindFromName(std::string_view rodzProb);
