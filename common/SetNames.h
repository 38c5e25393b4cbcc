#pragma once
// Names of a result set and of the files that belong to it.
//
// A set is named by the full path of its process-data file. A name is complete when it is an
// absolute path; any other name is taken relative to the data folder (below), which both
// programs, installed side by side, work out alike, so they agree on where a set lives.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Where a copy of the programs keeps its files. A portable copy, marked by the file
// "tavrix.portable" beside the programs (the build folder, a folder filled by cmake --install),
// keeps everything in the program folder. An installed copy, read-only for its users with the
// programs in <prefix>/bin, ships its help pages and examples in <prefix>/share/tavrix/ and
// keeps what each user makes in the user's data folder: $XDG_DATA_HOME/Tavrix/, by default
// ~/.local/share/Tavrix/. Every folder ends in "/".
struct ProgramFolders {
    std::string program; // the running executable's
    std::string shipped; // help pages, and the examples as shipped
    std::string data;    // the in-use list and the sets named without a folder
    bool portable = true;
};

// The folders of a copy whose programs lie in `program`; `xdgDataHome` and `home` as the
// environment gives them (either may be empty).
ProgramFolders programFoldersAt(std::string program, std::string_view xdgDataHome,
                                std::string_view home);
// The running program's, read once from the system.
const ProgramFolders& programFolders();

const std::string& programFolder();
const std::string& dataFolder();

// Keeps the in-use list and the sets named without a folder in `folder` (ending in "/") from
// now on, in this process only: tests compute in a data folder of their own, never in the one
// the programs beside them share.
void useDataFolder(std::string folder);

// Makes an installed copy's data folder at its first use and copies the shipped examples into
// it (where some were shipped); nothing to do for a portable copy. The problem, for the user, when
// that failed.
std::optional<std::string> prepareDataFolder(const ProgramFolders& folders);
std::optional<std::string> prepareDataFolder();

// Path of the in-use list "pliki.lst" in the data folder.
std::string listFilePath();

bool isCompleteName(std::string_view name);

// `name` unchanged when complete, otherwise `folder` followed by `name`.
std::string completeName(std::string_view name, std::string_view folder);
std::string completeName(std::string_view name);

// A set named on a command line (every command-line mode of both programs asks this): a complete
// name as it is; a relative one from the current folder when a file of that name is there, as
// command-line programs do, else from the data folder, where the bundled examples lie. A name
// found in neither place is the current folder's, so that a message names what the user typed.
std::string commandLineName(std::string_view name);
std::string commandLineName(std::string_view name, const std::filesystem::path& currentFolder,
                            std::string_view fallbackFolder);

// The name of the set's file with the given three-letter extension: the (at most three)
// characters after the last "." of the file name are replaced; a file name without "." gets
// "." and the extension appended.
std::string resultFileName(std::string_view setName, std::string_view extension);

// `path` with `suffix` before its extension, beside it: "walk1-design.tav" for "walk1.tav".
std::string suffixedName(std::string_view path, std::string_view suffix);
// The same, numbered on ("walk1-design-2.tav", "-3", ...) past the names a file has already:
// a name to propose for a new set, which overwrites none.
std::string unusedSuffixedName(std::string_view path, std::string_view suffix);

// Removes the set's main file and its files with the given extensions: the one way a set is
// deleted, whether a run was cancelled or the user deletes it. A missing file is gone already;
// one that cannot be removed is passed over, so that the others go and a half-deleted set can
// be deleted again. Nothing when every file is gone; else, for the user, a line
// "cannot delete FILE: REASON" for each file that stays.
std::optional<std::string> deleteSetFiles(std::string_view setName,
                                          std::span<const std::string_view> extensions);
// The same with the main file kept: the results of a run that failed, or of an earlier run.
std::optional<std::string> deleteResultFiles(std::string_view setName,
                                             std::span<const std::string_view> extensions);

// ASCII upper case; other bytes (UTF-8 sequences) pass unchanged. The in-use list stores names so.
std::string upperCased(std::string_view text);

// `name` with its letter case taken out: ASCII and Polish letters (UTF-8) upper-cased.
std::string caseFoldedName(std::string_view name);

// Whether two names name the same set: letter case aside, ASCII and Polish letters alike. The
// one comparison of set names: the in-use list (both programs' checks) and the viewer's
// comparison use it, so that a set counts as in use in whatever case a folder or file name is
// written (the list holds names upper-cased byte by byte, Polish letters as they came).
bool sameSetName(std::string_view one, std::string_view other);
