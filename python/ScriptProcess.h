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
    // Writes the file and takes it for the process's path (with the GIL held: `path` is the
    // script's to read).
    void write(const std::string& file);
    // Writes the file alone: callable without the GIL.
    void writeFile(const std::string& file) const;

    std::map<std::string, double> alloy() const;
    // As a script gives them: a gas stage without its condition.
    pybind11::list stages() const;
    std::optional<double> thickness() const;
    // A settings line's value as the file writes it ("oil 25 H 0.35"); none when absent.
    std::optional<std::string> setting(const std::string& name) const;
    // Sets the line `name` to `value` (none removes it), read as the file's line would be: a
    // value the line refuses raises ProcessError with its reason.
    void setSetting(const std::string& name, const std::optional<std::string>& value);
    std::string diffusivity() const;
    bool operator==(const Process& other) const { return text() == other.text(); }

    ProcessRecord record;
    std::optional<std::string> path; // the file it was read from or written to
};
