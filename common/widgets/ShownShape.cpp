#include "ShownShape.h"

#include <QCoreApplication>

QString shownShapeName(SampleShape shape) {
    // The names are whole literals of KindTraits.h, so they end in a zero as translate() wants.
    return QCoreApplication::translate("SampleShapes", shapeName(shape).data());
}

QString shownShapeName(const QString& fileName) {
    return QCoreApplication::translate("SampleShapes", fileName.toUtf8().constData());
}
