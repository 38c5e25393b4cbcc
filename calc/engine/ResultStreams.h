#pragma once
// The output streams of the result files. A calculation window keeps one set for the whole
// process: number precision and the show-point flag persist on a stream across runs, which
// shapes how later runs print (the format of the stored files depends on it).
//
// A run opens the main file (the process-data file, appended to) and the result files of its
// kind (truncated). Every write and close is checked (CheckedFile): a file that cannot be
// opened or written fails the run, naming the file and the system's reason. A non-finite value
// is never written: the streams are marked failed instead, and the run ends.
//
// The run reaches the folder only through the virtual operations here, so a trial run (see
// TrialStreams) computes exactly as a normal one while no file is opened, written or deleted.

#include "CheckedFile.h"

#include <array>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

enum class ResultFile;
enum class SampleShape;

class ResultStreams {
public:
    ResultStreams();
    virtual ~ResultStreams() = default;
    ResultStreams(const ResultStreams&) = delete;
    ResultStreams& operator=(const ResultStreams&) = delete;

    // The main file and the result files of the kind.
    virtual void open(const std::string& fileName, SampleShape kind);
    // One more result file for this run, beside those of its kind.
    virtual void openAlso(const std::string& fileName, ResultFile file);
    // False when a file could not be written to its end (problem() says why).
    bool closeAll();
    // The set's result files of an earlier run, before a run starts.
    virtual void removeEarlierResults(const std::string& fileName);

    // ", " then each value right-aligned in `width` characters with `precision` digits.
    void row(std::ostream& out, int width, int precision, std::initializer_list<double> values);
    // Whether every value is finite; asks only.
    static bool finite(std::initializer_list<double> values);
    // The check before values are written: false when one is not finite, and the streams are
    // then marked failed, so that the run ends.
    bool admit(std::initializer_list<double> values);

    // A value was not finite, or a file could not be opened or written.
    bool failed() const;
    // Why, for the user: the first file that failed and the system's reason, or the values.
    std::string problem() const;
    void clearFailure() { failed_ = false; }

    CheckedFile main; // the process-data file: carbon profiles
    CheckedFile pow;  // surface carbon
    CheckedFile twa;  // hardness profiles
    CheckedFile mas;  // mass gain
    CheckedFile gru;  // case depths
    CheckedFile sre;  // mean carbon increase
    CheckedFile aus;  // retained austenite profiles (hardness from the quench)
    CheckedFile wgl;  // cementite profiles (carbides)

private:
    CheckedFile& resultStream(ResultFile file);
    std::array<CheckedFile*, 8> all() { return {&main, &pow, &twa, &mas, &gru, &sre, &aus, &wgl}; }

    std::vector<const CheckedFile*> ofRun_; // the files the run opened

    bool failed_ = false;
};

// Streams of a trial run: never opened, so every row is dropped unformatted, and nothing is
// deleted. The values a row would carry are still judged, so a trial fails where a run would.
class TrialStreams : public ResultStreams {
public:
    void open(const std::string& /*fileName*/, SampleShape /*kind*/) override { clearFailure(); }
    void openAlso(const std::string& /*fileName*/, ResultFile /*file*/) override {}
    void removeEarlierResults(const std::string& /*fileName*/) override {}
};

// Streams that keep each result file's text in memory: a run of a process that has no file.
// The main file holds the carbon profiles only, without the head a file would start with.
class MemoryStreams : public ResultStreams {
public:
    void open(const std::string& /*fileName*/, SampleShape /*kind*/) override;
    void openAlso(const std::string& /*fileName*/, ResultFile /*file*/) override {}
    void removeEarlierResults(const std::string& /*fileName*/) override {}

    // The text the run wrote for `file`; the main file's profiles when empty.
    std::string text(std::optional<ResultFile> file = std::nullopt) const;

private:
    std::stringbuf mainText, powText, twaText, masText, gruText, sreText, ausText, wglText;
};

inline constexpr const char* lineEnd = "\r\n";

// Whether the set has any file of an earlier run (every extension a set may have, but the main
// file): a new run of the set would replace it.
bool hasResultFiles(const std::string& fileName);

// The streams of this process (calculation window).
ResultStreams& processResultStreams();
