#pragma once
// A process as a script builds, reads and writes it.

#include "ProcessData.h"

#include <pybind11/pybind11.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// The name a script gives a shape: "semi-infinite", "plate", "foil", "cylinder" or "wire".
std::string scriptName(SampleShape shape);

// The record a process-data file's head holds, every number as the file keeps it (six
// significant digits), so that a process and its file compute the same.
class Process {
public:
    // Invalid data raise ProcessError with the batch run's message.
    Process(double steelCarbon, double beta, const std::map<std::string, double>& alloy,
            const std::string& shape, const std::vector<pybind11::sequence>& stages,
            std::optional<double> thickness, const std::string& diffusivity = "standard",
            bool carbides = false);
    explicit Process(ProcessRecord read, std::optional<std::string> file = std::nullopt)
        : record(std::move(read)), path(std::move(file)) {}

    static Process read(const std::string& file);

    // The file's head, as the calculation window writes it.
    std::string text() const;
    void write(const std::string& file);

    std::map<std::string, double> alloy() const;
    // As a script gives them: a gas stage without its condition.
    pybind11::list stages() const;
    std::optional<double> thickness() const;
    std::string diffusivity() const;
    bool operator==(const Process& other) const { return text() == other.text(); }

    ProcessRecord record;
    std::optional<std::string> path; // the file it was read from or written to
};
