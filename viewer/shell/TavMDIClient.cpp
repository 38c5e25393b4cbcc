#include "TavMDIClient.h"

#include "CascadePlacement.h"
#include "ChartWindows.h"
#include "LineChart.h"
#include "MessageBox.h"
#include "ResultSet.h"
#include "TCompareMDIChild.h"
#include "TSummaryMDIChild.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

namespace {

bool askPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QSize> askImageSize(QSize proposed, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Rozmiar obrazu"));
    // Wide enough for its caption beside the title bar's buttons.
    dialog.setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) * 2 +
                           dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight) * 3);
    auto* form = new QFormLayout(&dialog);
    auto sizeBox = [form](const QString& label, int value) {
        auto* box = new QSpinBox;
        box->setRange(16, 10000);
        box->setSuffix(QStringLiteral(" px"));
        box->setValue(value);
        form->addRow(label, box);
        return box;
    };
    QSpinBox* width = sizeBox(QStringLiteral("Szerokość:"), proposed.width());
    QSpinBox* height = sizeBox(QStringLiteral("Wysokość:"), proposed.height());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return QSize(width->value(), height->value());
}

// Where a chart's file is proposed: beside the set, named after the window's title.
QString proposedChartFile(const TChartMDIChild& chart) {
    const QString title = chart.windowTitle();
    const QString kind = title.section(QStringLiteral(" - "), -1);
    const QFileInfo set(chart.fileName());
    if (chart.fileName().isEmpty())
        return kind + QStringLiteral(".png");
    return set.dir().filePath(set.completeBaseName() + u'-' + kind + QStringLiteral(".png"));
}

} // namespace

TTavMDIClient::TTavMDIClient(const QString& listFilePath, QWidget* parent)
    : QMdiArea(parent), listFilePath_(listFilePath), choosePrinter_(askPrinter),
      chooseImageSize_(askImageSize) {
    setObjectName(QStringLiteral("client"));
}

TChartMDIChild* TTavMDIClient::activeChart() const {
    // The current window, not the active one: it stays current while a dialog has the focus.
    return qobject_cast<TChartMDIChild*>(currentSubWindow());
}

TSummaryMDIChild* TTavMDIClient::activeSummary() const {
    return qobject_cast<TSummaryMDIChild*>(currentSubWindow());
}

QString TTavMDIClient::chooseUnusedSet(const QString& title, const QString& refusalCaption,
                                       const QString& acceptLabel) {
    // After a refusal the dialog opens again at the file just refused.
    QString lastChoice;
    for (;;) {
        const QString setName =
            chooseFile(this, FileChoice::Open, title, resultSetFilter(), lastChoice, acceptLabel);
        if (setName.isEmpty() || !isSetInUse(listFilePath_, setName, this))
            return setName;
        lastChoice = setName;
        showSetRefusal(refusalCaption);
    }
}

void TTavMDIClient::showSetRefusal(const QString& refusalCaption) {
    showMessage(this, QStringLiteral("File name already exist and is in use"), refusalCaption,
                MessageIcon::Exclamation);
}

void TTavMDIClient::openResults() {
    const QString setName = chooseUnusedSet(QString(), QStringLiteral("Choose another file"));
    if (!setName.isEmpty())
        openChosenSet(setName);
}

void TTavMDIClient::openResults(const QString& setName) {
    if (isSetInUse(listFilePath_, setName, this))
        showSetRefusal(QStringLiteral("Choose another file"));
    else
        openChosenSet(setName);
}

void TTavMDIClient::openChosenSet(const QString& setName) {
    const LoadedSet set = loadSet(setName.toStdString());
    // One message for a file that is no set at all, not one from each of its windows.
    if (const SetProblem problem = resultSetProblem(set); problem != SetProblem::None) {
        showMessage(this, setProblemText(setName, problem), QStringLiteral("Error!"),
                    MessageIcon::Exclamation);
        return;
    }
    showSet(set);
}

