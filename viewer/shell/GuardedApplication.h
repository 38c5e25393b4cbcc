#pragma once
// The application object of the viewer. Qt lets no exception pass through its event loop, so
// this one catches what an event handler throws, ends the loop, and throws it again where the
// loop was entered: the restart loop then reports it like any other abnormal end.

#include <QApplication>

#include <exception>

class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Runs the event loop and returns its result code, or rethrows what a handler threw.
    static int runEventLoop();

private:
    std::exception_ptr caught_;
};
