#pragma once
// The data folder of a test program: a temporary folder of its own, made at the first call and
// removed when the program ends, so that a test never edits the in-use list "pliki.lst" of the
// data folder the programs of the build share (nor another test program's, running beside it).

#include "SetNames.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

inline void useTestDataFolder() {
    static const struct Folder {
        std::filesystem::path path;
        pid_t owner = ::getpid(); // a forked child that exits leaves the folder to its parent
        Folder() {
            std::string name =
                (std::filesystem::temp_directory_path() / "tavrix-data-XXXXXX").string();
            if (::mkdtemp(name.data()) == nullptr)
                std::abort(); // no test may fall back on the shared folder
            path = name;
            useDataFolder(name + "/");
        }
        ~Folder() {
            if (::getpid() != owner)
                return;
            std::error_code error;
            std::filesystem::remove_all(path, error);
        }
    } folder;
}
