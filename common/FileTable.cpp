#include "FileTable.h"

#include "SetNames.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Holds an exclusive lock on "<list>.lock" for its lifetime; the list file itself is replaced
// by rename, so it cannot carry the lock.
class ListLock {
public:
    explicit ListLock(const std::string& listPath)
        : fd_(::open((listPath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
        if (fd_ >= 0)
            ::flock(fd_, LOCK_EX);
    }
    ~ListLock() {
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_UN);
            ::close(fd_);
        }
    }
    ListLock(const ListLock&) = delete;
    ListLock& operator=(const ListLock&) = delete;

private:
    int fd_;
};

// Writes `content` beside `path` and renames it over `path`.
bool replaceFile(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << content;
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::string trimmedLine(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    return line;
}

} // namespace

bool TFileTable::contains(std::string_view name) const {
    const std::string upper = upperCased(name);
    return std::find(names_.begin(), names_.end(), upper) != names_.end();
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
    std::erase(names_, upperCased(name));
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

bool updateFileTable(const std::string& listPath, ListChange change, std::string_view name) {
    ListLock lock(listPath);
    TFileTable table;
    readFileTable(listPath, table);
    switch (change) {
    case ListChange::Add:
        table.add(name);
        break;
    case ListChange::Remove:
        table.remove(name);
        break;
    }
    std::ostringstream out;
    table.write(out);
    return replaceFile(listPath, out.str());
}

bool resetFileTable(const std::string& listPath) {
    ListLock lock(listPath);
    return replaceFile(listPath, "0");
}
