#include "DocumentCommands.h"

#include "ChartExport.h"
#include "ChartWindows.h"
#include "LineChart.h"
#include "MessageBox.h"
#include "SetWindows.h"
#include "TSummaryMDIChild.h"
#include "TavMDIClient.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QStyle>

#include <optional>

namespace {

bool askPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

// The size of a PNG picture, proposing the chart's; none when the user declined.
std::optional<QSize> askImageSize(QSize proposed, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("DocumentCommands", "Rozmiar obrazu"));
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
    QSpinBox* width =
        sizeBox(QCoreApplication::translate("DocumentCommands", "Szerokość:"), proposed.width());
    QSpinBox* height =
        sizeBox(QCoreApplication::translate("DocumentCommands", "Wysokość:"), proposed.height());
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

void reportUnwritten(QWidget* parent, const QString& path, const QString& problem) {
    showMessage(parent,
                QCoreApplication::translate("DocumentCommands", "Cannot write file ") + path +
                    u'\n' + problem,
                QCoreApplication::translate("DocumentCommands", "Error!"), MessageIcon::Stop);
}

} // namespace

DocumentCommands::DocumentCommands(TTavMDIClient& client)
    : client_(client), choosePrinter_(askPrinter) {}

void DocumentCommands::print() {
    TChartMDIChild* chart = client_.activeChart();
    if (!chart)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(chart->windowTitle());
    if (const std::optional<ShownChart> shown = client_.shownChart(*chart)) {
        // A PDF file beside the set, named after it and the chart, is what the dialog offers.
        const QString setFolder = QFileInfo(shown->setName).absolutePath();
        printer.setOutputFileName(chartFileBase(setFolder, shown->setName, shown->kind) +
                                  QStringLiteral(".pdf"));
    }
    if (choosePrinter_(printer, &client_))
        chart->print(printer, heading(*chart));
}

QStringList DocumentCommands::heading(const TChartMDIChild& chart) const {
    const std::optional<ShownChart> shown = client_.shownChart(chart);
    if (!shown)
        return {chart.windowTitle()};
    return {shown->setName, chartTitle(shown->kind) + QStringLiteral(": ") +
                                shownCaption(chart.chart().description().yCaption)};
}

void DocumentCommands::save() {
    if (const TSummaryMDIChild* summary = client_.activeSummary())
        saveSummary(*summary);
    else if (const TChartMDIChild* chart = client_.activeChart())
        saveChart(*chart);
}

void DocumentCommands::copy() {
    if (const TChartMDIChild* chart = client_.activeChart())
        chart->copyToClipboard();
    else if (const TSummaryMDIChild* summary = client_.activeSummary())
        summary->copyToClipboard();
}

void DocumentCommands::saveChart(const TChartMDIChild& chart) {
    QString path = chooseFile(&client_, FileChoice::Save,
                              QCoreApplication::translate("DocumentCommands", "Zapisz wykres"),
                              QStringLiteral("PNG (*.png);;PDF (*.pdf);;SVG (*.svg);;CSV (*.csv)"),
                              proposedChartFile(chart));
    if (path.isEmpty())
        return;
    std::optional<ChartFileFormat> format = chartFileFormat(path);
    if (!format) {
        path += QStringLiteral(".png");
        format = ChartFileFormat::Png;
    }
    QSize size = chart.chart().size();
    if (*format == ChartFileFormat::Png) {
        const std::optional<QSize> chosen = askImageSize(size, &client_);
        if (!chosen)
            return;
        size = *chosen;
    }
    if (const QString problem = chart.saveTo(path, *format, size, heading(chart));
        !problem.isEmpty())
        reportUnwritten(&client_, path, problem);
}

void DocumentCommands::saveSummary(const TSummaryMDIChild& summary) {
    QString path = chooseFile(&client_, FileChoice::Save,
                              QCoreApplication::translate("DocumentCommands", "Zapisz wykres"),
                              QStringLiteral("CSV (*.csv)"), QStringLiteral("summary.csv"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (const QString problem = writeWholeFile(path, summary.csv().toUtf8()); !problem.isEmpty())
        reportUnwritten(&client_, path, problem);
}
