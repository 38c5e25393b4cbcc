#include "FileTable.h"

#include "AtomicFile.h"
#include "SetNames.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string systemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

// Holds an exclusive lock on "<list>.lock" for its lifetime; the list file itself is replaced
// by rename, so it cannot carry the lock.
class ListLock {
public:
    explicit ListLock(const std::string& listPath) {
        const std::string path = listPath + ".lock";
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            problem_ = systemError("cannot open the lock file", path);
            return;
        }
        while (::flock(fd_, LOCK_EX) != 0)
            if (errno != EINTR) {
                problem_ = systemError("cannot lock", path);
                ::close(std::exchange(fd_, -1));
                return;
            }
    }
    ~ListLock() {
        if (fd_ >= 0)
            ::close(fd_); // drops the lock
    }
    ListLock(const ListLock&) = delete;
    ListLock& operator=(const ListLock&) = delete;

    bool held() const { return fd_ >= 0; }
    const std::string& problem() const { return problem_; }

private:
    int fd_ = -1;
    std::string problem_;
};

// The file whose lock shows that the computation of set `name` runs: named by a hash of the
// name, as a full path does not fit into a file name; every name of the set hashes alike.
std::string runningLockPath(const std::string& listPath, std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char byte : caseFoldedName(name)) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return listPath + ".running/" + hex + ".lock";
}

// True while some process holds the lock of set `name`.
bool computationRuns(const std::string& listPath, std::string_view name) {
    const std::string path = runningLockPath(listPath, name);
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno != ENOENT;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    if (!held)
        ::unlink(path.c_str()); // under the list's lock, so no claimer is opening it now
    ::close(fd);
    return held;
}

std::string trimmedLine(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    return line;
}

} // namespace

bool TFileTable::contains(std::string_view name) const {
    return std::ranges::any_of(
        names_, [name](const std::string& entry) { return sameSetName(entry, name); });
}

bool TFileTable::add(std::string_view name) {
    if (contains(name))
        return false;
    names_.push_back(upperCased(name));
    return true;
}

bool TFileTable::remove(std::string_view name) {
    if (!contains(name))
        return false;
    std::erase_if(names_, [name](const std::string& entry) { return sameSetName(entry, name); });
    return true;
}

void TFileTable::write(std::ostream& out) const {
    out << names_.size() << "\r\n";
    for (const std::string& name : names_)
        out << name << "\r\n";
}

void TFileTable::read(std::istream& in) {
    if (in.peek() == std::char_traits<char>::eof())
        return;
    names_.clear();
    std::string line;
    if (!std::getline(in, line))
        return;
    long count = 0;
    std::istringstream(line) >> count;
    while (count > 0 && std::getline(in, line)) {
        line = trimmedLine(std::move(line));
        if (line.empty())
            continue;
        names_.push_back(std::move(line));
        --count;
    }
}

bool readFileTable(const std::string& listPath, TFileTable& table) {
    std::ifstream in(listPath, std::ios::binary);
    if (!in)
        return false;
    table.read(in);
    return true;
}

namespace {

std::string tableText(const TFileTable& table) {
    std::ostringstream out;
    table.write(out);
    return out.str();
}

} // namespace

std::optional<std::string> removeStaleEntries(const std::string& listPath) {
    const ListLock lock(listPath);
    if (!lock.held())
        return lock.problem();
    TFileTable table;
    readFileTable(listPath, table);
    TFileTable running;
    for (const std::string& name : table.names())
        if (computationRuns(listPath, name))
            running.add(name);
    return AtomicFile(listPath).replace(running.names().empty() ? std::string("0")
                                                                : tableText(running));
}

SetClaim SetClaim::claim(const std::string& listPath, std::string_view name) {
    const ListLock lock(listPath);
    if (!lock.held())
        return SetClaim(Status::Failed, lock.problem());
    TFileTable table;
    readFileTable(listPath, table);
    // An entry whose computation holds no lock any more was left by a run that crashed: the
    // set is free, as the viewer's start would have found it.
    if (table.contains(name) && computationRuns(listPath, name))
        return SetClaim(Status::InUse, {});

    const std::string lockPath = runningLockPath(listPath, name);
    ::mkdir((listPath + ".running").c_str(), 0755);
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return SetClaim(Status::Failed, systemError("cannot open the lock file", lockPath));
    // Held but not listed: a computation whose entry was dropped from the list by hand.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return SetClaim(Status::InUse, {});
    }
    table.add(name);
    if (std::optional<std::string> problem = AtomicFile(listPath).replace(tableText(table))) {
        ::unlink(lockPath.c_str());
        ::close(fd);
        return SetClaim(Status::Failed, std::move(*problem));
    }
    SetClaim claim(Status::Claimed, {});
    claim.listPath_ = listPath;
    claim.name_ = name;
    claim.lockFd_ = fd;
    return claim;
}

SetClaim::SetClaim(SetClaim&& other) noexcept
    : status_(other.status_), problem_(std::move(other.problem_)),
      listPath_(std::move(other.listPath_)), name_(std::move(other.name_)),
      lockFd_(std::exchange(other.lockFd_, -1)) {}

SetClaim& SetClaim::operator=(SetClaim&& other) noexcept {
    if (this != &other) {
        release();
        status_ = other.status_;
        problem_ = std::move(other.problem_);
        listPath_ = std::move(other.listPath_);
        name_ = std::move(other.name_);
        lockFd_ = std::exchange(other.lockFd_, -1);
    }
    return *this;
}

SetClaim::~SetClaim() {
    release();
}

bool SetClaim::release() {
    if (lockFd_ < 0)
        return true;
    bool removed = false;
    {
        const ListLock lock(listPath_);
        if (lock.held()) {
            TFileTable table;
            readFileTable(listPath_, table);
            table.remove(name_);
            const std::optional<std::string> problem =
                AtomicFile(listPath_).replace(tableText(table));
            removed = !problem;
            if (problem)
                problem_ = *problem;
            ::unlink(runningLockPath(listPath_, name_).c_str());
        } else {
            problem_ = lock.problem();
        }
        ::close(std::exchange(lockFd_, -1));
    }
    return removed;
}
