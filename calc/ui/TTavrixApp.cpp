#include "TTavrixApp.h"

#include "MessageBox.h"
#include "NumericLocale.h"
#include "TTavrixDialog.h"
#include "TTavrixFrame.h"
#include "WindowSystem.h"

#include <QStringList>

#include <string>
#include <vector>

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
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    const std::vector<std::string> own = programArguments(arguments);
    if (!own.empty())
        shapeName_ = QString::fromStdString(own.front());
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
    const QString given = name.isEmpty() ? TTavrixApp::tr("No sample shape was given.")
                                         : TTavrixApp::tr("Unknown sample shape \"%1\".").arg(name);
    showMessage(nullptr,
                given + TTavrixApp::tr("\nStart tavcalc with one of these shapes:\n   ") +
                    quotedShapeNames() + TTavrixApp::tr("\nfor instance: tavcalc \"Plate\""),
                TTavrixApp::tr("Error!"), MessageIcon::Stop);
    return std::nullopt;
}
