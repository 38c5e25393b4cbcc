#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string systemProblem(const char* what, const std::string& path) {
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

// Writes all of `content`, going on after a partial write or a signal.
bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The folder's entry for the renamed file reaches the disk; a folder that cannot be opened for
// this (some file systems) leaves the rename to the system's own schedule.
void syncFolder(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::filesystem::path folder = parent.empty() ? std::filesystem::path(".") : parent;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A new file takes the permissions the user's umask gives; a replaced one keeps its own.
mode_t permissionsFor(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        return status.st_mode & 07777;
    return 0666;
}

} // namespace

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {}

std::string AtomicFile::temporaryPath() const {
    return path_ + ".tmp" + std::to_string(::getpid());
}

std::optional<std::string> AtomicFile::replace(std::string_view content) const {
    const std::string temporary = temporaryPath();
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, permissionsFor(path_));
    if (fd < 0)
        return systemProblem("cannot write", path_);
    std::optional<std::string> problem;
    if (!writeAll(fd, content) || ::fsync(fd) != 0)
        problem = systemProblem("cannot write", path_);
    if (::close(fd) != 0 && !problem)
        problem = systemProblem("cannot write", path_);
    if (!problem && std::rename(temporary.c_str(), path_.c_str()) != 0)
        problem = systemProblem("cannot replace", path_);
    if (problem) {
        std::remove(temporary.c_str());
        return problem;
    }
    syncFolder(path_);
    return std::nullopt;
}
