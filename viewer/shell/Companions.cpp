#include "Companions.h"

#include "InterfaceLanguage.h"
#include "ProgramPlace.h"

#include <QProcess>

bool startCalculation(const ProgramPlace& place, std::string_view shape) {
    const QString shapeArgument =
        QString::fromUtf8(shape.data(), static_cast<qsizetype>(shape.size()));
    return QProcess::startDetached(place.calculationProgram(), languageArguments()
                                                                   << shapeArgument);
}
