#include "GuardedApplication.h"

#include <utility>

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        if (!caught_)
            caught_ = std::current_exception();
        exit(EXIT_FAILURE);
        return false;
    }
}

int GuardedApplication::runEventLoop() {
    const int code = exec();
    // Under another application object (tests) nothing is caught here.
    if (auto* guarded = qobject_cast<GuardedApplication*>(instance()); guarded && guarded->caught_)
        std::rethrow_exception(std::exchange(guarded->caught_, nullptr));
    return code;
}
