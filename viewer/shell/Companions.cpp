#include "Companions.h"

#include "ProgramPlace.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool startCalculation(const ProgramPlace& place, std::string_view shape) {
    const QString shapeArgument =
        QString::fromUtf8(shape.data(), static_cast<qsizetype>(shape.size()));
    return QProcess::startDetached(place.calculationProgram(), {shapeArgument});
}

void openHelpPage(const ProgramPlace& place, const QString& page) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(place.helpPage(page)));
}
