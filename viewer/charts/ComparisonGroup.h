#pragma once
// The sets that the windows of one comparison share: each set loaded once, in the colour it keeps
// while it stays in the group, and shown or hidden in every window alike.

#include "ComparisonChart.h"

#include <QObject>

#include <list>
#include <span>
#include <vector>

class ComparisonGroup : public QObject {
    Q_OBJECT
public:
    // Adds the sets unless the group would then mix thick and thin ones; the group is left as it
    // was when they are refused.
    bool add(std::vector<LoadedSet> sets);
    void drop(std::size_t index);
    void setHidden(std::size_t index, bool hidden);

    std::span<const ComparedSet> sets() const { return compared_; }
    std::vector<const LoadedSet*> loaded() const;

signals:
    // Sets were added or dropped, or one was hidden or shown.
    void changed();

private:
    std::list<LoadedSet> loaded_; // a list, so that the compared sets' pointers stay valid
    std::vector<ComparedSet> compared_;
    int coloursGiven_ = 0;
};
