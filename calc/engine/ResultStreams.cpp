#include "ResultStreams.h"

#include "KindTraits.h"
#include "SetNames.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <locale>

namespace {

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

void ResultStreams::open(const std::string& fileName, SampleShape kind) {
    failed_ = false;
    reopen(main, fileName, std::ios::out | std::ios::app);
    for (ResultFile file : kindTraits(kind).resultFiles)
        reopen(resultStream(file), resultFileName(fileName, extension(file)),
               std::ios::out | std::ios::trunc);
}

std::ofstream& ResultStreams::resultStream(ResultFile file) {
    switch (file) {
    case ResultFile::Surface:
        return pow;
    case ResultFile::Hardness:
        return twa;
    case ResultFile::Mass:
        return mas;
    case ResultFile::CaseDepth:
        return gru;
    case ResultFile::Mean:
        break;
    }
    return sre;
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
    return std::ranges::any_of(setFileExtensions, [&fileName](std::string_view extension) {
        return std::filesystem::exists(resultFileName(fileName, extension));
    });
}

void deleteResultFiles(const std::string& fileName) {
    for (std::string_view extension : setFileExtensions)
        std::remove(resultFileName(fileName, extension).c_str());
}

void deleteSet(const std::string& fileName) {
    deleteSetFiles(fileName, setFileExtensions);
}

ResultStreams& processResultStreams() {
    static ResultStreams streams;
    return streams;
}
