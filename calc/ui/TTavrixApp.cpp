#include "TTavrixApp.h"

#include "MessageBox.h"
#include "NumericLocale.h"
#include "TTavrixDialog.h"
#include "TTavrixFrame.h"

#include <QStringList>

namespace {

// The status of a start that names no shape the program knows.
constexpr int refusedStart = 2;

QString quotedShapeNames() {
    QStringList names;
    for (const KindTraits& kind : allKinds)
        if (kind.offered)
            names.append(u'"' + shapeText(kind.shape) + u'"');
    return names.join(QStringLiteral("\n   "));
}

} // namespace

TTavrixApp::TTavrixApp(int& argc, char** argv) : QApplication(argc, argv) {
    useClassicNumericLocale();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        shapeName_ = arguments.at(1);
}

int TTavrixApp::run() {
    const std::optional<SampleShape> shape = acceptedShape(shapeName_);
    if (!shape)
        return refusedStart;
    TTavrixFrame frame(*shape);
    frame.show();
    return exec();
}

const char* TTavrixApp::version() {
    return TAVCALC_VERSION;
}

std::optional<SampleShape> acceptedShape(const QString& name) {
    if (const auto shape = shapeFromName(name.toStdString()))
        return shape;
    const QString given = name.isEmpty() ? QStringLiteral("No sample shape was given.")
                                         : QStringLiteral("Unknown sample shape \"%1\".").arg(name);
    showMessage(nullptr,
                given + QStringLiteral("\nStart tavcalc with one of these shapes:\n   ") +
                    quotedShapeNames() + QStringLiteral("\nfor instance: tavcalc \"Plate\""),
                QStringLiteral("Error!"), MessageIcon::Stop);
    return std::nullopt;
}
