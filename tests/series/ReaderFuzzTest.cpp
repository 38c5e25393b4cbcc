// Damaged files of every kind: random bytes, every truncation of a sound file and sound files
// with bytes overwritten. A reader must return, without reading outside its data (the sanitizer
// build checks that), with series whose parts still match, and never with more than the whole
// file gives.

#include "ChartPoints.h"
#include "SampleFiles.h"
#include "SeriesReaders.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <random>
#include <sstream>

namespace {

// What a reader made of one text: its status and how many rows or profiles it kept.
struct Outcome {
    ReadStatus status = ReadStatus::Whole;
    int kept = 0;
};

struct ReaderCase {
    const char* name;
    std::string_view soundFile;
    std::function<Outcome(std::istream&)> read;
};

void PrintTo(const ReaderCase& row, std::ostream* out) {
    *out << row.name;
}

Outcome readProfilesChecked(std::istream& in, bool carbon) {
    TWyniki profiles;
    const ReadStatus status =
        carbon ? readCarbonFile(in, profiles).status : readHardnessFile(in, profiles);
    double sum = 0;
    for (int node = -1; node <= profiles.gridSize(); ++node) {
        sum += profiles.gridValue(node);
        for (int line = 0; line <= profiles.profileCount(); ++line)
            sum += profiles.valueAt(line, node);
    }
    sum += profiles.largestValue();
    if (const auto range = nodeRange(profiles.grid(), 0, 2)) {
        EXPECT_LE(range->last, profiles.gridSize() - 1);
        EXPECT_GE(range->first, 0);
    }
    static_cast<void>(sum);
    return {status, profiles.profileCount()};
}

Outcome readXYChecked(const XYSeries& series, ReadStatus status) {
    EXPECT_EQ(series.x().size(), series.y().size());
    static_cast<void>(timeChartPoints(series.x(), series.y(), 0.25, 0.75));
    return {status, series.size()};
}

Outcome readCaptionedXY(std::istream& in) {
    TOpis_XY captions;
    TSkala scale;
    T_New_XY series;
    const ReadStatus status = readXYFile(in, captions, scale, series);
    return readXYChecked(series, status);
}

const ReaderCase readers[] = {
    {"Temperature", samples::plateMain,
     [](std::istream& in) {
         TDane data;
         const ShapeRead read = readTemperatureFile(in, data);
         EXPECT_EQ(data.times.size(), data.potentials.size());
         static_cast<void>(timeChartPoints(data.times, data.temperatures, 0, 12));
         return Outcome{read.status, static_cast<int>(data.times.size())};
     }},
    {"Potential", samples::plateMain,
     [](std::istream& in) {
         TDane data;
         const ReadStatus status = readPotentialFile(in, data);
         return Outcome{status, static_cast<int>(data.times.size())};
     }},
    {"Carbon", samples::plateMain, [](std::istream& in) { return readProfilesChecked(in, true); }},
    {"Hardness", samples::hardness,
     [](std::istream& in) { return readProfilesChecked(in, false); }},
    {"Depth", samples::depths,
     [](std::istream& in) {
         TGrubosc depths;
         std::ostringstream report;
         const ReadStatus status = readDepthFile(in, depths, report);
         EXPECT_LE(depths.seriesCount(), 100);
         for (int series = 0; series < depths.seriesCount(); ++series)
             EXPECT_EQ(depths.depth(series, depths.timeCount()), 0);
         static_cast<void>(nodeRange(depths.times(), 0, 12));
         return Outcome{status, depths.timeCount()};
     }},
    {"Surface", samples::surface,
     [](std::istream& in) {
         T_XY series;
         const ReadStatus status = readSurfaceFile(in, series);
         return readXYChecked(series, status);
     }},
    {"Mass", samples::mass, readCaptionedXY},
    {"Mean", samples::mean, readCaptionedXY},
};

class ReaderFuzzTest : public testing::TestWithParam<ReaderCase> {
protected:
    Outcome read(const std::string& text) const {
        std::istringstream in(text);
        return GetParam().read(in);
    }
};

INSTANTIATE_TEST_SUITE_P(Readers, ReaderFuzzTest, testing::ValuesIn(readers),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_P(ReaderFuzzTest, SoundFileIsWhole) {
    for (std::string_view lineEnd : {"\r\n", "\n"})
        EXPECT_EQ(read(samples::withLineEnds(GetParam().soundFile, lineEnd)).status,
                  ReadStatus::Whole);
}

TEST_P(ReaderFuzzTest, EveryTruncationKeepsAtMostTheWhole) {
    const std::string sound = samples::withLineEnds(GetParam().soundFile, "\r\n");
    const int whole = read(sound).kept;
    for (std::size_t length = 0; length < sound.size(); ++length)
        EXPECT_LE(read(sound.substr(0, length)).kept, whole) << length;
}

TEST_P(ReaderFuzzTest, RandomBytesReturn) {
    std::mt19937 random(20091999);
    // Mostly the characters the files are made of, so the scan gets past its first marks.
    const std::string alphabet = "-\",,,  \r\n0123456789.e+-";
    for (int text = 0; text < 300; ++text) {
        std::string bytes(random() % 400, '\0');
        for (char& byte : bytes)
            byte = random() % 4 == 0 ? static_cast<char>(random() % 256)
                                     : alphabet[random() % alphabet.size()];
        read(bytes);
    }
}

TEST_P(ReaderFuzzTest, OverwrittenBytesReturn) {
    std::mt19937 random(1999);
    const std::string sound = samples::withLineEnds(GetParam().soundFile, "\r\n");
    for (int text = 0; text < 300; ++text) {
        std::string damaged = sound;
        for (int hit = 0; hit < 3; ++hit)
            damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
        read(damaged);
    }
}

} // namespace
