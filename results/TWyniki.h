#pragma once
// Profiles over a node grid: carbon profiles of the main file or hardness profiles of "twa".
//
// Owns the node grid (distances, mm), one series of values per profile and the profile times.
// Invariant: there are as many profile times as series. A series may be shorter than the grid
// (its block had fewer rows); it then answers with its last value.

#include "TDblsArr.h"

#include <span>
#include <vector>

class TWyniki {
public:
    // One profile block. A block with rows replaces the node grid by its distances; an empty
    // block keeps the grid, so the profiles read before it stay drawable.
    void addProfile(double time, const TDblsArr& distances, const TDblsArr& values);

    int profileCount() const;
    double profileTime(int profile) const; // 0 when there is no such profile
    int gridSize() const;
    double gridValue(int i) const; // 0 when i is beyond the grid
    std::span<const double> grid() const { return grid_.values(); }

    // The value of a profile at node i: beyond the profile's end its last value; 0 for an
    // empty profile and for no such profile.
    double valueAt(int profile, int node) const;

    // The values of one profile as its block gave them; empty when there is no such profile.
    std::span<const double> profile(int profile) const;

    double largestValue() const; // over all series; 0 when there are none

private:
    TDblsArr grid_;
    std::vector<TDblsArr> series_;
    TDblsArr times_;
};
