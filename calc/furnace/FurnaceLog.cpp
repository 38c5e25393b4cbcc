#include "FurnaceLog.h"

#include "ProcessData.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace {

// The columns a log may have.
enum class Column {
    Timestamp,
    Time,
    Temperature,
    CarbonPotential,
    ProbeMillivolts,
    DewPoint,
    CarbonDioxide,
    CO,
    H2,
    ProcessFactor,
    Setpoint,
    Event,
};
constexpr std::size_t columnCount = 12;

constexpr std::array<std::string_view, columnCount> columnNames = {
    "timestamp", "time", "temperature", "carbon_potential", "probe_mv", "dew_point",
    "co2",       "co",   "h2",          "process_factor",   "setpoint", "event"};

// The potential columns in the order they are preferred, with the reading each one is.
constexpr std::array<std::pair<Column, ReadingKind>, 4> potentialColumns = {
    {{Column::CarbonPotential, ReadingKind::Carbon},
     {Column::ProbeMillivolts, ReadingKind::Probe},
     {Column::DewPoint, ReadingKind::DewPoint},
     {Column::CarbonDioxide, ReadingKind::CarbonDioxide}}};

std::string_view name(Column column) {
    return columnNames[static_cast<std::size_t>(column)];
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '"'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// `found` is the caller's, kept from row to row: a log has thousands of rows.
void cells(std::string_view line, char separator, std::vector<std::string_view>& found) {
    found.clear();
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(separator, start);
        found.push_back(trimmed(line.substr(start, end - start)));
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

std::string lowered(std::string_view text) {
    std::string low(text);
    for (char& c : low)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return low;
}

// The word an event cell holds, without case, blanks, hyphens or underscores ("Burn-off").
bool isBurnOff(std::string_view event) {
    std::string word;
    for (char c : event)
        if (std::isalnum(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word == "burnoff";
}

// Where each column is in a row, as the header names them.
struct Header {
    std::array<std::optional<std::size_t>, columnCount> at{};
    std::size_t width = 0;
    Column time = Column::Time;
    Column potential = Column::CarbonPotential;
    ReadingKind reading = ReadingKind::Carbon;
    std::vector<std::pair<std::size_t, std::string>> ignored; // position and name

    bool has(Column column) const { return at[static_cast<std::size_t>(column)].has_value(); }
};

// The columns of a reading of `kind` besides its own.
bool servesReading(Column column, ReadingKind kind) {
    switch (column) {
    case Column::CO:
        return kind != ReadingKind::Carbon;
    case Column::H2:
        return kind == ReadingKind::DewPoint;
    case Column::ProcessFactor:
        return kind == ReadingKind::Probe;
    default:
        return true;
    }
}

// Only one time and one potential column is read; the others are noted with the unknown ones.
void chooseColumns(Header& header, const std::vector<std::string_view>& names) {
    header.time = header.has(Column::Timestamp) ? Column::Timestamp : Column::Time;
    for (const auto& [column, kind] : potentialColumns)
        if (header.has(column)) {
            header.potential = column;
            header.reading = kind;
            break;
        }
    for (std::size_t column = 0; column < columnCount; ++column) {
        const Column which = static_cast<Column>(column);
        const bool otherTime =
            (which == Column::Timestamp || which == Column::Time) && which != header.time;
        const bool otherPotential =
            std::any_of(potentialColumns.begin(), potentialColumns.end(),
                        [which](const auto& p) { return p.first == which; }) &&
            which != header.potential;
        if (header.has(which) &&
            (otherTime || otherPotential || !servesReading(which, header.reading))) {
            header.ignored.emplace_back(*header.at[column], names[*header.at[column]]);
            header.at[column].reset();
        }
    }
}

std::optional<LogRefusal> readHeader(std::string_view line, std::size_t lineNumber, char separator,
                                     Header& header) {
    std::vector<std::string_view> names;
    cells(line, separator, names);
    header.width = names.size();
    for (std::size_t index = 0; index < names.size(); ++index) {
        const std::string low = lowered(names[index]);
        const auto known = std::find(columnNames.begin(), columnNames.end(), low);
        if (known == columnNames.end() || header.at[std::size_t(known - columnNames.begin())]) {
            header.ignored.emplace_back(index, names[index]);
            continue;
        }
        header.at[std::size_t(known - columnNames.begin())] = index;
    }
    if (!header.has(Column::Timestamp) && !header.has(Column::Time))
        return LogRefusal{lineNumber, "", "the header names no timestamp or time column"};
    if (!header.has(Column::Temperature))
        return LogRefusal{lineNumber, "", "the header names no temperature column"};
    if (std::none_of(potentialColumns.begin(), potentialColumns.end(),
                     [&header](const auto& p) { return header.has(p.first); }))
        return LogRefusal{lineNumber, "",
                          "the header names no potential column: carbon_potential, probe_mv, "
                          "dew_point or co2"};
    chooseColumns(header, names);
    return std::nullopt;
}

// One row being read: its cells, and the first fault found in them.
class RowReader {
public:
    // `buffer` holds the cells, the caller's from row to row.
    RowReader(std::string_view line, std::size_t lineNumber, const Header& header, char separator,
              std::vector<std::string_view>& buffer)
        : header_(header), cells_(buffer), line_(lineNumber), decimalComma_(separator == ';') {
        cells(line, separator, buffer);
    }

    std::string_view cell(Column column) const {
        const std::optional<std::size_t> at = header_.at[static_cast<std::size_t>(column)];
        return at && *at < cells_.size() ? cells_[*at] : std::string_view();
    }

    // The cell as a number; a fault when it is not one (or empty, unless it may be).
    std::optional<double> number(Column column, bool mayBeEmpty = false) {
        const std::string_view text = cell(column);
        if (text.empty()) {
            if (!mayBeEmpty)
                fail(column, "is empty");
            return std::nullopt;
        }
        std::optional<double> value;
        if (decimalComma_) {
            std::string word(text);
            std::replace(word.begin(), word.end(), ',', '.');
            value = fileNumber(word);
        } else {
            value = fileNumber(text);
        }
        if (!value)
            fail(column, "is not a number: \"" + std::string(text) + "\"");
        return value;
    }

    bool tooWide() {
        const bool wide = cells_.size() > header_.width &&
                          std::any_of(cells_.begin() + std::ptrdiff_t(header_.width), cells_.end(),
                                      [](std::string_view c) { return !c.empty(); });
        if (wide)
            refusal = LogRefusal{line_, "",
                                 "holds more cells than the header names (" +
                                     std::to_string(header_.width) + ")"};
        return wide;
    }

    void fail(Column column, std::string rule) {
        if (!refusal)
            refusal = LogRefusal{line_, std::string(name(column)), std::move(rule)};
    }

    std::size_t line() const { return line_; }

    std::optional<LogRefusal> refusal;

private:
    const Header& header_;
    const std::vector<std::string_view>& cells_;
    std::size_t line_;
    bool decimalComma_;
};

Column fieldColumn(ReadingField field, const Header& header) {
    switch (field) {
    case ReadingField::Temperature:
        return Column::Temperature;
    case ReadingField::CO:
        return Column::CO;
    case ReadingField::H2:
        return Column::H2;
    case ReadingField::ProcessFactor:
        return Column::ProcessFactor;
    case ReadingField::Probe:
    case ReadingField::DewPoint:
    case ReadingField::CarbonDioxide:
    case ReadingField::Carbon:
        break;
    }
    return header.potential;
}

// The row's potential from its reading, the gas as its cells or the defaults give it.
void readPotential(RowReader& reader, const Header& header, const LogDefaults& defaults,
                   LogRow& row) {
    FurnaceReading reading{row.celsius, header.reading, 0,
                           defaults.co, defaults.h2,    defaults.processFactor};
    const std::optional<double> value = reader.number(header.potential);
    const std::optional<double> co = reader.number(Column::CO, true);
    const std::optional<double> h2 = reader.number(Column::H2, true);
    const std::optional<double> factor = reader.number(Column::ProcessFactor, true);
    if (reader.refusal)
        return;
    reading.value = *value;
    reading.co = co.value_or(reading.co);
    reading.h2 = h2.value_or(reading.h2);
    if (factor)
        reading.processFactor = factor;
    const AtmosphereReading read = readPotential(reading);
    if (!read.state) {
        const Column column = fieldColumn(read.refusal->field, header);
        reader.fail(column, header.has(column)
                                ? read.refusal->rule
                                : "--" + std::string(fieldWord(read.refusal->field)) + " " +
                                      read.refusal->rule);
        return;
    }
    row.potential = read.state->potential;
    row.soot = !row.potential;
}

std::optional<double> rowTime(RowReader& reader, const Header& header) {
    if (header.time == Column::Time)
        return reader.number(Column::Time);
    const std::string_view text = reader.cell(Column::Timestamp);
    const std::optional<double> seconds = isoSeconds(text);
    if (!seconds)
        reader.fail(Column::Timestamp, text.empty() ? "is empty"
                                                    : "is not an ISO 8601 date and time: \"" +
                                                          std::string(text) + "\"");
    return seconds;
}

// `start` is the first row's time, which this sets when it reads the first row.
std::optional<LogRow> readRow(RowReader& reader, const Header& header, const LogDefaults& defaults,
                              const LogRow* before, std::optional<double>& start) {
    if (reader.tooWide())
        return std::nullopt;
    LogRow row;
    row.line = reader.line();
    const std::optional<double> time = rowTime(reader, header);
    const std::optional<double> celsius = reader.number(Column::Temperature);
    const std::optional<double> setpoint = reader.number(Column::Setpoint, true);
    if (reader.refusal)
        return std::nullopt;
    if (!start)
        start = time;
    row.time = *time - *start;
    if (before && !(row.time > before->time))
        reader.fail(header.time, "must be later than the row before's");
    if (const std::optional<ReadingRefusal> cold = temperatureRefusal(*celsius))
        reader.fail(Column::Temperature, cold->rule);
    if (setpoint && !(*setpoint >= 0 && *setpoint <= 4.3))
        reader.fail(Column::Setpoint, "must be 0 to 4.3 % C");
    row.celsius = *celsius;
    row.setpoint = setpoint ? setpoint : before ? before->setpoint : std::nullopt;
    row.burnOff = isBurnOff(reader.cell(Column::Event));
    if (!row.burnOff && !reader.refusal)
        readPotential(reader, header, defaults, row);
    if (reader.refusal)
        return std::nullopt;
    return row;
}

struct Lines {
    std::vector<std::string_view> text;
    std::size_t first = 0; // the header's index
};

Lines splitLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    Lines lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.text.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    while (lines.first < lines.text.size() && trimmed(lines.text[lines.first]).empty())
        ++lines.first;
    return lines;
}

int digits(std::string_view text, std::size_t at, std::size_t count, bool& ok) {
    int value = 0;
    if (at + count > text.size()) {
        ok = false;
        return 0;
    }
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + count, value);
    ok = ok && error == std::errc() && end == text.data() + at + count;
    return value;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar (H. Hinnant's algorithm).
long daysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The zone after the time: Z, ±hh, ±hhmm or ±hh:mm, as seconds east of UTC.
std::optional<double> zoneOffset(std::string_view zone) {
    if (zone.empty() || zone == "Z" || zone == "z")
        return 0.0;
    if (zone[0] != '+' && zone[0] != '-')
        return std::nullopt;
    bool ok = true;
    const int hours = digits(zone, 1, 2, ok);
    std::string_view rest = zone.substr(std::min<std::size_t>(3, zone.size()));
    if (rest.starts_with(":"))
        rest.remove_prefix(1);
    const int minutes = rest.empty() ? 0 : digits(rest, 0, 2, ok);
    if (!ok || rest.size() > 2 || (rest.size() == 1))
        return std::nullopt;
    return (zone[0] == '-' ? -1 : 1) * (hours * 3600.0 + minutes * 60.0);
}

} // namespace

std::optional<double> isoSeconds(std::string_view text) {
    bool ok = text.size() >= 16 && text[4] == '-' && text[7] == '-' &&
              (text[10] == 'T' || text[10] == 't' || text[10] == ' ') && text[13] == ':';
    if (!ok)
        return std::nullopt;
    const int year = digits(text, 0, 4, ok), month = digits(text, 5, 2, ok),
              day = digits(text, 8, 2, ok), hour = digits(text, 11, 2, ok),
              minute = digits(text, 14, 2, ok);
    double second = 0;
    std::size_t at = 16;
    if (ok && at < text.size() && text[at] == ':') {
        second = digits(text, at + 1, 2, ok);
        at += 3;
        if (ok && at < text.size() && (text[at] == '.' || text[at] == ',')) {
            std::size_t end = at + 1;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
                ++end;
            second += fileNumber("0." + std::string(text.substr(at + 1, end - at - 1))).value_or(0);
            ok = end > at + 1;
            at = end;
        }
    }
    const std::optional<double> zone = zoneOffset(text.substr(std::min(at, text.size())));
    if (!ok || !zone || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 ||
        minute > 59 || second >= 61)
        return std::nullopt;
    return double(daysFromCivil(year, month, day)) * 86400 + hour * 3600.0 + minute * 60.0 +
           second - *zone;
}

std::string refusalText(const LogRefusal& refusal) {
    std::string text = "line " + std::to_string(refusal.line);
    if (!refusal.column.empty())
        text += ", column " + refusal.column;
    return text + ": " + refusal.rule;
}

LogReading readFurnaceLog(std::string_view text, const LogDefaults& defaults) {
    const Lines lines = splitLines(text);
    if (lines.first >= lines.text.size())
        return {std::nullopt, LogRefusal{1, "", "the log is empty"}};
    const std::string_view headerLine = lines.text[lines.first];
    const char separator = headerLine.find(';') != std::string_view::npos ? ';' : ',';
    Header header;
    if (auto refused = readHeader(headerLine, lines.first + 1, separator, header))
        return {std::nullopt, std::move(refused)};
    FurnaceLog log;
    log.potentialColumn = std::string(name(header.potential));
    log.hasSetpoint = header.has(Column::Setpoint);
    std::sort(header.ignored.begin(), header.ignored.end());
    for (const auto& [position, ignored] : header.ignored)
        log.ignoredColumns.push_back(ignored);
    std::optional<double> start;
    std::vector<std::string_view> rowCells;
    log.rows.reserve(lines.text.size());
    for (std::size_t index = lines.first + 1; index < lines.text.size(); ++index) {
        if (trimmed(lines.text[index]).empty())
            continue;
        RowReader reader(lines.text[index], index + 1, header, separator, rowCells);
        const std::optional<LogRow> row =
            readRow(reader, header, defaults, log.rows.empty() ? nullptr : &log.rows.back(), start);
        if (!row)
            return {std::nullopt, reader.refusal};
        log.rows.push_back(*row);
    }
    if (log.rows.size() < 2)
        return {std::nullopt,
                LogRefusal{lines.first + 1, "",
                           log.rows.empty() ? "the log holds no rows"
                                            : "the log holds one row: a load needs two"}};
    if (std::all_of(log.rows.begin(), log.rows.end(), [](const LogRow& r) { return r.burnOff; }))
        return {std::nullopt,
                LogRefusal{lines.first + 1, "", "every row is a burn-off: no potential is valid"}};
    return {std::move(log), std::nullopt};
}
