// The records as text: an aligned table for people, CSV (RFC 4180, the values JSON in one
// quoted field) and one JSON array for programs, and the one-line-per-unit summary.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "units/unit_store.h"

namespace rb::units {

enum class Format { Table, Csv, Json };

// "2026-12-09 18:43:25.120", local time.
std::string localTimeText(std::int64_t ms);
// "YYYY-MM-DD" (local midnight) or "YYYY-MM-DDTHH:MM:SS" (local time) as ms since the epoch.
std::optional<std::int64_t> parseLocalTime(const std::string& text);

// What a technician reads for a kind word ("calibration" -> "基本参数"); the word itself when
// it has no name.
std::string kindName(const std::string& kind);

// Columns as a terminal shows them: a Chinese character takes two.
std::size_t displayWidth(const std::string& text);

void writeRecords(std::ostream& out, const std::vector<UnitRecord>& records, Format format);

// The records `filter` gives from the store, streamed row by row: CSV and JSON in constant
// memory, a table in two walks (widths, then lines) keeping one record a unit. False with the
// reason on a database error.
bool exportRecords(std::ostream& out, UnitStore& store, const RecordFilter& filter, Format format,
                   std::string* error);

// The summaries UnitStore::summaries gives, one a unit.
void writeSummary(std::ostream& out, const std::vector<UnitSummary>& units, Format format);

// Rows of cells, each column as wide as its widest cell; the last column is not padded.
void writeAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows);
// Widens `widths` to hold each cell of `row` (display width: a Chinese character counts two).
void widenColumns(std::vector<std::size_t>& widths, const std::vector<std::string>& row);
// One row padded to `widths` (the last cell not), without trailing blanks.
std::string alignedLine(const std::vector<std::string>& row,
                        const std::vector<std::size_t>& widths);
// The same over `count` rows made one at a time by `rowAt` (twice each: widths, then lines).
void writeAligned(std::ostream& out, std::size_t count,
                  const std::function<std::vector<std::string>(std::size_t)>& rowAt);

// One CSV field: quoted when it holds a comma, a quote or a line break (or always).
std::string csvField(const std::string& text, bool quote = false);

}  // namespace rb::units
