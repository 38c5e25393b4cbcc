#include "ResultStreams.h"

#include "KindTraits.h"
#include "SetNames.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iomanip>
#include <locale>

ResultStreams::ResultStreams() {
    for (CheckedFile* stream : all())
        stream->imbue(std::locale::classic());
}

void ResultStreams::open(const std::string& fileName, SampleShape kind) {
    failed_ = false;
    closeAll();
    main.open(fileName, CheckedFile::Mode::Append);
    ofRun_.assign(1, &main);
    for (ResultFile file : kindTraits(kind).resultFiles)
        openAlso(fileName, file);
}

void ResultStreams::openAlso(const std::string& fileName, ResultFile file) {
    CheckedFile& stream = resultStream(file);
    stream.open(resultFileName(fileName, extension(file)), CheckedFile::Mode::Truncate);
    ofRun_.push_back(&stream);
}

CheckedFile& ResultStreams::resultStream(ResultFile file) {
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
        return sre;
    case ResultFile::Austenite:
        return aus;
    case ResultFile::Carbide:
        break;
    }
    return wgl;
}

bool ResultStreams::closeAll() {
    bool written = true;
    for (CheckedFile* stream : all())
        written = stream->close() && written;
    return written;
}

bool ResultStreams::failed() const {
    return failed_ || !problem().empty();
}

std::string ResultStreams::problem() const {
    for (const CheckedFile* stream : ofRun_)
        if (!stream->problem().empty())
            return stream->problem();
    return failed_ ? "the carbon profile is no longer finite" : std::string();
}

bool ResultStreams::finite(std::initializer_list<double> values) {
    return std::ranges::all_of(values, [](double value) { return std::isfinite(value); });
}

bool ResultStreams::admit(std::initializer_list<double> values) {
    if (finite(values))
        return true;
    failed_ = true;
    return false;
}

void ResultStreams::row(std::ostream& out, int width, int precision,
                        std::initializer_list<double> values) {
    if (!admit(values))
        return;
    out << ", ";
    for (double value : values)
        out << std::setw(width) << std::setprecision(precision) << value;
    out << lineEnd;
}

void ResultStreams::removeEarlierResults(const std::string& fileName) {
    deleteResultFiles(fileName, setFileExtensions);
}

void MemoryStreams::open(const std::string& /*fileName*/, SampleShape /*kind*/) {
    clearFailure();
    // The streams write through the base's buffer pointer: set to a string, the file buffer
    // they own stays closed.
    const auto keep = [](std::ostream& stream, std::stringbuf& text) {
        text.str({});
        stream.rdbuf(&text);
        stream.clear();
    };
    keep(main, mainText);
    keep(pow, powText);
    keep(twa, twaText);
    keep(mas, masText);
    keep(gru, gruText);
    keep(sre, sreText);
    keep(aus, ausText);
    keep(wgl, wglText);
}

std::string MemoryStreams::text(std::optional<ResultFile> file) const {
    if (!file)
        return mainText.str();
    switch (*file) {
    case ResultFile::Surface:
        return powText.str();
    case ResultFile::Hardness:
        return twaText.str();
    case ResultFile::Mass:
        return masText.str();
    case ResultFile::CaseDepth:
        return gruText.str();
    case ResultFile::Mean:
        return sreText.str();
    case ResultFile::Austenite:
        return ausText.str();
    case ResultFile::Carbide:
        break;
    }
    return wglText.str();
}

bool hasResultFiles(const std::string& fileName) {
    return std::ranges::any_of(setFileExtensions, [&fileName](std::string_view extension) {
        return std::filesystem::exists(resultFileName(fileName, extension));
    });
}

ResultStreams& processResultStreams() {
    static ResultStreams streams;
    return streams;
}
