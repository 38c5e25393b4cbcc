#pragma once
// A growable array of doubles indexed from 0: the building block of every chart series.
//
// It grows geometrically (std::vector), so a result file of a long programme reads in linear
// time whatever its length.

#include <cstddef>
#include <span>
#include <vector>

class TDblsArr {
public:
    void append(double value) { values_.push_back(value); }
    void clear() { values_.clear(); }

    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }
    double operator[](std::size_t i) const { return values_[i]; }
    double back() const { return values_.back(); }
    std::span<const double> values() const { return values_; }

private:
    std::vector<double> values_;
};
