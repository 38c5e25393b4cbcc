// One mistake, one answer: each line of mistakes.txt made through the command layer and through
// tavcalc's entry functions gives the same words, status, exit status and script exception (the
// Python module's test makes the same lines through Python and the tavcalc binary).

#include "BatchRun.h"
#include "CommandCall.h"
#include "DesignCommand.h"
#include "DesignCommands.h"
#include "FitCommands.h"
#include "RunCommand.h"

#include "FileTable.h"
#include "ProcessCheck.h"
#include "RunFixture.h"
#include "SetNames.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <ostream>
#include <sstream>

namespace {

struct Mistake {
    std::string input; // a stored input's name
    std::string mode;  // "design", "fit-beta" or "run"
    std::map<std::string, std::string> options;
    std::string status;
    int exitStatus = 0;
    std::string exception;
    std::string words;
};

void PrintTo(const Mistake& mistake, std::ostream* out) {
    *out << mistake.input << " " << mistake.mode << ": " << mistake.words;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::vector<Mistake> mistakes() {
    std::ifstream file(TAVRIX_MISTAKES);
    std::vector<Mistake> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cells;
        std::stringstream cellText(line);
        for (std::string cell; std::getline(cellText, cell, '|');)
            cells.push_back(trimmed(cell));
        Mistake row{cells.at(0), cells.at(1), {}, cells.at(3), std::stoi(cells.at(4)),
                    cells.at(5), cells.at(6)};
        std::stringstream options(cells.at(2));
        for (std::string option; options >> option;)
            row.options[option.substr(0, option.find('='))] = option.substr(option.find('=') + 1);
        rows.push_back(row);
    }
    return rows;
}

const std::map<CommandStatus, std::string> statusNames{
    {CommandStatus::Usage, "Usage"},
    {CommandStatus::Unusable, "Unusable"},
    {CommandStatus::InUse, "InUse"},
    {CommandStatus::Refused, "Refused"},
    {CommandStatus::Unreachable, "Unreachable"},
};
const std::map<ScriptException, std::string> exceptionNames{
    {ScriptException::ProcessError, "ProcessError"},
    {ScriptException::UnreachableError, "UnreachableError"},
    {ScriptException::RunError, "RunError"},
    {ScriptException::WriteError, "WriteError"},
};

double number(const std::string& text) {
    return std::stod(text);
}

DesignOptions designOptions(const std::map<std::string, std::string>& given) {
    const std::map<std::string, std::optional<double> DesignOptions::*> numbers{
        {"depth", &DesignOptions::depth},     {"level", &DesignOptions::level},
        {"chd", &DesignOptions::chd},         {"chd_limit", &DesignOptions::chdLimit},
        {"surface", &DesignOptions::surface}, {"diffuse", &DesignOptions::diffuse},
        {"boost", &DesignOptions::boost},     {"temperature", &DesignOptions::temperature},
        {"step", &DesignOptions::step},       {"min_boost", &DesignOptions::minBoost},
        {"limit", &DesignOptions::limit}};
    DesignOptions options;
    for (const auto& [name, value] : given) {
        if (name == "low_pressure") {
            options.lowPressure = true;
        } else if (name == "hardening") {
            options.hardening = number(value.substr(0, value.find(',')));
            options.hardeningTime = number(value.substr(value.find(',') + 1));
        } else {
            options.*numbers.at(name) = number(value);
        }
    }
    return options;
}

struct Quiet : RunObserver {
    void setProgress(int) override {}
};

struct Answer {
    CommandStatus status;
    std::string message;
};

// A run's mistake through the command layer: the set read, then claimed, as a front end runs it.
Answer runAnswer(const std::filesystem::path& path) {
    const RunRequest request = runRequest(path.string(), {});
    const RunSetReading reading = readRunSet(request);
    const RunRefusal refusal = reading.set ? claimRunSet(request.path).refusal : reading.refusal;
    EXPECT_EQ(refusal.file, path.string());
    return {refusal.status, statusMessage(refusal.status, refusal.reason)};
}

// The mistake made through the command layer, as a front end makes it.
Answer layerAnswer(const Mistake& mistake, const ProcessRecord& head,
                   const std::filesystem::path& path) {
    Quiet quiet;
    if (mistake.mode == "run")
        return runAnswer(path);
    if (mistake.mode == "fit-beta") {
        const FoilFitOutcome outcome =
            runFoilFit(head, number(mistake.options.at("carbon")), quiet);
        return {outcome.status, outcome.message()};
    }
    const DesignOptions options = designOptions(mistake.options);
    if (const auto conflict = designConflict(options, Spelling::CommandLine))
        return {CommandStatus::Usage, *conflict};
    const DesignOutcome outcome = runDesign(designCommand(options, head), quiet);
    return {outcome.status, outcome.message()};
}

// `text` with line N (from 1) replaced where the options hold lineN=TEXT.
std::string withLines(const std::string& text, const std::map<std::string, std::string>& options) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    for (const auto& [name, value] : options)
        if (name.rfind("line", 0) == 0)
            lines.at(std::stoul(name.substr(4)) - 1) = value + "\r";
    std::string laid;
    for (const std::string& line : lines)
        laid += line + "\n";
    return laid;
}

