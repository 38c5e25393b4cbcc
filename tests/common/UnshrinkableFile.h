#pragma once
// A file that cannot be cut shorter, made without privileges: its text lies in a memory file
// sealed against shrinking (memfd_create, F_SEAL_SHRINK) that a symbolic link names, so that a
// program reads and appends to it as to any file while cutting it back fails, as it does on a
// file the user may not write ("Operation not permitted"). The link names the memory file by
// this process's descriptor: only this process (and its forks) reach it.

#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

class UnshrinkableFile {
public:
    UnshrinkableFile(const std::filesystem::path& link, const std::string& text)
        : fd_(::memfd_create("unshrinkable", MFD_ALLOW_SEALING)) {
        (void)!::write(fd_, text.data(), text.size());
        ::fcntl(fd_, F_ADD_SEALS, F_SEAL_SHRINK);
        std::filesystem::create_symlink("/proc/self/fd/" + std::to_string(fd_), link);
    }
    ~UnshrinkableFile() { ::close(fd_); }
    UnshrinkableFile(const UnshrinkableFile&) = delete;
    UnshrinkableFile& operator=(const UnshrinkableFile&) = delete;

    // What the file holds now.
    std::string text() const {
        std::string text;
        char buffer[4096];
        for (ssize_t got; (got = ::pread(fd_, buffer, sizeof buffer, off_t(text.size()))) > 0;)
            text.append(buffer, static_cast<std::size_t>(got));
        return text;
    }

private:
    int fd_;
};
