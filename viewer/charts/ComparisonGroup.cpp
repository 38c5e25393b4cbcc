#include "ComparisonGroup.h"

#include <algorithm>

bool ComparisonGroup::add(std::vector<LoadedSet> sets) {
    std::vector<const LoadedSet*> all = loaded();
    for (const LoadedSet& set : sets)
        all.push_back(&set);
    if (sets.empty() || mixesThickAndThin(all))
        return false;
    for (LoadedSet& set : sets) {
        loaded_.push_back(std::move(set));
        compared_.push_back({&loaded_.back(), comparisonColour(coloursGiven_++)});
    }
    emit changed();
    return true;
}

void ComparisonGroup::drop(std::size_t index) {
    if (index >= compared_.size())
        return;
    const LoadedSet* set = compared_[index].set;
    compared_.erase(compared_.begin() + static_cast<std::ptrdiff_t>(index));
    loaded_.remove_if([set](const LoadedSet& loaded) { return &loaded == set; });
    emit changed();
}

void ComparisonGroup::setHidden(std::size_t index, bool hidden) {
    if (index >= compared_.size() || compared_[index].hidden == hidden)
        return;
    compared_[index].hidden = hidden;
    emit changed();
}

std::vector<const LoadedSet*> ComparisonGroup::loaded() const {
    std::vector<const LoadedSet*> sets;
    for (const ComparedSet& compared : compared_)
        sets.push_back(compared.set);
    return sets;
}
