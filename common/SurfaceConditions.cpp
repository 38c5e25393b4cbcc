#include "SurfaceConditions.h"

#include <algorithm>
#include <vector>

std::optional<SurfaceCondition> conditionNamed(std::string_view word) {
    const auto found = std::ranges::find(allConditions, word, &ConditionTraits::word);
    if (found == allConditions.end())
        return std::nullopt;
    return found->kind;
}

std::string conditionChoices(const std::function<std::string(std::string_view word)>& limited) {
    std::vector<std::string> choices;
    for (const ConditionTraits& row : allConditions)
        choices.push_back("\"" + std::string(row.word) + "\"");
    for (const ConditionTraits& row : allConditions)
        if (row.takesFluxLimit)
            choices.push_back(limited(row.word));
    std::string listed;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0)
            listed += i + 1 == choices.size() ? " or " : ", ";
        listed += choices[i];
    }
    return listed;
}
