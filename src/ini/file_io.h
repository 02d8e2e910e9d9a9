// Whole-file reading and atomic replacing for profile files.
#pragma once

#include <optional>
#include <string>

namespace rb::ini::detail {

enum class ReadResult { kRead, kMissing, kFailed };

// Reads the whole file into `out`. kMissing when the file or one of its directories does not
// exist; kFailed with a reason in `error` when it exists but cannot be read (a directory, no
// permission, an I/O error).
ReadResult readWholeFile(const std::string& path, std::string& out, std::string& error);

// Replaces the file with `bytes` so that readers see either the old or the whole new file:
// writes a temporary file in the same directory, flushes it to the disk and renames it over
// the target. A symbolic link is written through (the link stays). On failure returns false
// with a reason, the target is untouched and the temporary file is removed.
// A file marked read-only is refused (also for root). Temporary files that killed processes
// left beside the target are removed first.
bool replaceFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

// Why `path` could not be written (replaced or created) now, or nothing: a directory, not a
// regular file, a read-only file, a missing folder, a folder that takes no new file. Asked
// before work whose result goes into the file starts.
std::optional<std::string> whyNotWritable(const std::string& path);

}  // namespace rb::ini::detail
