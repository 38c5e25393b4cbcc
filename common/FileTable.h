#pragma once
// The in-use list: result sets whose computation is running now, kept in "pliki.lst".
//
// File format: the number of names on the first line, then one name a line (CR LF). Names are
// full paths, held upper-cased (ASCII letters) and compared by sameSetName (SetNames.h), which
// ignores letter case. Whole lines are read,
// since paths may contain blanks. Every change is a read, change and rewrite of the whole file,
// done under a lock ("<list>.lock") and finished by an atomic rename, so programs that update
// the list at the same moment lose no entry and a crash never leaves the file half written. A
// lock that cannot be taken fails the change: the list is never rewritten unlocked.
//
// A computation shows that it is alive by holding a lock on a file of its set's own in the
// folder "<list>.running" beside the list; the lock dies with its process, so an entry whose
// file nobody holds is left over from a computation that crashed.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TFileTable {
public:
    bool contains(std::string_view name) const;
    // False, and no change, when the name is listed already.
    bool add(std::string_view name);
    // Removes every entry equal to the name; false when there is none.
    bool remove(std::string_view name);

    void write(std::ostream& out) const;
    // Replaces the table with the list in `in`; a stream already at its end changes nothing.
    void read(std::istream& in);

    const std::vector<std::string>& names() const { return names_; }

private:
    std::vector<std::string> names_;
};

// Reads the list file; false (and the table unchanged) when it cannot be opened.
bool readFileTable(const std::string& listPath, TFileTable& table);

// Drops the entries whose computation no longer runs; a list left empty is the single
// character "0". The problem, for the user, when the list could not be updated.
std::optional<std::string> removeStaleEntries(const std::string& listPath);

// A result set claimed for one computation: its name is in the list and its lock is held for
// as long as the claim lasts. Releasing it, or destroying it, takes the name off the list.
class SetClaim {
public:
    enum class Status {
        Claimed,
        InUse,  // listed already, or being computed: the claimer must not touch the set
        Failed, // the list could not be read, locked or written; problem() says why
    };

    // One step under the list's lock: lists `name` only when no computation has it. An entry
    // whose computation no longer holds its lock (a run that crashed) does not keep it.
    static SetClaim claim(const std::string& listPath, std::string_view name);

    SetClaim(SetClaim&& other) noexcept;
    SetClaim& operator=(SetClaim&& other) noexcept;
    SetClaim(const SetClaim&) = delete;
    SetClaim& operator=(const SetClaim&) = delete;
    ~SetClaim();

    Status status() const { return status_; }
    bool claimed() const { return status_ == Status::Claimed && lockFd_ >= 0; }
    const std::string& problem() const { return problem_; }

    // Takes the name off the list; false (problem() says why) when the list could not be
    // updated. The set's lock goes in any case, so the next viewer start drops the entry.
    bool release();

private:
    SetClaim(Status status, std::string problem) : status_(status), problem_(std::move(problem)) {}

    Status status_;
    std::string problem_;
    std::string listPath_;
    std::string name_;
    int lockFd_ = -1;
};
