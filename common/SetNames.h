#pragma once
// Names of a result set and of the files that belong to it.
//
// A set is named by the full path of its process-data file. A name is complete when it is an
// absolute path; any other name is taken relative to the program folder, the folder of the
// running executable (so both programs, installed side by side, agree on where a set lives).

#include <filesystem>
#include <string>
#include <string_view>

// Folder of the running executable, ending in "/"; read once from the system.
const std::string& programFolder();

// Path of the in-use list "pliki.lst" in the program folder.
std::string listFilePath();

bool isCompleteName(std::string_view name);

// `name` unchanged when complete, otherwise `folder` followed by `name`.
std::string completeName(std::string_view name, std::string_view folder);
std::string completeName(std::string_view name);

// A set named on a command line (every command-line mode of both programs asks this): a complete
// name as it is; a relative one from the current folder when a file of that name is there, as
// command-line programs do, else from the program folder, where the bundled examples lie. A name
// found in neither place is the current folder's, so that a message names what the user typed.
std::string commandLineName(std::string_view name);
std::string commandLineName(std::string_view name, const std::filesystem::path& currentFolder,
                            std::string_view fallbackFolder);

// The name of the set's file with the given three-letter extension: the (at most three)
// characters after the last "." of the file name are replaced; a file name without "." gets
// "." and the extension appended.
std::string resultFileName(std::string_view setName, std::string_view extension);

// ASCII upper case; other bytes (UTF-8 sequences) pass unchanged.
std::string upperCased(std::string_view text);
