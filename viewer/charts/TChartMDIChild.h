#pragma once
// An MDI child window that shows one file of a result set as a line chart.
//
// The window owns its `TSkala` and its chart; the kind's class owns what the chart is drawn
// from. At every drawing (when the window is shown, when it is resized while the client fits
// charts automatically, on the fit command and after the scale dialog) the window describes its
// chart anew from those data and the `TSkala` and shows the description. Between drawings the
// chart keeps the size it was drawn at.

#include "ChartContext.h"
#include "ChartExport.h"
#include "ChartPoints.h"
#include "LoadedSet.h"
#include "Measurements.h"
#include "TSkala.h"

#include <QIcon>
#include <QMdiSubWindow>
#include <QSize>
#include <QString>

#include <memory>

class LineChart;
class QMenu;
class QPainter;
class QPrinter;
class QRectF;
class TAxisSetup;

// A window icon among the chart icons, by its name ("TEMP", "COMPARE", "SUMMARY").
QIcon chartWindowIcon(const QString& name);

class TChartMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    ~TChartMDIChild() override;

    // Rebuilds the chart at the window's current size, zoomed as it was; a minimised window
    // does not draw.
    void draw();
    // The fit command: the chart drawn again on the window's own axes.
    void fit();
    void copyToClipboard() const;
    // The kind's scale dialog on this window's `TSkala`, then a drawing whichever button
    // closed it.
    void scaleAxes();
    // One page: the `heading` lines (the set's name, the chart's title) above the chart, which
    // is drawn as lines and text, not as a picture, so that it stays sharp at any zoom.
    void print(QPrinter& printer, const QStringList& heading) const;
    // That page, painted within `page` of the painter's device.
    void paintPage(QPainter& painter, const QRectF& page, const QStringList& heading) const;
    // The chart as drawn, laid out for `size`, as a PNG file, and its lines' points as CSV.
    // Why a file could not be written, or empty when both were.
    QString exportTo(const QString& pngPath, const QString& csvPath, QSize size) const;
    // The chart as shown into a file of the format, under the `heading` lines (PNG, SVG, PDF);
    // `size` is that of a PNG picture or an SVG drawing. Why the file could not be written, or
    // empty when it was.
    QString saveTo(const QString& path, ChartFileFormat format, QSize size,
                   const QStringList& heading = {}) const;
    // The chart's series as comma-separated text.
    virtual QString csv() const;

    // Reads a measured profile and shows it beside the computed lines, in a colour of its own;
    // a file that cannot be read, or a measurement of another quantity, is refused with a
    // message naming why. Whether the measurement was added.
    bool addMeasurement(const QString& path);
    void removeMeasurement(qsizetype index);
    const QList<ShownMeasurement>& measurements() const { return measurements_; }
    // Whether the chart takes measurements (carbon and hardness profiles).
    bool takesMeasurements() const { return measuredChart_.has_value(); }
    // "Dodaj pomiar...": asks for a measurement's file and adds it.
    void chooseMeasurement();
    // "Usuń pomiar": one entry per measurement, which removes it.
    void fillRemoveMenu(QMenu& menu);

    // The file this window reads (empty when no set was being opened).
    const QString& fileName() const { return fileName_; }
    const TSkala& scale() const { return scale_; }
    const LineChart& chart() const { return *chart_; }

    // The size the window opens at. Cascading lays the windows out at their size hint: without
    // this one, the hand-placed chart would leave a window a bare title bar.
    QSize sizeHint() const override;

signals:
    void drawn();

protected:
    // `extension` names the set's file this kind reads; empty for the main file. `icon` is the
    // name of the window's icon among the chart icons.
    TChartMDIChild(ChartContext& context, const QString& title, const QString& extension,
                   const QString& icon, QWidget* parent);

    ChartContext& context() const { return context_; }
    TSkala& scaleRecord() { return scale_; }

    // The set being opened, as it was read; a set of missing files when none is.
    std::shared_ptr<const LoadedSet> openedSet() const;
    // Reports the window's file when it could not be opened or is damaged; the window keeps
    // whatever was read. False when the file could not be opened.
    bool takeFile(FileStatus status);
    // "Dodaj pomiar..." and "Usuń pomiar" in the window's context menu, for a chart of `kind`
    // (carbon or hardness profiles), whose measurements are compared with `measuredAgainst`.
    void addMeasurementCommands(ChartKind kind);
    // The last computed profiles the window's measurements are compared with.
    virtual std::vector<ComputedProfile> measuredAgainst() const { return {}; }

    // The kind's chart, from the window's data and its `TSkala`.
    virtual ChartDescription describe() = 0;
    // Whether lines the user hid by their legends stay hidden in the next description, or the
    // description itself says which lines are hidden.
    virtual bool keepsHiddenLines() const { return true; }
    virtual std::unique_ptr<TAxisSetup> scaleDialog() = 0;

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ChartContext& context_;
    QString fileName_;
    TSkala scale_;
    LineChart* chart_; // a child of the window's widget, placed by hand so it keeps its size
    std::optional<ChartKind> measuredChart_; // the chart kind measurements are added to, if any
    QList<ShownMeasurement> measurements_;
    int measurementColours_ = 0; // colours given so far: a removed one's is not given again
};
