#include "ExportSet.h"

#include "ChartWindows.h"
#include "MessageBox.h"
#include "ProcessData.h"
#include "SetNames.h"
#include "SetWindows.h"
#include "TavMDIClient.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

#include <fstream>

namespace {

// A set is readable when its main file opens and begins with process data for a known shape.
bool isReadableSet(const QString& setName) {
    std::ifstream in(setName.toStdString(), std::ios::binary);
    TDane head;
    std::string shapeLine;
    return in >> head && std::getline(in >> std::ws, shapeLine) && shapeFromLine(shapeLine);
}

} // namespace

int exportSet(const QString& folder, const QString& setName, QTextStream& errors) {
    const QString fullName = QString::fromStdString(commandLineName(setName.toStdString()));
    if (!isReadableSet(fullName)) {
        errors << "tavrix: cannot read the result set " << setName << Qt::endl;
        return 2;
    }
    const QDir target(folder);
    if (!target.mkpath(QStringLiteral("."))) {
        errors << "tavrix: cannot make the folder " << folder << Qt::endl;
        return 2;
    }

    // The windows report unreadable files in message boxes, which nobody could answer here;
    // each report is put down to the window being built, to name the file.
    MessageCapture reports;
    QSet<ChartKind> reported;
    TTavMDIClient client(QString{});
    const auto windows = client.openSet(fullName, [&](ChartKind kind) {
        if (!reports.messages().isEmpty())
            reported.insert(kind);
        reports.clear();
    });

    const QString base = QFileInfo(fullName).completeBaseName();
    int failures = 0;
    for (const auto& [kind, window] : windows) {
        // The mass and mean-carbon windows take a missing file silently.
        const QString source = chartSourceFile(fullName, kind);
        if (reported.contains(kind) || !QFileInfo(source).isReadable()) {
            errors << "tavrix: cannot read " << source << Qt::endl;
            ++failures;
        }
        // The client is never shown, so nothing has drawn the chart yet.
        window->draw();
        const QString stem = target.filePath(base + u'-' + chartFileStem(kind));
        if (!window->exportTo(stem + QStringLiteral(".png"), stem + QStringLiteral(".csv"),
                              exportSize)) {
            errors << "tavrix: cannot write " << stem << ".png or .csv" << Qt::endl;
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
