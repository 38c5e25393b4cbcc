#include "KindTraits.h"

#include "ProcessData.h"

std::string_view shapeName(SampleShape shape) {
    return kindTraits(shape).name;
}

std::optional<SampleShape> shapeFromName(std::string_view name) {
    for (const KindTraits& kind : allKinds)
        if (kind.offered && kind.name == name)
            return kind.shape;
    return std::nullopt;
}

std::optional<SampleShape> shapeFromLine(std::string_view line) {
    const std::string text = normalizedLine(line);
    for (const KindTraits& kind : allKinds)
        if (text == kind.name || text == kind.computationName || text == kind.polishName)
            return kind.shape;
    return std::nullopt;
}
