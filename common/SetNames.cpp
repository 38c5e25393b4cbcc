#include "SetNames.h"

#include <filesystem>
#include <system_error>

namespace {

std::string readProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

const std::string& programFolder() {
    static const std::string folder = readProgramFolder();
    return folder;
}

std::string listFilePath() {
    return programFolder() + "pliki.lst";
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
    return completeName(name, programFolder());
}

std::string commandLineName(std::string_view name) {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    return commandLineName(name, error ? std::filesystem::path("/") : here, programFolder());
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

std::string upperCased(std::string_view text) {
    std::string upper(text);
    for (char& ch : upper)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return upper;
}
