#include "CascadePlacement.h"

#include <algorithm>
#include <optional>

namespace {

// The cascade from `origin`, each window as wide as the room to its right allows, down to half
// its width; none when a window would still leave the room.
std::optional<std::vector<QRect>> placesFrom(QPoint origin, const Cascade& cascade,
                                             const std::vector<QSize>& sizes) {
    std::vector<QRect> places;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const QPoint corner = origin + QPoint(1, 1) * (cascade.step * static_cast<int>(i));
        const int width = std::min(sizes[i].width(), cascade.room.width() - corner.x());
        if (width < sizes[i].width() / 2 || corner.y() + sizes[i].height() > cascade.room.height())
            return std::nullopt;
        places.emplace_back(corner, QSize(width, sizes[i].height()));
    }
    return places;
}

// How many open windows would lose the start of their title bar, their icon and the first
// letters of their title, under the new ones.
int hiddenTitles(const std::vector<QRect>& places, const std::vector<QRect>& open, int titleBar) {
    return static_cast<int>(std::ranges::count_if(open, [&](const QRect& window) {
        const int middle = window.top() + titleBar / 2;
        const QPoint titleStart(window.left() + 1, middle);
        const QPoint titleText(window.left() + 2 * titleBar, middle);
        return std::ranges::any_of(places, [&](const QRect& place) {
            return place.contains(titleStart) || place.contains(titleText);
        });
    }));
}

} // namespace

std::vector<QRect> cascadePlaces(const Cascade& cascade, const std::vector<QSize>& sizes,
                                 const std::vector<QRect>& open) {
    if (sizes.empty())
        return {};
    const int step = std::max(cascade.step, 1);
    std::optional<std::vector<QRect>> best;
    int fewestHidden = 0;
    // Corners on a grid of steps, column by column from the left and from the top down.
    for (int left = 0; left < cascade.room.width(); left += step)
        for (int top = 0; top < cascade.room.height(); top += step) {
            std::optional<std::vector<QRect>> places =
                placesFrom(QPoint(left, top), cascade, sizes);
            if (!places)
                continue;
            const int hidden = hiddenTitles(*places, open, cascade.titleBar);
            if (hidden == 0)
                return *places;
            if (!best || hidden < fewestHidden) {
                best = std::move(places);
                fewestHidden = hidden;
            }
        }
    if (best)
        return *best;
    // A client too small for the cascade: from the corner, the windows as they are.
    std::vector<QRect> places;
    for (std::size_t i = 0; i < sizes.size(); ++i)
        places.emplace_back(QPoint(1, 1) * (step * static_cast<int>(i)), sizes[i]);
    return places;
}
