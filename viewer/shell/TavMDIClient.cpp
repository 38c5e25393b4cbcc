#include "TavMDIClient.h"

#include "CascadePlacement.h"
#include "ChartWindows.h"
#include "TSummaryMDIChild.h"

#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

TTavMDIClient::TTavMDIClient(QWidget* parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("client"));
}

TChartMDIChild* TTavMDIClient::activeChart() const {
    // The current window, not the active one: it stays current while a dialog has the focus.
    return qobject_cast<TChartMDIChild*>(currentSubWindow());
}

TSummaryMDIChild* TTavMDIClient::activeSummary() const {
    return qobject_cast<TSummaryMDIChild*>(currentSubWindow());
}

std::optional<ShownChart> TTavMDIClient::shownChart(const QMdiSubWindow& window) const {
    if (const auto shown = shownCharts_.constFind(&window); shown != shownCharts_.cend())
        return *shown;
    return std::nullopt;
}

std::vector<std::pair<ChartKind, TChartMDIChild*>>
TTavMDIClient::openSet(const QString& setName, const BuiltWindow& built) {
    return showSet(loadSet(setName.toStdString()), built);
}

std::vector<std::pair<ChartKind, TChartMDIChild*>>
TTavMDIClient::showSet(const LoadedSet& set, const BuiltWindow& built) {
    // An unreadable main file keeps the kind of the last set; its windows report the file.
    if (set.mainFileOpened())
        openedShape_ = set.shape.value_or(SampleShape::SemiInfinite);
    const KindTraits& kind = kindTraits(openedShape_);
    FoilSample = kind.timeUnit == TimeUnit::Seconds;
    OpenData = QString::fromStdString(set.name);
    // The windows keep what they show of the set: one copy for all of them.
    openSet_ = std::make_shared<const LoadedSet>(set);
    const std::vector<ChartKind> charts = setCharts(set, openedShape_);
    std::vector<SetWindow> windows = buildSetWindows(*this, this, OpenData, charts, built);
    openSet_.reset();
    OpenData.clear();

    // Closed windows leave the table here; a new window at a closed one's address replaces it.
    const QList<QMdiSubWindow*> open = subWindowList();
    shownCharts_.removeIf([&open](const auto& entry) { return !open.contains(entry.key()); });
    std::vector<std::pair<ChartKind, TChartMDIChild*>> shown;
    for (SetWindow& made : windows) {
        TChartMDIChild* window = made.window;
        window->setAttribute(Qt::WA_DeleteOnClose);
        addSubWindow(window);
        shownCharts_.insert(window, {QString::fromStdString(set.name), made.kind});
        window->show();
        shown.emplace_back(made.kind, window);
    }
    std::vector<QMdiSubWindow*> placed;
    for (const auto& made : shown)
        placed.push_back(made.second);
    // Shown while a window was maximised, the window activated last took that state over from
    // it: it is given its place in the cascade as a normal window first, for its restore
    // button to go back to, and maximised again, as its title bar and the frame expect.
    const auto maximised = std::ranges::find_if(
        placed, [](const QMdiSubWindow* window) { return window->isMaximized(); });
    QMdiSubWindow* const takesMaximised = maximised == placed.end() ? nullptr : *maximised;
    if (takesMaximised)
        takesMaximised->showNormal();
    placeInCascade(placed);
    if (takesMaximised)
        takesMaximised->showMaximized();
    return shown;
}

void TTavMDIClient::placeInCascade(const std::vector<QMdiSubWindow*>& windows) {
    if (windows.empty())
        return;
    QMdiSubWindow& first = *windows.front();
    // The title bar is the strip above the shown window's widget; the style's metric leaves out
    // its border.
    QStyleOptionTitleBar options;
    options.initFrom(&first);
    const int titleBar =
        std::max(first.widget()->y(),
                 first.style()->pixelMetric(QStyle::PM_TitleBarHeight, &options, &first) + 4);
    const int step = titleBar + 2;
    const int steps = static_cast<int>(windows.size()) - 1;
    const QSize room = viewport()->size();
    // At its opening size where the client has room for the whole cascade, smaller where not.
    std::vector<QSize> sizes;
    for (const QMdiSubWindow* window : windows) {
        const QSize opening = window->sizeHint();
        sizes.emplace_back(
            std::max(std::min(opening.width(), room.width() - steps * step), opening.width() / 2),
            std::max(std::min(opening.height(), room.height() - steps * step),
                     opening.height() / 2));
    }
    std::vector<QRect> open;
    for (const QMdiSubWindow* window : subWindowList())
        if (window->isVisible() && !window->isMinimized() &&
            std::ranges::find(windows, window) == windows.end())
            open.push_back(window->geometry());
    const std::vector<QRect> places = cascadePlaces({room, step, titleBar}, sizes, open);
    for (std::size_t i = 0; i < windows.size(); ++i)
        windows[i]->setGeometry(places[i]);
}

void TTavMDIClient::arrangeIcons() {
    int x = 0;
    int y = viewport()->height();
    int rowHeight = 0;
    for (QMdiSubWindow* window : subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > viewport()->width()) {
            x = 0;
            y -= rowHeight;
            rowHeight = 0;
        }
        rowHeight = std::max(rowHeight, size.height());
        window->move(x, y - size.height());
        x += size.width();
    }
}
