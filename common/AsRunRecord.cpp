#include "AsRunRecord.h"

#include "ProcessData.h"
#include "SetNames.h"

#include <algorithm>
#include <charconv>
#include <functional>

namespace {

constexpr std::string_view firstLine = "as-run load";

std::string number(double value) {
    char text[32];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

std::string figuresText(const CaseFigures& figures) {
    return number(figures.surface) + ' ' + number(figures.depth) + ' ' +
           (figures.hardening ? number(*figures.hardening) : "-") + ' ' +
           number(figures.meanIncrease);
}

std::string bandText(const BandReport& band) {
    return number(band.loggedMinutes) + ' ' + number(band.outsideMinutes) + ' ' +
           number(band.outsidePercent) + ' ' + number(band.longestMinutes) + ' ' +
           number(band.longestStartHours) + ' ' + std::to_string(band.longestStartLine) + ' ' +
           number(band.maskedMinutes);
}

std::string rowText(const AsRunRow& row) {
    std::string flags = std::string(row.stageEnd ? "e" : "") + (row.masked ? "m" : "");
    return (row.setpoint ? number(*row.setpoint) : "-") + ' ' + (flags.empty() ? "-" : flags);
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> found;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at)
            found.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return found;
}

std::optional<std::size_t> count(std::string_view word) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

// The lines of the file one by one, each without its line end, and the first fault found.
class RecordLines {
public:
    explicit RecordLines(std::string_view text) : text_(text) {}

    std::optional<std::string_view> next() {
        if (at_ > text_.size())
            return std::nullopt;
        const std::size_t end = std::min(text_.find('\n', at_), text_.size());
        std::string_view line = text_.substr(at_, end - at_);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        at_ = end + 1;
        ++line_;
        return line;
    }

    // The value after "name: " on the next line.
    std::optional<std::string_view> value(std::string_view name) {
        const std::optional<std::string_view> line = next();
        const std::string head = std::string(name) + ":";
        if (!line || !line->starts_with(head))
            return fail("must start with \"" + head + "\"");
        std::string_view rest = line->substr(head.size());
        if (rest.starts_with(' '))
            rest.remove_prefix(1);
        return rest;
    }

    std::nullopt_t fail(std::string rule) {
        if (rule_.empty()) {
            rule_ = std::move(rule);
            faultLine_ = line_;
        }
        return std::nullopt;
    }

    bool failed() const { return !rule_.empty(); }
    AsRunRecordReading refusal() const { return {std::nullopt, faultLine_, rule_}; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 0;
    std::size_t faultLine_ = 0;
    std::string rule_;
};

// `count` numbers, "-" read as absent where `mayBeAbsent` says so.
std::optional<std::vector<std::optional<double>>>
numbers(RecordLines& lines, std::string_view text, std::size_t wanted,
        const std::function<bool(std::size_t)>& mayBeAbsent) {
    const std::vector<std::string_view> found = words(text);
    if (found.size() != wanted)
        return lines.fail("must hold " + std::to_string(wanted) + " values");
    std::vector<std::optional<double>> values;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (found[i] == "-" && mayBeAbsent(i)) {
            values.emplace_back();
            continue;
        }
        const std::optional<double> value = fileNumber(found[i]);
        if (!value)
            return lines.fail("must be a number: \"" + std::string(found[i]) + "\"");
        values.push_back(value);
    }
    return values;
}

std::optional<CaseFigures> readFigures(RecordLines& lines, std::string_view name) {
    const std::optional<std::string_view> text = lines.value(name);
    if (!text)
        return std::nullopt;
    const auto values = numbers(lines, *text, 4, [](std::size_t i) { return i == 2; });
    if (!values)
        return std::nullopt;
    return CaseFigures{*(*values)[0], *(*values)[1], (*values)[2], *(*values)[3]};
}

std::optional<BandReport> readBand(RecordLines& lines) {
    const std::optional<std::string_view> text = lines.value("band");
    if (!text)
        return std::nullopt;
    const auto values = numbers(lines, *text, 7, [](std::size_t) { return false; });
    if (!values)
        return std::nullopt;
    const auto at = [&values](std::size_t i) { return *(*values)[i]; };
    BandReport band{at(0), at(1), at(2), at(3), at(4), std::size_t(at(5)), at(6), {}};
    const std::optional<std::string_view> soot = lines.value("soot");
    if (!soot)
        return std::nullopt;
    for (std::string_view word : words(*soot)) {
        const std::optional<std::size_t> line = count(word);
        if (!line)
            return lines.fail("must list line numbers");
        band.sootLines.push_back(*line);
    }
    return band;
}

std::optional<AsRunRow> readRow(RecordLines& lines) {
    const std::optional<std::string_view> line = lines.next();
    const std::vector<std::string_view> found =
        line ? words(*line) : std::vector<std::string_view>();
    if (found.size() != 2)
        return lines.fail("must be a row: a setpoint (or \"-\") and flags (or \"-\")");
    AsRunRow row;
    if (found[0] != "-" && !(row.setpoint = fileNumber(found[0])))
        return lines.fail("must start with a setpoint in % C, or \"-\"");
    if (found[1] != "-")
        for (char flag : found[1]) {
            bool& set = flag == 'e' ? row.stageEnd : row.masked;
            if ((flag != 'e' && flag != 'm') || set)
                return lines.fail("must have the flags \"e\" and \"m\", each once, or \"-\"");
            set = true;
        }
    return row;
}

// The rows after the "rows:" line; the text must end after them.
bool readRows(RecordLines& lines, AsRunRecord& record) {
    const std::optional<std::string_view> text = lines.value("rows");
    const std::optional<std::size_t> rows = text ? count(*text) : std::nullopt;
    if (!rows) {
        lines.fail("must give the number of rows");
        return false;
    }
    record.rows.reserve(std::min<std::size_t>(*rows, 100000)); // a faulty count costs nothing
    for (std::size_t row = 0; row < *rows; ++row) {
        const std::optional<AsRunRow> read = readRow(lines);
        if (!read)
            return false;
        record.rows.push_back(*read);
    }
    while (const std::optional<std::string_view> rest = lines.next())
        if (!rest->empty()) {
            lines.fail("must not follow the rows");
            return false;
        }
    return true;
}

} // namespace

