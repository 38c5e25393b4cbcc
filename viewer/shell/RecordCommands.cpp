#include "RecordCommands.h"

#include "ChartExport.h"
#include "LoadRecord.h"
#include "MessageBox.h"
#include "ResultSet.h"
#include "SetNames.h"
#include "TChartMDIChild.h"
#include "TavMDIClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString keptSpecification(const QString& setName) {
    QFile kept(setFileName(setName, "spc"));
    if (!kept.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(kept.readLine()).trimmed();
}

QString keepSpecification(const QString& setName, const QString& requirements) {
    return writeWholeFile(setFileName(setName, "spc"),
                          (QFileInfo(requirements).absoluteFilePath() + u"\r\n"_s).toUtf8());
}

RecordCommands::RecordCommands(TTavMDIClient& client) : client_(client) {}

std::optional<QString> RecordCommands::activeSet() const {
    const QMdiSubWindow* window = client_.activeSubWindow();
    if (!window)
        return std::nullopt;
    const std::optional<ShownChart> shown = client_.shownChart(*window);
    if (!shown)
        return std::nullopt;
    return shown->setName;
}

QList<ShownMeasurement> RecordCommands::shownMeasurements(const QString& setName) const {
    QList<ShownMeasurement> measurements;
    for (const QMdiSubWindow* window : client_.subWindowList()) {
        const std::optional<ShownChart> shown = client_.shownChart(*window);
        const auto* chart = qobject_cast<const TChartMDIChild*>(window);
        if (shown && chart && sameSetName(shown->setName.toStdString(), setName.toStdString()))
            measurements.append(chart->measurements());
    }
    return measurements;
}

void RecordCommands::chooseSpecification() {
    const std::optional<QString> set = activeSet();
    if (!set)
        return;
    const QString current = keptSpecification(*set);
    const QString path = chooseFile(&client_, FileChoice::Open, tr("Specyfikacja części"),
                                    tr("Specyfikacja części (*.txt);;Wszystkie pliki (*)"),
                                    current.isEmpty() ? QFileInfo(*set).absolutePath() : current);
    if (path.isEmpty())
        return;
    const SpecReading reading = readPartSpecification(QFile::encodeName(path).toStdString());
    if (!reading.limits) {
        showMessage(&client_, path + u": "_s + QString::fromStdString(reading.problem),
                    tr("Błąd specyfikacji"), MessageIcon::Exclamation);
        return;
    }
    if (const QString problem = keepSpecification(*set, path); !problem.isEmpty())
        showMessage(&client_, problem, tr("Error!"), MessageIcon::Stop);
}

void RecordCommands::writeRecord() {
    const std::optional<QString> set = activeSet();
    if (!set)
        return;
    const QFileInfo setFile(*set);
    const QString proposed =
        setFile.absoluteDir().filePath(setFile.completeBaseName() + u"-record.pdf"_s);
    QString path = chooseFile(&client_, FileChoice::Save, tr("Raport z wsadu"),
                              QStringLiteral("_sPDF (*.pdf)"), proposed);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".pdf"_s;
    const LoadedSet loaded = loadSet(set->toStdString());
    const RecordResult result =
        writeLoadRecord(path, loaded, shownMeasurements(*set), keptSpecification(*set));
    switch (result.status) {
    case RecordResult::Status::BadInput:
        showMessage(&client_, result.problem, tr("Raport z wsadu"), MessageIcon::Exclamation);
        return;
    case RecordResult::Status::WriteFailed:
        showMessage(&client_, result.problem, tr("Error!"), MessageIcon::Stop);
        return;
    case RecordResult::Status::Holds:
    case RecordResult::Status::Fails:
        break;
    }
    QString told = tr("Raport zapisany: %1").arg(path);
    if (!result.verdict)
        told +=
            u"\n"_s + tr("Bez specyfikacji części: wybierz ją poleceniem Specyfikacja części...");
    else
        told += u"\n"_s + result.verdictText;
    showMessage(&client_, told, tr("Raport z wsadu"), MessageIcon::Information);
}
