#pragma once
// The frame's MDI client: it holds the chart windows of the opened result sets and the two
// flags they read when they draw, and carries the commands that open and delete sets.
//
// `OpenData` names the set only while its windows are being built: each window takes its file
// name from it at construction.

#include "ChartContext.h"
#include "LoadedSet.h"
#include "SetWindows.h"

#include <QHash>
#include <QMdiArea>

#include <functional>
#include <optional>

class QPrinter;
class ComparisonGroup;
class TChartMDIChild;
class TSummaryMDIChild;

class TTavMDIClient : public QMdiArea, public ChartContext {
    Q_OBJECT
public:
    // Asks where to print; false when the user declined.
    using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;

    explicit TTavMDIClient(const QString& listFilePath, QWidget* parent = nullptr);

    bool autoFit() const override { return AutoFit; }
    void setAutoFit(bool on) { AutoFit = on; }
    bool foilSample() const override { return FoilSample; }
    void setFoilSample(bool foil) override { FoilSample = foil; }
    QString openFileName() const override { return OpenData; }
    const LoadedSet* openSet() const override { return openSet_; }

    // The chart window commands go to; null when there is none.
    TChartMDIChild* activeChart() const;
    // The current window when it is a comparison's summary.
    TSummaryMDIChild* activeSummary() const;

    // "&Otwórz wyniki...": a set chosen in the file dialog, unless a calculation writes it.
    void openResults();
    // The same for a set named when the viewer starts ("tavrix SET.tav"): opened unless a
    // calculation writes it, which the usual message says.
    void openResults(const QString& setName);
    // "&Porównaj wyniki...": several sets chosen at once, unless a calculation writes one.
    void compareResults();
    // A window per quantity the sets share, unless thick and thin sets are mixed; the windows
    // come back in the order they were shown.
    std::vector<TChartMDIChild*> compareSets(const QStringList& setNames);
    // "Dodaj zestaw..." of a comparison window: sets chosen as for "&Porównaj wyniki...",
    // added to every window of its comparison unless refused as the opening ones would be, or
    // because one of them is compared already.
    void addToComparison(ComparisonGroup& group);
    bool addToComparison(ComparisonGroup& group, const QStringList& setNames);
    // "&Skasuj wyniki...": the files of a set chosen in the file dialog, unless in use.
    void deleteResults();
    // Reads a set and builds and shows its windows; they come back in the order they were
    // shown.
    std::vector<std::pair<ChartKind, TChartMDIChild*>> openSet(const QString& setName,
                                                               const BuiltWindow& built = {});
    // The same for a set already read.
    std::vector<std::pair<ChartKind, TChartMDIChild*>> showSet(const LoadedSet& set,
                                                               const BuiltWindow& built = {});

    void printActiveChart();
    void setPrinterChoice(PrinterChoice choice) { choosePrinter_ = std::move(choice); }

    // Asks the size of a PNG picture, proposing the chart's; none when the user declined.
    using ImageSizeChoice = std::function<std::optional<QSize>(QSize proposed, QWidget* parent)>;
    // "Zapisz wykres...": the active chart into a file of the format its name ends in.
    void saveActiveChart();
    void setImageSizeChoice(ImageSizeChoice choice) { chooseImageSize_ = std::move(choice); }

    // Lines the minimised windows up along the bottom edge, left to right.
    void arrangeIcons();

private:
    // What a printed or saved chart says above it: the set's name and the chart's title, or the
    // window's title where the chart shows no one set.
    QStringList chartHeading(const TChartMDIChild& chart) const;
    // The summary's comma-separated text into a file chosen in the file dialog.
    void saveSummary(const TSummaryMDIChild& summary);
    // Sets chosen together in the file dialog; none when one of them is in use (said so).
    QStringList chooseSetsToCompare();
    // Lays `windows` out one title bar below and to the right of each other, where they hide no
    // title bar of the windows already open (`cascadePlaces`).
    void placeInCascade(const std::vector<QMdiSubWindow*>& windows);
    QString chooseUnusedSet(const QString& title, const QString& refusalCaption,
                            const QString& acceptLabel = QString());
    bool confirmDeleting(const QString& setName);
    void showSetRefusal(const QString& refusalCaption);
    // Reads a set chosen to be opened and shows its windows, or says why it cannot.
    void openChosenSet(const QString& setName);

    // What each chart window of an opened set shows, for printing. The keys are never
    // dereferenced: a window may have closed since.
    struct ShownChart {
        QString setName;
        ChartKind kind;
    };
    QHash<const QMdiSubWindow*, ShownChart> shownCharts_;

    bool AutoFit = true;
    bool FoilSample = false; // the set is timed in seconds: a foil or a wire
    SampleShape openedShape_ = SampleShape::SemiInfinite;
    QString OpenData;
    const LoadedSet* openSet_ = nullptr; // the set of `OpenData`
    QString listFilePath_;
    PrinterChoice choosePrinter_;
    ImageSizeChoice chooseImageSize_;
};
