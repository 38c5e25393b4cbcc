#include "SeriesReaders.h"

#include "KindTraits.h"

#include <istream>
#include <limits>
#include <locale>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// The files are written in the C locale whatever the desktop's; the caller's stream gets its
// own locale back when the reader returns.
class ClassicNumbers {
public:
    explicit ClassicNumbers(std::istream& in) : in_(in), saved_(in.imbue(std::locale::classic())) {}
    ~ClassicNumbers() { in_.imbue(saved_); }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    std::istream& in_;
    std::locale saved_;
};

// The next character that is not white space; none at the end of the text.
std::optional<char> nextMark(std::istream& in) {
    char mark = 0;
    if (in >> mark)
        return mark;
    return std::nullopt;
}

void skipLine(std::istream& in) {
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

// A header line starts with "-"; its text is the computation's and is not needed here.
bool skipHeader(std::istream& in) {
    if (nextMark(in) != '-')
        return false;
    skipLine(in);
    return true;
}

// The settings lines after the shape block ("name: value", ProcessSettings.h) start with a
// letter; the profiles after them with their header line.
void skipSettings(std::istream& in) {
    while (in >> std::ws && std::isalpha(static_cast<char>(in.peek()), std::locale::classic()))
        skipLine(in);
}

// The shape line is the first non-empty line after the head.
std::optional<SampleShape> readShape(std::istream& in) {
    std::string line;
    while (std::getline(in, line))
        if (!normalizedLine(line).empty())
            return shapeFromLine(line);
    return std::nullopt;
}

// The process-data head and the shape line after it; none when either does not read.
std::optional<SampleShape> readHead(std::istream& in, TDane& data) {
    if (!(in >> data))
        return std::nullopt;
    return readShape(in);
}

ShapeRead shapeRead(std::optional<SampleShape> shape) {
    ShapeRead read;
    read.status = shape ? ReadStatus::Whole : ReadStatus::Malformed;
    read.seconds = shape && kindTraits(*shape).timeUnit == TimeUnit::Seconds;
    read.shape = shape;
    return read;
}

// Profile blocks: a double quote and the profile's time, then rows of "," distance value.
ReadStatus readProfiles(std::istream& in, TWyniki& profiles) {
    if (!skipHeader(in))
        return ReadStatus::Malformed;
    std::optional<char> mark = nextMark(in);
    while (mark) {
        double time = 0;
        if (*mark != '"' || !(in >> time))
            return ReadStatus::Malformed;
        TDblsArr distances;
        TDblsArr values;
        bool rowsWhole = true;
        while ((mark = nextMark(in)) == ',') {
            double distance = 0, value = 0;
            if (!(in >> distance >> value)) {
                rowsWhole = false;
                break;
            }
            distances.append(distance);
            values.append(value);
        }
        profiles.addProfile(time, distances, values);
        if (!rowsWhole)
            return ReadStatus::Malformed;
    }
    return ReadStatus::Whole;
}

// Rows "," x y anywhere in the text; anything else between them is passed over. A row whose
// numbers do not read is dropped and the scan goes on past it.
ReadStatus readRows(std::istream& in, XYSeries& series) {
    ReadStatus status = ReadStatus::Whole;
    while (const std::optional<char> mark = nextMark(in)) {
        if (*mark != ',')
            continue;
        double x = 0, y = 0;
        if (in >> x >> y) {
            series.append(x, y);
        } else {
            status = ReadStatus::Malformed;
            if (in.eof())
                break;
            in.clear();
        }
    }
    return status;
}

// No run writes more than three depth series; a count far beyond that is a damaged file and
// must not size the series.
constexpr int maxDepthSeries = 100;

void reportBug(std::ostream& report, int code) {
    report << "BUG!!!   " << code << '\n';
}

// One item of the axis block: a "," and a number.
template <typename Number> bool readAxisItem(std::istream& in, Number& item) {
    Number value{};
    if (nextMark(in) != ',' || !(in >> value))
        return false;
    item = value;
    return true;
}

bool readAxes(std::istream& in, TSkala& scale) {
    return readAxisItem(in, scale.xStart) && readAxisItem(in, scale.xEnd) &&
           readAxisItem(in, scale.xDivisions) && readAxisItem(in, scale.yStart) &&
           readAxisItem(in, scale.yEnd) && readAxisItem(in, scale.yDivisions);
}

// Caption lines in the order Y, X, middle, up to the axis block (","); empty lines are passed
// over, so the captions the file lacks stay empty.
void readCaptions(std::istream& in, TOpis_XY& captions) {
    captions = TOpis_XY();
    for (std::string* caption : {&captions.yCaption, &captions.xCaption, &captions.middleCaption}) {
        const std::optional<char> mark = nextMark(in);
        if (!mark)
            return;
        in.unget();
        if (*mark == ',')
            return;
        std::string line;
        std::getline(in, line);
        *caption = normalizedLine(line);
    }
}

} // namespace

ShapeRead readTemperatureFile(std::istream& in, TDane& data) {
    const ClassicNumbers classic(in);
    return shapeRead(readHead(in, data));
}

ReadStatus readPotentialFile(std::istream& in, TDane& data) {
    const ClassicNumbers classic(in);
    return in >> data ? ReadStatus::Whole : ReadStatus::Malformed;
}

ShapeRead readCarbonFile(std::istream& in, TWyniki& profiles) {
    const ClassicNumbers classic(in);
    TDane head;
    const std::optional<SampleShape> shape = readHead(in, head);
    ShapeRead read = shapeRead(shape);
    if (read.status == ReadStatus::Whole && kindTraits(*shape).size != SampleSize::None &&
        !(in >> read.thickness))
        read.status = ReadStatus::Malformed;
    if (read.status == ReadStatus::Whole) {
        skipSettings(in);
        read.status = readProfiles(in, profiles);
    }
    return read;
}

ReadStatus readHardnessFile(std::istream& in, TWyniki& profiles) {
    const ClassicNumbers classic(in);
    return readProfiles(in, profiles);
}

ReadStatus readDepthFile(std::istream& in, TGrubosc& depths, std::ostream& report) {
    const ClassicNumbers classic(in);
    if (!skipHeader(in)) {
        reportBug(report, 1);
        return ReadStatus::Malformed;
    }
    int count = 0;
    if (!(in >> count) || count < 0 || count > maxDepthSeries)
        return ReadStatus::Malformed;
    depths = TGrubosc(count);
    std::vector<double> row(static_cast<std::size_t>(count));
    while (const std::optional<char> mark = nextMark(in)) {
        if (*mark != ',') {
            reportBug(report, 2);
            return ReadStatus::Malformed;
        }
        double time = 0;
        if (!(in >> time))
            return ReadStatus::Malformed;
        for (double& depth : row)
            if (!(in >> depth))
                return ReadStatus::Malformed;
        depths.appendRow(time, row);
    }
    return ReadStatus::Whole;
}

ReadStatus readSurfaceFile(std::istream& in, T_XY& series) {
    const ClassicNumbers classic(in);
    if (!skipHeader(in))
        return ReadStatus::Malformed;
    return readRows(in, series);
}

ReadStatus readXYFile(std::istream& in, TOpis_XY& captions, TSkala& scale, T_New_XY& series) {
    const ClassicNumbers classic(in);
    readCaptions(in, captions);
    if (!readAxes(in, scale))
        return ReadStatus::Malformed;
    return readRows(in, series);
}
