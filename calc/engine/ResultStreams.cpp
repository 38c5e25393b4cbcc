#include "ResultStreams.h"

#include "SetNames.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <locale>

namespace {

constexpr const char* resultExtensions[] = {"ste", "twa", "pow", "gru", "mas", "sre", "grx", "roz"};

void reopen(std::ofstream& stream, const std::string& path, std::ios::openmode mode) {
    if (stream.is_open())
        stream.close();
    stream.clear();
    stream.open(path, mode | std::ios::binary);
}

} // namespace

ResultStreams::ResultStreams() {
    for (std::ofstream* stream : {&main, &pow, &twa, &mas, &gru, &sre})
        stream->imbue(std::locale::classic());
}

void ResultStreams::openThick(const std::string& fileName) {
    failed_ = false;
    reopen(main, fileName, std::ios::out | std::ios::app);
    reopen(pow, resultFileName(fileName, "pow"), std::ios::out | std::ios::trunc);
    reopen(twa, resultFileName(fileName, "twa"), std::ios::out | std::ios::trunc);
    reopen(mas, resultFileName(fileName, "mas"), std::ios::out | std::ios::trunc);
    reopen(gru, resultFileName(fileName, "gru"), std::ios::out | std::ios::trunc);
}

void ResultStreams::openThin(const std::string& fileName) {
    failed_ = false;
    reopen(main, fileName, std::ios::out | std::ios::app);
    reopen(pow, resultFileName(fileName, "pow"), std::ios::out | std::ios::trunc);
    reopen(mas, resultFileName(fileName, "mas"), std::ios::out | std::ios::trunc);
    reopen(sre, resultFileName(fileName, "sre"), std::ios::out | std::ios::trunc);
}

void ResultStreams::closeAll() {
    for (std::ofstream* stream : {&main, &pow, &twa, &mas, &gru, &sre})
        if (stream->is_open())
            stream->close();
}

bool ResultStreams::finite(std::initializer_list<double> values) {
    for (double value : values)
        if (!std::isfinite(value))
            failed_ = true;
    return !failed_;
}

void ResultStreams::row(std::ostream& out, int width, int precision,
                        std::initializer_list<double> values) {
    if (!finite(values))
        return;
    out << ", ";
    for (double value : values)
        out << std::setw(width) << std::setprecision(precision) << value;
    out << lineEnd;
}

void ResultStreams::removeEarlierResults(const std::string& fileName) {
    deleteResultFiles(fileName);
}

void ResultStreams::removeSet(const std::string& fileName) {
    deleteSet(fileName);
}

bool hasResultFiles(const std::string& fileName) {
    return std::ranges::any_of(resultExtensions, [&fileName](const char* extension) {
        return std::filesystem::exists(resultFileName(fileName, extension));
    });
}

void deleteResultFiles(const std::string& fileName) {
    for (const char* extension : resultExtensions)
        std::remove(resultFileName(fileName, extension).c_str());
}

void deleteSet(const std::string& fileName) {
    std::remove(fileName.c_str());
    deleteResultFiles(fileName);
}

ResultStreams& processResultStreams() {
    static ResultStreams streams;
    return streams;
}
