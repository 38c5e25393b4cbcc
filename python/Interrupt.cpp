#include "Interrupt.h"

namespace py = pybind11;

InterruptWatch::InterruptWatch() {
    const auto threading = py::module_::import("threading");
    watching_ = threading.attr("main_thread")().is(threading.attr("current_thread")());
}

bool InterruptWatch::cancelRequested() {
    if (interrupted_ || !watching_ || ++steps_ % stepsBetweenChecks != 0)
        return interrupted_;
    const py::gil_scoped_acquire python;
    interrupted_ = PyErr_CheckSignals() != 0;
    return interrupted_;
}

void InterruptWatch::raiseIfInterrupted() const {
    if (interrupted_)
        throw py::error_already_set();
}
