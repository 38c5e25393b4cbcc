#pragma once
// An output file whose every write and whose close are checked.
//
// It is an ordinary std::ostream, so formatted output and stream state (precision, flags) work
// as on any stream, and it may be opened anew, file after file, keeping that state. Unlike
// std::ofstream it keeps why a write failed: the first failure since open() is kept as the
// file's name with the system's reason ("No space left on device"), and the stream goes bad. A
// file that could not be opened takes no output and is failed in the same way; a file that is
// not open drops its output unformatted.

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

class CheckedFile : public std::ostream {
public:
    enum class Mode { Truncate, Append };

    CheckedFile();
    ~CheckedFile() override;
    CheckedFile(const CheckedFile&) = delete;
    CheckedFile& operator=(const CheckedFile&) = delete;

    // Closes the file open now, unchecked, and opens `path`; false (problem() says why) when it
    // cannot be opened.
    bool open(const std::string& path, Mode mode);
    bool is_open() const { return buffer_.isOpen(); }
    // Writes what is buffered and closes; false (problem() says why) when anything written
    // since open() failed. Closing a file that is not open changes nothing.
    bool close();
    // Empty while every write has succeeded.
    const std::string& problem() const { return buffer_.problem(); }

private:
    class Buffer : public std::streambuf {
    public:
        Buffer();
        bool open(const std::string& path, Mode mode);
        bool close();
        bool isOpen() const { return fd_ >= 0; }
        const std::string& problem() const { return problem_; }

    protected:
        int_type overflow(int_type byte) override;
        int sync() override;

    private:
        bool drain();
        void fail(const char* what);

        std::array<char, 1 << 16> space_{};
        int fd_ = -1;
        std::string path_;
        std::string problem_;
    };

    Buffer buffer_;
};
