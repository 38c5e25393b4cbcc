#pragma once
// What the active document of the MDI client does, a chart window and a comparison's summary
// alike: print it, save it into a file, copy it to the clipboard. The questions it asks the user
// (where to print) go through a choice that tests replace.

#include <QSize>

#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;
class TChartMDIChild;
class TSummaryMDIChild;
class TTavMDIClient;

class DocumentCommands {
public:
    // Asks where to print; false when the user declined.
    using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;

    explicit DocumentCommands(TTavMDIClient& client);

    // "&Drukuj...": the active chart, headed by its set and what it shows.
    void print();
    // "Zapisz wykres...": the active chart into a file of the format its name ends in, or the
    // summary as comma-separated text.
    void save();
    // "&Kopiuj Ctrl+Ins".
    void copy();

    void setPrinterChoice(PrinterChoice choice) { choosePrinter_ = std::move(choice); }

private:
    // What a printed or saved chart says above it: the set's name and the chart's title, or the
    // window's title where the chart shows no one set.
    QStringList heading(const TChartMDIChild& chart) const;
    void saveChart(const TChartMDIChild& chart);
    void saveSummary(const TSummaryMDIChild& summary);

    TTavMDIClient& client_;
    PrinterChoice choosePrinter_;
};
