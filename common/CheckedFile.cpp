#include "CheckedFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

CheckedFile::Buffer::Buffer() {
    setp(space_.data(), space_.data() + space_.size());
}

bool CheckedFile::Buffer::open(const std::string& path, Mode mode) {
    if (fd_ >= 0)
        ::close(fd_);
    path_ = path;
    problem_.clear();
    setp(space_.data(), space_.data() + space_.size());
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == Mode::Append ? O_APPEND : O_TRUNC);
    fd_ = ::open(path.c_str(), flags, 0644);
    if (fd_ < 0)
        fail("cannot open");
    return fd_ >= 0;
}

void CheckedFile::Buffer::fail(const char* what) {
    if (problem_.empty())
        problem_ = std::string(what) + " " + path_ + ": " + std::strerror(errno);
}

// Writes the buffered bytes; a write cut short by a signal or a partial write goes on.
bool CheckedFile::Buffer::drain() {
    const char* next = pbase();
    while (next < pptr()) {
        if (fd_ < 0 || !problem_.empty()) {
            // Output after a failure is dropped: the first reason is the one the user sees.
            setp(space_.data(), space_.data() + space_.size());
            return false;
        }
        const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            fail("cannot write");
            continue;
        }
        next += written;
    }
    setp(space_.data(), space_.data() + space_.size());
    return true;
}

CheckedFile::Buffer::int_type CheckedFile::Buffer::overflow(int_type byte) {
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(byte, traits_type::eof()))
        return sputc(traits_type::to_char_type(byte));
    return traits_type::not_eof(byte);
}

int CheckedFile::Buffer::sync() {
    return drain() ? 0 : -1;
}

bool CheckedFile::Buffer::close() {
    if (fd_ < 0)
        return problem_.empty();
    drain();
    // The file system may report a failed write only now (a full disk over NFS, for instance).
    if (::close(fd_) != 0)
        fail("cannot write");
    fd_ = -1;
    return problem_.empty();
}

// A file that is not open drops its output unformatted, as a closed std::ofstream does.
CheckedFile::CheckedFile() : std::ostream(&buffer_) {
    setstate(std::ios::badbit);
}

CheckedFile::~CheckedFile() {
    buffer_.close();
}

bool CheckedFile::open(const std::string& path, Mode mode) {
    clear();
    const bool opened = buffer_.open(path, mode);
    if (!opened)
        setstate(std::ios::badbit);
    return opened;
}

bool CheckedFile::close() {
    const bool written = buffer_.close();
    setstate(std::ios::badbit);
    return written;
}
