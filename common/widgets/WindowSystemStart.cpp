#include "WindowSystemStart.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

std::string lineToSay;
QtMessageHandler previousHandler = nullptr;

void endWithOneLine(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(lineToSay.c_str(), stderr);
        std::_Exit(1);
    }
    previousHandler(type, context, message);
}

} // namespace

WindowSystemStart::WindowSystemStart(std::string noDisplayLine) {
    lineToSay = std::move(noDisplayLine);
    previousHandler = qInstallMessageHandler(endWithOneLine);
}

WindowSystemStart::~WindowSystemStart() {
    qInstallMessageHandler(previousHandler);
}
