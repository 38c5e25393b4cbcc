#include "SeriesReaders.h"
#include "SampleFiles.h"
#include "SeriesQueries.h"

#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <vector>

namespace {

std::vector<double> toVector(std::span<const double> values) {
    return {values.begin(), values.end()};
}

// Every reader must read a file the same with either line end.
class ResultFileTest : public testing::TestWithParam<std::string_view> {
protected:
    std::istringstream file(std::string_view text) const {
        return std::istringstream(samples::withLineEnds(text, GetParam()));
    }

    struct CarbonRead {
        ShapeRead read;
        TWyniki profiles;
    };

    CarbonRead readCarbon(std::string_view text) const {
        CarbonRead carbon;
        std::istringstream in = file(text);
        carbon.read = readCarbonFile(in, carbon.profiles);
        return carbon;
    }

    // All that a mass or mean-carbon window takes from its file.
    struct CaptionedXY {
        ReadStatus status = ReadStatus::Whole;
        TOpis_XY captions{"old", "old", "old"};
        TSkala scale;
        T_New_XY series;
    };

    CaptionedXY readCaptioned(std::string_view text) const {
        CaptionedXY read;
        std::istringstream in = file(text);
        read.status = readXYFile(in, read.captions, read.scale, read.series);
        return read;
    }
};

INSTANTIATE_TEST_SUITE_P(LineEnds, ResultFileTest, testing::Values("\r\n", "\n"),
                         [](const auto& row) { return row.param.size() == 2 ? "CrLf" : "Lf"; });

const std::string_view semiInfiniteHead =
    "0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n2\n0 925 1.2\n4 925 0.8\nSemi-infinitive sample\n";
const std::string_view foilHead =
    "0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n2\n0 925 1.2\n2000 925 0.8\nFoil\n0.1\n";

TEST_P(ResultFileTest, TemperatureReaderTakesTheStagesAndTheFoilFlag) {
    TDane plate;
    std::istringstream in = file(samples::plateMain);
    const ShapeRead read = readTemperatureFile(in, plate);
    EXPECT_EQ(read.status, ReadStatus::Whole);
    EXPECT_FALSE(read.seconds);
    EXPECT_EQ(plate.times, (std::vector<double>{0, 4}));
    EXPECT_EQ(plate.temperatures, (std::vector<double>{925, 925}));

    TDane foil;
    std::istringstream foilIn = file(foilHead);
    EXPECT_TRUE(readTemperatureFile(foilIn, foil).seconds);
    EXPECT_DOUBLE_EQ(largestTime(foil), 2000);
}

TEST_P(ResultFileTest, PotentialReaderTakesTheHeadOnly) {
    TDane data;
    std::istringstream in = file(samples::plateMain);
    EXPECT_EQ(readPotentialFile(in, data), ReadStatus::Whole);
    EXPECT_EQ(data.potentials, (std::vector<double>{1.2, 0.8}));
    EXPECT_DOUBLE_EQ(largestPotential(data), 1.2);
    EXPECT_DOUBLE_EQ(largestTemperature(data), 925);
}

TEST_P(ResultFileTest, CarbonReaderSkipsTheHeadShapeAndThickness) {
    auto [read, profiles] = readCarbon(samples::plateMain);
    EXPECT_EQ(read.status, ReadStatus::Whole);
    EXPECT_FALSE(read.seconds);
    ASSERT_EQ(profiles.profileCount(), 2);
    EXPECT_DOUBLE_EQ(profiles.profileTime(0), 2);
    EXPECT_DOUBLE_EQ(profiles.profileTime(1), 4);
    EXPECT_EQ(toVector(profiles.grid()), (std::vector<double>{0, 0.1, 0.2}));
    EXPECT_DOUBLE_EQ(profiles.valueAt(0, 1), 0.6);
    EXPECT_DOUBLE_EQ(profiles.valueAt(1, 1), 0.8);
    EXPECT_DOUBLE_EQ(profiles.largestValue(), 1.05);
}

TEST_P(ResultFileTest, SemiInfiniteMainFileHasNoThicknessLine) {
    const std::string text = std::string(semiInfiniteHead) +
                             "-\"Rozmieszczenie węgla na przekroju warstwy,  mm  %\n"
                             "\"  4\n, 0 1.1\n, 0.05 0.9\n";
    const CarbonRead carbon = readCarbon(text);
    EXPECT_EQ(carbon.read.status, ReadStatus::Whole);
    ASSERT_EQ(carbon.profiles.profileCount(), 1);
    EXPECT_DOUBLE_EQ(carbon.profiles.gridValue(1), 0.05);
}

TEST_P(ResultFileTest, FoilMainFileSetsTheFoilFlag) {
    const std::string text = std::string(foilHead) +
                             "-\"Rozmieszczenie węgla na przekroju warstwy, mm %\n"
                             "\"  2000\n, 0 0.9\n, 0.05 0.9\n";
    const CarbonRead carbon = readCarbon(text);
    EXPECT_EQ(carbon.read.status, ReadStatus::Whole);
    EXPECT_TRUE(carbon.read.seconds);
    EXPECT_EQ(carbon.profiles.profileCount(), 1);
}

TEST_P(ResultFileTest, PolishShapeNameInWindows1250IsAccepted) {
    const std::string text = "0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n1\n0 925 1.2\n\n  \nP\xB3yta\n4\n"
                             "-\"header\n\"  1\n, 0 1\n";
    const CarbonRead carbon = readCarbon(text);
    EXPECT_EQ(carbon.read.status, ReadStatus::Whole);
    EXPECT_EQ(carbon.profiles.profileCount(), 1);
}

TEST_P(ResultFileTest, BlocksOfFiveEightAndTwelveRows) {
    std::string text = "-\"header\n";
    for (int rows : {5, 8, 12}) {
        text += "\" " + std::to_string(rows) + "\n";
        for (int node = 0; node < rows; ++node)
            text +=
                ", " + std::to_string(node * 0.1) + " " + std::to_string(rows * 100 + node) + "\n";
    }
    TWyniki profiles;
    std::istringstream in = file(text);
    EXPECT_EQ(readHardnessFile(in, profiles), ReadStatus::Whole);
    ASSERT_EQ(profiles.profileCount(), 3);
    EXPECT_EQ(profiles.gridSize(), 12);
    EXPECT_DOUBLE_EQ(profiles.valueAt(0, 10), 504);
    EXPECT_DOUBLE_EQ(profiles.valueAt(1, 10), 807);
    EXPECT_DOUBLE_EQ(profiles.valueAt(2, 10), 1210);
    EXPECT_DOUBLE_EQ(profiles.largestValue(), 1211);
}

TEST_P(ResultFileTest, HardnessReaderReadsTwaFromTheStart) {
    TWyniki profiles;
    std::istringstream in = file(samples::hardness);
    EXPECT_EQ(readHardnessFile(in, profiles), ReadStatus::Whole);
    EXPECT_EQ(profiles.profileCount(), 2);
    EXPECT_DOUBLE_EQ(profiles.largestValue(), 820);
    EXPECT_DOUBLE_EQ(profiles.valueAt(0, 2), 700);
}

TEST_P(ResultFileTest, HeaderOnlyGivesNoProfiles) {
    TWyniki profiles;
    std::istringstream in = file("-\"Rozklad twardosci na przekroju warstwy,  mm  HV\n");
    EXPECT_EQ(readHardnessFile(in, profiles), ReadStatus::Whole);
    EXPECT_EQ(profiles.profileCount(), 0);
}

TEST_P(ResultFileTest, BlockWithoutRowsKeepsTheGrid) {
    TWyniki profiles;
    std::istringstream in = file("-\"h\n\"  1\n, 0 1.1\n, 0.1 0.9\n\"  2.00000\n");
    EXPECT_EQ(readHardnessFile(in, profiles), ReadStatus::Whole);
    ASSERT_EQ(profiles.profileCount(), 2);
    EXPECT_EQ(profiles.gridSize(), 2);
    EXPECT_DOUBLE_EQ(profiles.valueAt(0, 1), 0.9);
    EXPECT_DOUBLE_EQ(profiles.valueAt(1, 1), 0);
}

TEST_P(ResultFileTest, DepthReaderReadsTimesAndThreeSeries) {
    TGrubosc depths;
    std::ostringstream report;
    std::istringstream in = file(samples::depths);
    EXPECT_EQ(readDepthFile(in, depths, report), ReadStatus::Whole);
    EXPECT_EQ(report.str(), "");
    ASSERT_EQ(depths.seriesCount(), 3);
    EXPECT_EQ(toVector(depths.times()), (std::vector<double>{0, 0.12, 0.24}));
    EXPECT_DOUBLE_EQ(depths.depth(2, 2), 0.09);
    EXPECT_DOUBLE_EQ(depths.largestTime(), 0.24);
    EXPECT_DOUBLE_EQ(depths.largestDepth(), 0.09);
}

TEST_P(ResultFileTest, DepthFileWithOnlyItsFirstRow) {
    TGrubosc depths;
    std::istringstream in = file("-\"Grubość warstwy w funkcji czasu, t[h], gr40, gr35, gr30, mm \n"
                                 " 3 \n, 0     0   0   0\n");
    EXPECT_EQ(readDepthFile(in, depths), ReadStatus::Whole);
    EXPECT_EQ(depths.timeCount(), 1);
    ASSERT_EQ(depths.seriesCount(), 3);
    for (int series = 0; series < 3; ++series)
        EXPECT_EQ(depths.depth(series, 0), 0);
}

TEST_P(ResultFileTest, SurfaceRowsReadWhateverTheirWidths) {
    T_XY wide;
    std::istringstream in = file(samples::surface);
    EXPECT_EQ(readSurfaceFile(in, wide), ReadStatus::Whole);
    T_XY narrow;
    std::istringstream narrowIn = file("-\"h\n,0 0.2\n  ,0.5\t0.9 \n,1\n1.1\n");
    EXPECT_EQ(readSurfaceFile(narrowIn, narrow), ReadStatus::Whole);
    EXPECT_EQ(toVector(wide.x()), toVector(narrow.x()));
    EXPECT_EQ(toVector(wide.y()), toVector(narrow.y()));
    EXPECT_EQ(toVector(wide.x()), (std::vector<double>{0, 0.5, 1}));
}

TEST_P(ResultFileTest, MassFileGivesCaptionsScaleAndRows) {
    const CaptionedXY mass = readCaptioned(samples::mass);
    EXPECT_EQ(mass.status, ReadStatus::Whole);
    EXPECT_EQ(mass.captions.yCaption, "Weight gain, g/m^2 Plate, thickness=4mm,  be=0.0002 cm/s");
    EXPECT_EQ(mass.captions.xCaption, "Carburizing time, h");
    EXPECT_EQ(mass.captions.middleCaption, "");
    EXPECT_EQ(mass.scale.xStart, 0);
    EXPECT_EQ(mass.scale.xEnd, 12);
    EXPECT_EQ(mass.scale.xDivisions, 12);
    EXPECT_EQ(mass.scale.yStart, 0);
    EXPECT_EQ(mass.scale.yEnd, 100);
    EXPECT_EQ(mass.scale.yDivisions, 10);
    EXPECT_EQ(toVector(mass.series.y()), (std::vector<double>{0, 6.125}));
}

TEST_P(ResultFileTest, CaptionsStopAtTheAxisBlock) {
    const CaptionedXY cylinder =
        readCaptioned("Weight gain, g/m^2 Cylinder, Diameter=10mm, be=0.0002cm/s\n"
                      " Carburizing time, h \n,0\n,12\n,12 \n,0\n,100\n,10\n");
    EXPECT_EQ(cylinder.status, ReadStatus::Whole);
    EXPECT_EQ(cylinder.captions.xCaption, "Carburizing time, h");
    EXPECT_EQ(cylinder.captions.middleCaption, "");
    EXPECT_EQ(cylinder.series.size(), 0);

    const CaptionedXY three = readCaptioned("Y\n\nX\nMiddle\n,0\n,1\n,2\n,0\n,1\n,2\n");
    EXPECT_EQ(three.captions.yCaption, "Y");
    EXPECT_EQ(three.captions.xCaption, "X");
    EXPECT_EQ(three.captions.middleCaption, "Middle");
}

TEST_P(ResultFileTest, MeanFileOfAFoil) {
    const CaptionedXY mean = readCaptioned(samples::mean);
    EXPECT_EQ(mean.status, ReadStatus::Whole);
    EXPECT_EQ(mean.captions.yCaption, "Carbon concentration, %");
    EXPECT_EQ(mean.captions.xCaption, "Carburizing time, s");
    EXPECT_EQ(mean.scale.xEnd, 2000);
    EXPECT_EQ(mean.scale.yEnd, 1.2);
    EXPECT_EQ(mean.scale.yDivisions, 12);
    EXPECT_DOUBLE_EQ(mean.series.largestY(), 0.35);
}

TEST_P(ResultFileTest, AxisBlockCutShortIsMalformed) {
    const CaptionedXY cut = readCaptioned("Y\nX\n\n,0\n,12\n;12\n,0\n,100\n,10\n, 1 2\n");
    EXPECT_EQ(cut.status, ReadStatus::Malformed);
    EXPECT_EQ(cut.scale.xEnd, 12);
    EXPECT_EQ(cut.scale.xDivisions, 4);
    EXPECT_EQ(cut.series.size(), 0);
}

// Faults a window must be told about, each keeping what precedes it.
struct Kept {
    ReadStatus status;
    int count; // profiles or rows
};

Kept readTwa(std::istream& in) {
    TWyniki profiles;
    const ReadStatus status = readHardnessFile(in, profiles);
    return {status, profiles.profileCount()};
}

// Rows that do not read are passed over.
Kept readPow(std::istream& in) {
    T_XY series;
    const ReadStatus status = readSurfaceFile(in, series);
    return {status, series.size()};
}

struct DamagedFile {
    const char* name;
    Kept (*read)(std::istream&);
    std::string_view text;
    int kept;
};

class DamagedFileTest : public testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedFileTest, KeepsWhatPrecedesTheFault) {
    std::istringstream in{std::string(GetParam().text)};
    const Kept kept = GetParam().read(in);
    EXPECT_EQ(kept.status, ReadStatus::Malformed);
    EXPECT_EQ(kept.count, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFileTest,
    testing::Values(DamagedFile{"TwaEmpty", readTwa, "", 0},
                    DamagedFile{"TwaNoHeader", readTwa, "\"  1\n, 0 1\n", 0},
                    DamagedFile{"TwaGarbageAfterBlock", readTwa, "-\"h\n\"  1\n, 0 1\nxyz\n", 1},
                    DamagedFile{"TwaTimeNotANumber", readTwa, "-\"h\n\"  1\n, 0 1\n\" abc\n", 1},
                    DamagedFile{"TwaTruncatedRow", readTwa, "-\"h\n\"  1\n, 0 1\n\"  2\n, 0", 2},
                    DamagedFile{"TwaValueNotANumber", readTwa, "-\"h\n\"  1\n, 0 x\n", 1},
                    DamagedFile{"PowEmpty", readPow, "", 0},
                    DamagedFile{"PowNoHeader", readPow, ", 0 1\n, 1 2\n", 0},
                    DamagedFile{"PowLettersInARow", readPow, "-\"h\n, abc def\n, 1 2\n", 1},
                    DamagedFile{"PowSignWithoutDigits", readPow, "-\"h\n, - 5\n, 1 2\n, 2 3\n", 2},
                    DamagedFile{"PowOutOfRange", readPow, "-\"h\n, 1e999 1\n, 1 2\n", 1},
                    DamagedFile{"PowTruncatedRow", readPow, "-\"h\n, 0 1\n, 1", 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProcessHeadReaders, DamagedHeadsAreMalformed) {
    for (std::string_view text :
         {std::string_view(""), std::string_view("0.2\n2e-05\n\n1\n2\n"),
          std::string_view("0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n3\n0 925 1.2\n4 925 0.8\nPlate\n4\n"),
          std::string_view("0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n1\n0 925 1.2\nSphere\n")}) {
        TDane data;
        std::istringstream in{std::string(text)};
        EXPECT_EQ(readTemperatureFile(in, data).status, ReadStatus::Malformed) << text;
    }
    TDane data;
    std::istringstream binary{std::string("\x01\x02\xff\xfe", 4)};
    EXPECT_EQ(readPotentialFile(binary, data), ReadStatus::Malformed);
}

TEST(CarbonReader, MainFileWithoutResultsIsMalformedButReadsItsShape) {
    TWyniki profiles;
    std::istringstream in{std::string(foilHead)};
    const ShapeRead read = readCarbonFile(in, profiles);
    EXPECT_EQ(read.status, ReadStatus::Malformed);
    EXPECT_TRUE(read.seconds);
    EXPECT_EQ(profiles.profileCount(), 0);
}

TEST(CarbonReader, MissingThicknessIsMalformed) {
    TWyniki profiles;
    std::istringstream in{
        "0.2\n2e-05\n\n0\n0\n0\n0\n0\n\n1\n0 925 1.2\nPlate\n-\"h\n\"  1\n, 0 1\n"};
    EXPECT_EQ(readCarbonFile(in, profiles).status, ReadStatus::Malformed);
    EXPECT_EQ(profiles.profileCount(), 0);
}

struct BugCase {
    const char* name;
    std::string_view text;
    std::string_view report;
    int times; // rows kept
};

class DepthBugTest : public testing::TestWithParam<BugCase> {};

TEST_P(DepthBugTest, ReportsTheCodeAndKeepsTheRowsBefore) {
    TGrubosc depths;
    std::ostringstream report;
    std::istringstream in{std::string(GetParam().text)};
    EXPECT_EQ(readDepthFile(in, depths, report), ReadStatus::Malformed);
    EXPECT_EQ(report.str(), GetParam().report);
    EXPECT_EQ(depths.timeCount(), GetParam().times);
}

INSTANTIATE_TEST_SUITE_P(
    Gru, DepthBugTest,
    testing::Values(BugCase{"MissingHeader", " 3\n, 0 0 0 0\n", "BUG!!!   1\n", 0},
                    BugCase{"EmptyFile", "", "BUG!!!   1\n", 0},
                    BugCase{"RowWithoutComma",
                            "-\"h\n 3\n, 0 0 0 0\n, 1 0.1 0.2 0.3\n; 2 0 0 0\n, 3 0 0 0\n",
                            "BUG!!!   2\n", 2}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DepthReader, BugLinesGoToStandardOutput) {
    TGrubosc depths;
    std::istringstream in{"no header"};
    testing::internal::CaptureStdout();
    readDepthFile(in, depths);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "BUG!!!   1\n");
}

TEST(DepthReader, PartRowIsDroppedSoSeriesMatchTheTimes) {
    TGrubosc depths;
    std::istringstream in{"-\"h\n 3\n, 0 0 0 0\n, 1 0.1 0.2"};
    EXPECT_EQ(readDepthFile(in, depths), ReadStatus::Malformed);
    EXPECT_EQ(depths.timeCount(), 1);
    EXPECT_EQ(depths.depth(0, 1), 0);
}

TEST(DepthReader, ImplausibleSeriesCountsAreRefused) {
    for (const char* count : {"2000000000", "-1", "x", "99999999999"}) {
        TGrubosc depths;
        std::istringstream in{std::string("-\"h\n ") + count + "\n, 0 0 0 0\n"};
        EXPECT_EQ(readDepthFile(in, depths), ReadStatus::Malformed) << count;
        EXPECT_EQ(depths.seriesCount(), 0) << count;
    }
}

// Rows of a long programme: the reading must stay linear in the file's length.
TEST(LongProgramme, HundredThousandRowsAreRead) {
    constexpr int rows = 100000;
    std::string surface = "-\"h\r\n";
    std::string depths = "-\"h\r\n 3 \r\n";
    for (int row = 0; row < rows; ++row) {
        const std::string time = std::to_string(row * 0.001);
        surface += ",  " + time + "  0.9\r\n";
        depths += ",  " + time + "  0.1 0.2 0.3\r\n";
    }
    T_XY series;
    std::istringstream surfaceIn{surface};
    EXPECT_EQ(readSurfaceFile(surfaceIn, series), ReadStatus::Whole);
    EXPECT_EQ(series.size(), rows);
    EXPECT_DOUBLE_EQ(series.largestX(), (rows - 1) * 0.001);
    TGrubosc grubosc;
    std::istringstream depthsIn{depths};
    EXPECT_EQ(readDepthFile(depthsIn, grubosc), ReadStatus::Whole);
    EXPECT_EQ(grubosc.timeCount(), rows);
}

// A desktop with a decimal comma must not change how the files read.
struct DecimalComma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(Locale, FilesReadWithTheirDecimalPointWhateverTheStreamLocale) {
    std::istringstream in{std::string(samples::surface)};
    const std::locale comma(std::locale::classic(), new DecimalComma);
    in.imbue(comma);
    T_XY series;
    EXPECT_EQ(readSurfaceFile(in, series), ReadStatus::Whole);
    EXPECT_EQ(toVector(series.x()), (std::vector<double>{0, 0.5, 1}));
    EXPECT_EQ(std::use_facet<std::numpunct<char>>(in.getloc()).decimal_point(), ',');
}

} // namespace

TEST(CarbonReader, PassesOverTheSettingsLinesBeforeTheProfiles) {
    TWyniki profiles;
    std::istringstream in{"0.2\r\n2e-05\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n\r\n1\r\n0 925 1.2\r\n"
                          "Plate\r\n4\r\ndiffusivity: tibbetts\r\n-\"h\r\n\"  1\r\n, 0 1\r\n"};
    const ShapeRead read = readCarbonFile(in, profiles);
    EXPECT_EQ(read.status, ReadStatus::Whole);
    EXPECT_EQ(read.thickness, 4);
    EXPECT_EQ(profiles.profileCount(), 1);
}