// The mistake's set in `folder`, laid out as its options say (the input as it is, for the
// commands that are no run); its path.
std::filesystem::path laidOutSet(const Mistake& mistake, const std::string& text,
                                 const TempFolder& folder) {
    const auto& options = mistake.options;
    const auto path =
        folder.file(options.contains("set") ? options.at("set") : mistake.input + ".tav");
    if (!options.contains("missing"))
        writeText(path, withLines(text, options));
    return path;
}

std::vector<std::string> commandWords(const Mistake& mistake, const std::string& path) {
    std::vector<std::string> words{"--" + mistake.mode, path};
    if (mistake.mode == "run")
        return words; // its options lay out the set
    for (const auto& [name, value] : mistake.options) {
        const std::string option = spelledOption(name, Spelling::CommandLine);
        if (name == "low_pressure") {
            words.push_back(option);
        } else if (name == "hardening") {
            words.insert(words.end(), {option, value.substr(0, value.find(',')), "--hardening-time",
                                       value.substr(value.find(',') + 1)});
        } else {
            words.insert(words.end(), {option, value});
        }
    }
    return words;
}

class SameMistake : public testing::TestWithParam<Mistake> {
protected:
    KeptInUseList inUseList_;
    TempFolder folder_;
};

} // namespace

TEST_P(SameMistake, ReadsAlikeThroughTheLayerAndTheCommandLine) {
    const Mistake& mistake = GetParam();
    const std::string text =
        readText(std::filesystem::path(TAVRIX_GOLDEN_DIR) / "input" / (mistake.input + ".tav"));
    const HeadReading reading = readCheckedProcessHead(text);
    ASSERT_TRUE(reading.head) << reading.problem.rule;

    const auto path = laidOutSet(mistake, text, folder_);
    std::optional<SetClaim> otherRun;
    if (mistake.options.contains("claimed"))
        otherRun = SetClaim::claim(listFilePath(), path.string());

    const Answer answer = layerAnswer(mistake, *reading.head, path);
    const std::string words = spelledWords(mistake.words, Spelling::CommandLine);
    EXPECT_EQ(answer.message, words);
    EXPECT_EQ(statusNames.at(answer.status), mistake.status);
    EXPECT_EQ(statusEntry(answer.status).exitStatus, mistake.exitStatus);
    EXPECT_EQ(exceptionNames.at(statusEntry(answer.status).exception), mistake.exception);

    const std::map<std::string, Command> commands{
        {"design", runDesignCommand}, {"fit-beta", runFitCommand}, {"run", runBatch}};
    EXPECT_EQ(call(commands.at(mistake.mode), commandWords(mistake, path.string())),
              mistake.exitStatus);
    const std::string named = mistake.status == "Usage" ? "" : path.string() + ": ";
    EXPECT_EQ(lastMessage.substr(0, lastMessage.find('\n')), "tavcalc: " + named + words);
}

INSTANTIATE_TEST_SUITE_P(Mistakes, SameMistake, testing::ValuesIn(mistakes()));

TEST(SameMistake, EveryLineIsRead) {
    EXPECT_GE(mistakes().size(), 20u);
}

TEST(StatusTable, HasARowForEveryStatus) {
    for (CommandStatus status :
         {CommandStatus::Done, CommandStatus::Usage, CommandStatus::Unusable,
          CommandStatus::Refused, CommandStatus::Unreachable, CommandStatus::Cancelled,
          CommandStatus::Failed, CommandStatus::FitCancelled, CommandStatus::FitFailed,
          CommandStatus::WriteFailed})
        EXPECT_EQ(statusEntry(status).status, status);
    // What the user asked for is not told as a mistake.
    EXPECT_EQ(statusEntry(CommandStatus::Cancelled).notice, WindowNotice::None);
    EXPECT_EQ(statusEntry(CommandStatus::FitCancelled).notice, WindowNotice::None);
    EXPECT_EQ(statusEntry(CommandStatus::RunCancelled).notice, WindowNotice::None);
    EXPECT_EQ(statusMessage(CommandStatus::FitFailed, "after 40 trial runs"),
              "fit stopped after 40 trial runs");
}

struct SpellingCase {
    const char* words;
    Spelling spelling;
    const char* spelled;
};

class OptionSpelling : public testing::TestWithParam<SpellingCase> {};

TEST_P(OptionSpelling, NamesEachOptionAsItsFrontEndDoes) {
    EXPECT_EQ(spelledWords(GetParam().words, GetParam().spelling), GetParam().spelled);
}

INSTANTIATE_TEST_SUITE_P(
    Words, OptionSpelling,
    testing::Values(
        SpellingCase{"{chd_limit} needs {chd}", Spelling::CommandLine, "--chd-limit needs --chd"},
        SpellingCase{"{chd_limit} needs {chd}", Spelling::Script, "chd_limit needs chd"},
        SpellingCase{"no option here", Spelling::CommandLine, "no option here"},
        SpellingCase{"an open { brace", Spelling::CommandLine, "an open { brace"},
        SpellingCase{"{hardening_time}", Spelling::CommandLine, "--hardening-time"}));