std::vector<bool> AsRunRecord::stageEnds() const {
    std::vector<bool> ends;
    ends.reserve(rows.size());
    for (const AsRunRow& row : rows)
        ends.push_back(row.stageEnd);
    return ends;
}

std::string asRunRecordName(std::string_view setName) {
    return resultFileName(setName, "run");
}

std::string asRunRecordText(const AsRunRecord& record) {
    std::string text = std::string(firstLine) + "\r\n";
    const auto line = [&text](std::string_view name, const std::string& value) {
        text += std::string(name) + ": " + value + "\r\n";
    };
    line("log", record.logName);
    line("plan", record.planName);
    line("potential column", record.potentialColumn);
    line("setpoint", record.setpointFromPlan ? "plan" : "log");
    line("planned", figuresText(record.planned));
    line("as-run", figuresText(record.asRun));
    line("band", bandText(record.band));
    std::string soot;
    for (std::size_t sootLine : record.band.sootLines)
        soot += (soot.empty() ? "" : " ") + std::to_string(sootLine);
    text += soot.empty() ? "soot:\r\n" : "soot: " + soot + "\r\n";
    line("rows", std::to_string(record.rows.size()));
    for (const AsRunRow& row : record.rows)
        text += rowText(row) + "\r\n";
    return text;
}

AsRunRecordReading readAsRunRecord(std::string_view text) {
    RecordLines lines(text);
    if (lines.next() != firstLine)
        return {std::nullopt, 1, "must be \"" + std::string(firstLine) + "\""};
    AsRunRecord record;
    const std::optional<std::string_view> log = lines.value("log");
    const std::optional<std::string_view> plan = log ? lines.value("plan") : std::nullopt;
    const std::optional<std::string_view> column =
        plan ? lines.value("potential column") : std::nullopt;
    const std::optional<std::string_view> setpoint =
        column ? lines.value("setpoint") : std::nullopt;
    if (setpoint && *setpoint != "log" && *setpoint != "plan")
        lines.fail("must be \"log\" or \"plan\"");
    if (lines.failed())
        return lines.refusal();
    record.logName = std::string(*log);
    record.planName = std::string(*plan);
    record.potentialColumn = std::string(*column);
    record.setpointFromPlan = *setpoint == "plan";
    const std::optional<CaseFigures> planned = readFigures(lines, "planned");
    const std::optional<CaseFigures> asRun = planned ? readFigures(lines, "as-run") : std::nullopt;
    const std::optional<BandReport> band = asRun ? readBand(lines) : std::nullopt;
    if (!band || !readRows(lines, record))
        return lines.refusal();
    record.planned = *planned;
    record.asRun = *asRun;
    record.band = *band;
    return {std::move(record), 0, {}};
}
