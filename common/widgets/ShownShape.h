#pragma once
// A sample shape as the windows name it, in their language ("Próbka półnieskończona",
// "Semi-infinite sample"); the command line and the files keep the names of KindTraits.h.

#include "KindTraits.h"

#include <QString>

QString shownShapeName(SampleShape shape);
// The same for a shape's name as a file or the command line gives it; a name of no shape is
// shown as it is.
QString shownShapeName(const QString& fileName);