QStringList TTavMDIClient::chooseSetsToCompare() {
    // As the open command does: a refused choice brings the dialog back, until the user picks
    // sets that no calculation writes, or cancels.
    for (;;) {
        const QStringList setNames =
            chooseFiles(this, QStringLiteral("Porównaj wyniki"), resultSetFilter());
        QStringList inUse;
        for (const QString& setName : setNames)
            if (isSetInUse(listFilePath_, setName, this))
                inUse.append(setName);
        if (inUse.isEmpty())
            return setNames;
        showMessage(this,
                    QStringLiteral("File name already exist and is in use:\n") + inUse.join(u'\n'),
                    QStringLiteral("Choose another file"), MessageIcon::Exclamation);
    }
}

void TTavMDIClient::compareResults() {
    if (const QStringList setNames = chooseSetsToCompare(); !setNames.isEmpty())
        compareSets(setNames);
}

std::vector<TChartMDIChild*> TTavMDIClient::compareSets(const QStringList& setNames) {
    // The windows of the comparison share the group; the last window to close frees it.
    auto group = std::make_shared<ComparisonGroup>();
    if (!addToComparison(*group, setNames))
        return {};
    std::vector<TChartMDIChild*> shown;
    for (ComparedQuantity quantity : sharedQuantities(group->loaded())) {
        auto* window = new TCompareMDIChild(*this, group, quantity);
        connect(window, &TCompareMDIChild::addRequested, this,
                [this, window] { addToComparison(window->group()); });
        addSubWindow(window);
        window->show();
        shown.push_back(window);
    }
    auto* summary = new TSummaryMDIChild(group->loaded());
    connect(group.get(), &ComparisonGroup::changed, summary,
            [summary, sets = group.get()] { summary->showSets(sets->loaded()); });
    addSubWindow(summary);
    summary->show();
    // The comparison's charts as one cascade, over no set's title bars; the summary along the
    // bottom, as wide as its columns, where it covers the lower parts of windows, not their titles.
    placeInCascade(std::vector<QMdiSubWindow*>(shown.begin(), shown.end()));
    const QSize room = viewport()->size();
    QSize summarySize = summary->sizeHint();
    // A client narrower than the table: room for the scroll bar below the last row.
    if (summarySize.width() > room.width())
        summarySize.rheight() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    summarySize = summarySize.boundedTo(room);
    summary->setGeometry(QRect(QPoint(0, room.height() - summarySize.height()), summarySize));
    return shown;
}

void TTavMDIClient::addToComparison(ComparisonGroup& group) {
    if (const QStringList setNames = chooseSetsToCompare(); !setNames.isEmpty())
        addToComparison(group, setNames);
}

bool TTavMDIClient::addToComparison(ComparisonGroup& group, const QStringList& setNames) {
    for (const LoadedSet* compared : group.loaded())
        if (const QString name = QString::fromStdString(compared->name); setNames.contains(name)) {
            showMessage(this, QStringLiteral("%1 is in the comparison already").arg(name),
                        QStringLiteral("Error!"), MessageIcon::Exclamation);
            return false;
        }
    std::vector<LoadedSet> sets;
    for (const QString& setName : setNames)
        sets.push_back(loadSet(setName.toStdString()));
    if (group.add(std::move(sets)))
        return true;
    showMessage(this,
                QStringLiteral("Thick samples (times in hours) and thin samples (times in "
                               "seconds) cannot be compared"),
                QStringLiteral("Error!"), MessageIcon::Exclamation);
    return false;
}

void TTavMDIClient::deleteResults() {
    const QString setName = chooseUnusedSet(
        QStringLiteral("Choose file with data to remove"),
        QStringLiteral("That file cannot be removed - choose another"), QStringLiteral("Skasuj"));
    if (!setName.isEmpty() && confirmDeleting(setName))
        deleteResultSet(setName);
}

