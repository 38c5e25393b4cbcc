#include "SetNames.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

std::string asFolder(const std::filesystem::path& path) {
    std::string folder = path.string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string readProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return asFolder(exe.parent_path());
}

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// $HOME, or the account's home folder where the environment has none.
std::string homeFolder() {
    const std::string_view home = environment("HOME");
    if (!home.empty())
        return std::string(home);
    const passwd* account = getpwuid(getuid());
    return account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "/";
}

} // namespace

ProgramFolders programFoldersAt(std::string program, std::string_view xdgDataHome,
                                std::string_view home) {
    std::error_code error;
    if (std::filesystem::exists(program + "tavrix.portable", error))
        return {program, program, program, true};
    const std::filesystem::path prefix = std::filesystem::path(program).parent_path().parent_path();
    // The XDG rule: a data home that is not an absolute path is ignored.
    const std::filesystem::path dataHome = !xdgDataHome.empty() && xdgDataHome.front() == '/'
                                               ? std::filesystem::path(xdgDataHome)
                                               : std::filesystem::path(home) / ".local/share";
    return {std::move(program), asFolder(prefix / "share/tavrix"), asFolder(dataHome / "Tavrix"),
            false};
}

namespace {

ProgramFolders& runningFolders() {
    static ProgramFolders folders =
        programFoldersAt(readProgramFolder(), environment("XDG_DATA_HOME"), homeFolder());
    return folders;
}

} // namespace

const ProgramFolders& programFolders() {
    return runningFolders();
}

void useDataFolder(std::string folder) {
    runningFolders().data = std::move(folder);
}

const std::string& programFolder() {
    return programFolders().program;
}

const std::string& dataFolder() {
    return programFolders().data;
}

std::optional<std::string> prepareDataFolder(const ProgramFolders& folders) {
    if (folders.portable)
        return std::nullopt;
    std::error_code error;
    if (!std::filesystem::create_directories(folders.data, error)) {
        if (error)
            return "Cannot make the data folder " + folders.data + ": " + error.message();
        return std::nullopt; // made at an earlier start
    }
    // A copy that ships no examples (the Python module used from its build) has none to copy.
    if (!std::filesystem::exists(folders.shipped + "examples", error))
        return std::nullopt;
    std::filesystem::copy(folders.shipped + "examples", folders.data + "examples",
                          std::filesystem::copy_options::recursive, error);
    if (error)
        return "Cannot copy the examples into " + folders.data + ": " + error.message();
    return std::nullopt;
}

std::optional<std::string> prepareDataFolder() {
    return prepareDataFolder(programFolders());
}

std::string listFilePath() {
    return dataFolder() + "pliki.lst";
}

bool isCompleteName(std::string_view name) {
    return !name.empty() && name.front() == '/';
}

std::string completeName(std::string_view name, std::string_view folder) {
    if (isCompleteName(name))
        return std::string(name);
    return std::string(folder) + std::string(name);
}

std::string completeName(std::string_view name) {
    return completeName(name, dataFolder());
}

std::string commandLineName(std::string_view name) {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    return commandLineName(name, error ? std::filesystem::path("/") : here, dataFolder());
}

std::string commandLineName(std::string_view name, const std::filesystem::path& currentFolder,
                            std::string_view fallbackFolder) {
    if (isCompleteName(name))
        return std::string(name);
    const std::string here = (currentFolder / name).lexically_normal().string();
    const std::string fallback = completeName(name, fallbackFolder);
    std::error_code error;
    if (!std::filesystem::exists(here, error) && std::filesystem::exists(fallback, error))
        return fallback;
    return here;
}

std::string resultFileName(std::string_view setName, std::string_view extension) {
    const std::size_t slash = setName.rfind('/');
    const std::size_t dot = setName.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::string(setName) + "." + std::string(extension);
    std::string name(setName.substr(0, dot + 1));
    name += extension;
    const std::size_t kept = dot + 1 + extension.size();
    if (kept < setName.size())
        name += setName.substr(kept);
    return name;
}

namespace {

// Removes one file of a set, adding a line to `problems` when it stays.
void removeSetFile(const std::string& file, std::string& problems) {
    std::error_code error;
    std::filesystem::remove(file, error);
    if (!error)
        return;
    if (!problems.empty())
        problems += '\n';
    problems += "cannot delete " + file + ": " + error.message();
}

void removeResultFiles(std::string_view setName, std::span<const std::string_view> extensions,
                       std::string& problems) {
    for (std::string_view extension : extensions)
        removeSetFile(resultFileName(setName, extension), problems);
}

std::optional<std::string> problemsIfAny(std::string problems) {
    if (problems.empty())
        return std::nullopt;
    return problems;
}

} // namespace

std::optional<std::string> deleteSetFiles(std::string_view setName,
                                          std::span<const std::string_view> extensions) {
    std::string problems;
    removeSetFile(std::string(setName), problems);
    removeResultFiles(setName, extensions, problems);
    return problemsIfAny(std::move(problems));
}

std::optional<std::string> deleteResultFiles(std::string_view setName,
                                             std::span<const std::string_view> extensions) {
    std::string problems;
    removeResultFiles(setName, extensions, problems);
    return problemsIfAny(std::move(problems));
}

std::string upperCased(std::string_view text) {
    std::string upper(text);
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return upper;
}

std::string caseFoldedName(std::string_view name) {
    // Each pair is two bytes in either case, and UTF-8 finds a letter only where it begins.
    static constexpr std::pair<std::string_view, std::string_view> polishLetters[] = {
        {"ą", "Ą"}, {"ć", "Ć"}, {"ę", "Ę"}, {"ł", "Ł"}, {"ń", "Ń"},
        {"ó", "Ó"}, {"ś", "Ś"}, {"ź", "Ź"}, {"ż", "Ż"},
    };
    std::string folded = upperCased(name);
    for (const auto& [lower, upper] : polishLetters)
        for (std::size_t at = folded.find(lower); at != std::string::npos;
             at = folded.find(lower, at + upper.size()))
            folded.replace(at, lower.size(), upper);
    return folded;
}

bool sameSetName(std::string_view one, std::string_view other) {
    return caseFoldedName(one) == caseFoldedName(other);
}

std::string suffixedName(std::string_view path, std::string_view suffix) {
    const std::filesystem::path file(path);
    return (file.parent_path() /
            (file.stem().string() + std::string(suffix) + file.extension().string()))
        .string();
}

std::string unusedSuffixedName(std::string_view path, std::string_view suffix) {
    std::string name = suffixedName(path, suffix);
    std::error_code error;
    for (int number = 2; std::filesystem::exists(completeName(name), error); ++number)
        name = suffixedName(path, std::string(suffix) + "-" + std::to_string(number));
    return name;
}
