#pragma once
// The in-use list: result sets whose computation is running now, kept in "pliki.lst".
//
// File format: the number of names on the first line, then one name a line (CR LF). Names are
// full paths, held upper-cased, so the comparison ignores letter case. Whole lines are read,
// since paths may contain blanks. Every change is a read, change and rewrite of the whole file,
// done under a lock and finished by an atomic rename, so programs that update the list at the
// same moment lose no entry and a crash never leaves the file half written.

#include <iosfwd>
#include <string>
#include <string_view>
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

enum class ListChange { Add, Remove };

// Read, change, rewrite, under the lock; false when the file could not be written.
bool updateFileTable(const std::string& listPath, ListChange change, std::string_view name);

// Empties the list: the file then holds the single character "0".
bool resetFileTable(const std::string& listPath);
