#pragma once
// Replaces a file as a whole, so that a crash, a full disk or a power cut leaves either the old
// file or the new one, never a half-written one: the content goes to a temporary file beside
// the target (same folder, so the rename stays on one file system), is flushed to the disk, and
// is renamed over the target; the folder is flushed too, so the rename itself survives a power
// cut. A failed replacement removes its temporary file and leaves the target as it was.

#include <optional>
#include <string>
#include <string_view>

class AtomicFile {
public:
    explicit AtomicFile(std::string path);

    // Nothing when the file now holds `content`; otherwise the file's name and the system's
    // reason, for the user.
    std::optional<std::string> replace(std::string_view content) const;

    const std::string& path() const { return path_; }
    // The temporary file a replacement writes before its rename.
    std::string temporaryPath() const;

private:
    std::string path_;
};