bool TTavMDIClient::confirmDeleting(const QString& setName) {
    // The main file may be a programme never computed, the user's only copy of it.
    QStringList names;
    for (const QString& file : resultSetFiles(setName))
        names.append(QStringLiteral("    ") + QFileInfo(file).fileName());
    const QString text = QStringLiteral("Remove the result set %1?\n\nThese files will be "
                                        "deleted:\n%2")
                             .arg(setName, names.join(u'\n'));
    return showMessage(this, text, QStringLiteral("Remove result set"), MessageIcon::Question,
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
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
    openSet_ = &set;
    std::vector<SetWindow> windows = buildSetWindows(*this, this, OpenData, kind.charts, built);
    openSet_ = nullptr;
    OpenData.clear();

    // Closed windows leave the table here; a new window at a closed one's address replaces it.
    const QList<QMdiSubWindow*> open = subWindowList();
    shownCharts_.removeIf([&open](const auto& entry) { return !open.contains(entry.key()); });
    std::vector<std::pair<ChartKind, TChartMDIChild*>> shown;
    for (SetWindow& made : windows) {
        TChartMDIChild* window = made.window.release();
        window->setAttribute(Qt::WA_DeleteOnClose);
        addSubWindow(window);
        shownCharts_.insert(window, {QString::fromStdString(set.name), made.kind});
        window->show();
        shown.emplace_back(made.kind, window);
    }
    std::vector<QMdiSubWindow*> placed;
    for (const auto& made : shown)
        placed.push_back(made.second);
    placeInCascade(placed);
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

void TTavMDIClient::printActiveChart() {
    TChartMDIChild* chart = activeChart();
    if (!chart)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(chart->windowTitle());
    if (const auto shown = shownCharts_.constFind(chart); shown != shownCharts_.cend()) {
        // A PDF file beside the set, named after it and the chart, is what the dialog offers.
        const QString setFolder = QFileInfo(shown->setName).absolutePath();
        printer.setOutputFileName(chartFileBase(setFolder, shown->setName, shown->kind) +
                                  QStringLiteral(".pdf"));
    }
    if (choosePrinter_(printer, this))
        chart->print(printer, chartHeading(*chart));
}

QStringList TTavMDIClient::chartHeading(const TChartMDIChild& chart) const {
    const auto shown = shownCharts_.constFind(&chart);
    if (shown == shownCharts_.cend())
        return {chart.windowTitle()};
    return {shown->setName,
            chartTitle(shown->kind) + QStringLiteral(": ") + chart.chart().description().yCaption};
}

void TTavMDIClient::saveActiveChart() {
    if (TSummaryMDIChild* summary = activeSummary()) {
        saveSummary(*summary);
        return;
    }
    TChartMDIChild* chart = activeChart();
    if (!chart)
        return;
    QString path = chooseFile(this, FileChoice::Save, QStringLiteral("Zapisz wykres"),
                              QStringLiteral("PNG (*.png);;PDF (*.pdf);;SVG (*.svg);;CSV (*.csv)"),
                              proposedChartFile(*chart));
    if (path.isEmpty())
        return;
    std::optional<ChartFileFormat> format = chartFileFormat(path);
    if (!format) {
        path += QStringLiteral(".png");
        format = ChartFileFormat::Png;
    }
    QSize size = chart->chart().size();
    if (*format == ChartFileFormat::Png) {
        const std::optional<QSize> chosen = chooseImageSize_(size, this);
        if (!chosen)
            return;
        size = *chosen;
    }
    if (!chart->saveTo(path, *format, size, chartHeading(*chart)))
        showMessage(this, QStringLiteral("Cannot write file ") + path, QStringLiteral("Error!"),
                    MessageIcon::Stop);
}

void TTavMDIClient::saveSummary(const TSummaryMDIChild& summary) {
    QString path = chooseFile(this, FileChoice::Save, QStringLiteral("Zapisz wykres"),
                              QStringLiteral("CSV (*.csv)"), QStringLiteral("summary.csv"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(summary.csv().toUtf8()) < 0)
        showMessage(this, QStringLiteral("Cannot write file ") + path, QStringLiteral("Error!"),
                    MessageIcon::Stop);
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
