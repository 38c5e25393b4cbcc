#include "ProcessScanner.h"

#include <charconv>
#include <istream>
#include <locale>
#include <system_error>

namespace {

bool isBlank(int ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

std::optional<int> wordInteger(std::string_view word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

// The values of the head one by one, as strictly as the mode asks, keeping the first fault.
class ProcessScanner {
public:
    ProcessScanner(std::istream& in, Strictness strictness, RowLimit limit)
        : in_(in), strictness_(strictness), limit_(limit),
          saved_(in.imbue(std::locale::classic())) {}
    ~ProcessScanner() { in_.imbue(saved_); }
    ProcessScanner(const ProcessScanner&) = delete;
    ProcessScanner& operator=(const ProcessScanner&) = delete;

    Strictness strictness() const { return strictness_; }
    bool limitsRows() const { return limit_ == RowLimit::Form; }
    bool stopped() const { return fault_.has_value(); }
    std::optional<HeadFault>& fault() { return fault_; }
    std::size_t consumed() const { return consumed_; }
    // The number, from 1, of the line the next character is on. Exact where every character so
    // far was taken through get(): in Strict and Loader.
    std::size_t lineNumber() const { return lineEnds_ + 1; }
    bool atEnd() { return in_.peek() == std::char_traits<char>::eof(); }

    // The next value; absent at the end of the text (Loader) or when it does not read (a fault).
    std::optional<double> number(HeadItem item, std::size_t index = 0) {
        if (stopped())
            return std::nullopt;
        if (strictness_ == Strictness::Strict) {
            const std::string text = word();
            if (auto value = fileNumber(text))
                return value;
            return fail(HeadFault::Kind::NotANumber, item, index, text);
        }
        if (strictness_ == Strictness::Loader) {
            skipBlanks();
            if (in_.peek() == std::char_traits<char>::eof())
                return std::nullopt;
        }
        double value = 0;
        if (in_ >> value)
            return value;
        std::string rest;
        if (strictness_ == Strictness::Loader) {
            in_.clear();
            std::getline(in_, rest);
        }
        return fail(HeadFault::Kind::NotANumber, item, index, normalizedLine(rest));
    }

    // The stage count, as a number of rows the mode accepts.
    std::optional<double> count() {
        if (stopped())
            return std::nullopt;
        switch (strictness_) {
        case Strictness::Strict: {
            const auto count = wordInteger(word());
            if (!count)
                return fail(HeadFault::Kind::CountNotWhole, HeadItem::StageCount);
            if (*count < 1 || (limitsRows() && *count > maxConditionStages))
                return outOfRange(*count, maxConditionStages);
            return *count;
        }
        case Strictness::Loader: {
            // Read as a number like every other value: a count of 2.5 asks for 3 rows.
            const auto count = number(HeadItem::StageCount);
            if (count && *count > maxConditionStages)
                return outOfRange(*count, maxConditionStages);
            return count;
        }
        case Strictness::Extraction: {
            int count = 0;
            if (in_ >> count)
                return count;
            return fail(HeadFault::Kind::NotANumber, HeadItem::StageCount);
        }
        }
        return std::nullopt;
    }

    // The next line that is not empty, normalised; its line end is left to be read.
    std::string line() {
        skipBlanks();
        std::string text;
        while (in_.peek() != std::char_traits<char>::eof() && in_.peek() != '\n')
            text += static_cast<char>(get());
        return normalizedLine(text);
    }

    // The rest of the current line, its end taken too.
    std::string restOfLine() {
        std::string text;
        while (in_.peek() != std::char_traits<char>::eof() && in_.peek() != '\n')
            text += static_cast<char>(get());
        if (in_.peek() == '\n')
            get();
        return text;
    }

    std::nullopt_t fail(HeadFault::Kind kind, HeadItem item, std::size_t index = 0,
                        std::string text = {}) {
        fault_ = HeadFault{kind, item, index, std::move(text), 0};
        return std::nullopt;
    }

    std::nullopt_t outOfRange(double count, int most) {
        fail(HeadFault::Kind::CountOutOfRange, HeadItem::StageCount,
             static_cast<std::size_t>(most));
        fault_->count = count;
        return std::nullopt;
    }

private:
    int get() {
        const int ch = in_.get();
        if (ch != std::char_traits<char>::eof())
            ++consumed_;
        if (ch == '\n')
            ++lineEnds_;
        return ch;
    }

    void skipBlanks() {
        while (isBlank(in_.peek()))
            get();
    }

    std::string word() {
        skipBlanks();
        std::string text;
        while (in_.peek() != std::char_traits<char>::eof() && !isBlank(in_.peek()))
            text += static_cast<char>(get());
        return text;
    }

    std::istream& in_;
    Strictness strictness_;
    RowLimit limit_;
    std::locale saved_;
    std::optional<HeadFault> fault_;
    std::size_t consumed_ = 0; // Strict: characters taken by words and lines
    std::size_t lineEnds_ = 0; // line ends taken through get()
};

// One stage row: time, temperature, potential and the condition word. Whole or absent.
std::optional<StageRow> scanStageRow(ProcessScanner& scanner, std::size_t row) {
    StageRow stage;
    const std::pair<double*, HeadItem> cells[] = {{&stage.time, HeadItem::StageTime},
                                                  {&stage.temperature, HeadItem::StageTemperature},
                                                  {&stage.potential, HeadItem::StagePotential}};
    for (const auto& [cell, item] : cells) {
        const std::optional<double> value = scanner.number(item, row);
        if (!value)
            return std::nullopt;
        *cell = *value;
    }
    ConditionReading word = readConditionWord(scanner.restOfLine());
    if (!word.condition)
        return scanner.fail(HeadFault::Kind::UnknownWord, HeadItem::StageWord, row,
                            std::move(word.rule));
    stage.condition = *word.condition;
    return stage;
}

bool anyCondition(const std::vector<StageRow>& rows) {
    for (const StageRow& row : rows)
        if (!isPlain(row.condition.kind))
            return true;
    return false;
}

void scanRows(ProcessScanner& scanner, double count, ScannedHead& head) {
    for (std::size_t row = 0; static_cast<double>(row) < count && !scanner.stopped(); ++row) {
        if (const auto stage = scanStageRow(scanner, row)) {
            head.rows.push_back(*stage);
            continue;
        }
        if (scanner.strictness() != Strictness::Loader)
            return;
        // The end of the text, or the shape line where a row should begin: the rows have ended.
        std::optional<HeadFault>& fault = scanner.fault();
        const bool rowsEnded =
            !fault || (fault->item == HeadItem::StageTime && shapeFromLine(fault->text));
        if (!rowsEnded)
            return;
        // More than ten rows are a programme of conditions: without them the count is wrong.
        if (count > maxStages && !anyCondition(head.rows)) {
            scanner.outOfRange(count, maxStages);
            return;
        }
        scanner.fail(HeadFault::Kind::RowsMissing, HeadItem::StageTime, row);
        fault->count = count;
        return;
    }
    if (scanner.strictness() != Strictness::Extraction && scanner.limitsRows() &&
        !scanner.stopped() && count > maxStages && !anyCondition(head.rows))
        scanner.outOfRange(count, maxStages);
}

void scanShapeAndSize(ProcessScanner& scanner, std::string_view programShape, ScannedHead& head) {
    head.shapeLine = scanner.line();
    head.shape = shapeFromLine(head.shapeLine);
    bool hasSize = false;
    if (scanner.strictness() == Strictness::Strict) {
        if (!head.shape) {
            scanner.fail(HeadFault::Kind::UnknownShape, HeadItem::Shape, 0, head.shapeLine);
            return;
        }
        hasSize = kindTraits(*head.shape).size != SampleSize::None;
    } else {
        head.shapeMatches = head.shapeLine == programShape;
        const std::optional<SampleShape> program = shapeFromLine(programShape);
        hasSize = head.shapeMatches && (!program || kindTraits(*program).size != SampleSize::None);
    }
    if (hasSize)
        head.size = scanner.number(HeadItem::Size);
}

// The settings lines after the shape block, up to the first result block or the end of the
// text; the head's length grows over each one, so that a head cut off its results keeps them.
void scanSettings(ProcessScanner& scanner, ScannedHead& head) {
    scanner.restOfLine();
    head.length = scanner.consumed();
    std::vector<std::string> seen;
    while (!scanner.atEnd()) {
        const std::size_t number = scanner.lineNumber();
        const std::string line = normalizedLine(scanner.restOfLine());
        if (line.empty())
            continue;
        const SettingReading reading = readSettingLine(line, head.settings, seen);
        if (!reading.isSetting)
            return;
        std::optional<std::string> rule;
        if (!reading.rule.empty())
            rule = reading.rule;
        else if (head.shape)
            rule = settingShapeRule(reading.name, head.settings, *head.shape);
        if (rule) {
            scanner.fail(HeadFault::Kind::BadSetting, HeadItem::Setting, number, *rule);
            return;
        }
        head.length = scanner.consumed();
    }
}

} // namespace

TDane ScannedHead::data() const {
    TDane data;
    data.steelCarbon = steelCarbon.value_or(0);
    data.transferCoefficient = transferCoefficient.value_or(0);
    for (std::size_t k = 0; k < alloy.size(); ++k)
        data.alloy[k] = alloy[k].value_or(0);
    for (const StageRow& row : rows) {
        data.times.push_back(row.time);
        data.temperatures.push_back(row.temperature);
        data.potentials.push_back(row.potential);
        data.conditions.push_back(row.condition);
    }
    return data;
}

ScannedHead scanProcessHead(std::istream& in, Strictness strictness, std::string_view programShape,
                            RowLimit limit) {
    ProcessScanner scanner(in, strictness, limit);
    ScannedHead head;
    head.steelCarbon = scanner.number(HeadItem::SteelCarbon);
    head.transferCoefficient = scanner.number(HeadItem::TransferCoefficient);
    for (std::size_t k = 0; k < head.alloy.size(); ++k)
        head.alloy[k] = scanner.number(HeadItem::Alloy, k);
    head.stageCount = scanner.count();
    scanRows(scanner, head.stageCount.value_or(0), head);
    if (strictness != Strictness::Extraction && !scanner.stopped())
        scanShapeAndSize(scanner, programShape, head);
    const bool settingsFollow = strictness == Strictness::Strict || head.shapeMatches;
    if (strictness != Strictness::Extraction && settingsFollow && !scanner.stopped())
        scanSettings(scanner, head);
    head.fault = std::move(scanner.fault());
    return head;
}
