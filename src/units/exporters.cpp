#include "units/exporters.h"

#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <ostream>

#include "units/json_text.h"
#include "units/readable.h"
#include "wire/text_format.h"

namespace rb::units {

namespace {

// Decodes one UTF-8 sequence at `i`; a stray byte counts as one column.
char32_t nextCodePoint(const std::string& s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
    ++i;
    for (; extra > 0 && i < s.size(); --extra, ++i) {
        cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    }
    return cp;
}

bool wide(char32_t cp) {
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
           (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
           (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || cp >= 0x20000;
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t w = displayWidth(text);
    return w >= width ? text : text + std::string(width - w, ' ');
}

// A values text that is not JSON (a hand-edited file) is carried as a JSON string.
std::string valuesJson(const std::string& values) {
    if (values.empty()) return "null";
    const char c = values.front();
    return c == '{' || c == '[' ? values : jsonString(values);
}

}  // namespace

void widenColumns(std::vector<std::size_t>& widths, const std::vector<std::string>& row) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t c = 0; c < row.size(); ++c)
        widths[c] = std::max(widths[c], displayWidth(row[c]));
}

std::string alignedLine(const std::vector<std::string>& row,
                        const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c)
        line += c + 1 < row.size() ? padded(row[c], widths[c]) + "  " : row[c];
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

void writeAligned(std::ostream& out, std::size_t count,
                  const std::function<std::vector<std::string>(std::size_t)>& rowAt) {
    // Two passes, one row in memory at a time: the widths first, then the lines.
    std::vector<std::size_t> widths;
    for (std::size_t i = 0; i < count; ++i) widenColumns(widths, rowAt(i));
    for (std::size_t i = 0; i < count; ++i) out << alignedLine(rowAt(i), widths) << '\n';
}

void writeAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    writeAligned(out, rows.size(), [&rows](std::size_t i) { return rows[i]; });
}

std::string localTimeText(std::int64_t ms) { return wire::localTimeWithMillis(ms); }

std::optional<std::int64_t> parseLocalTime(const std::string& text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char tail = 0;
    if (text.size() == 10) {
        if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &mo, &d, &tail) != 3) return {};
    } else if (text.size() == 19) {
        if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s,
                        &tail) != 6)
            return {};
    } else {
        return {};
    }
    for (std::size_t i : {4u, 7u})
        if (text[i] != '-') return {};
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59 || h < 0 || mi < 0 ||
        s < 0)
        return {};
    std::tm local{};
    local.tm_year = y - 1900;
    local.tm_mon = mo - 1;
    local.tm_mday = d;
    local.tm_hour = h;
    local.tm_min = mi;
    local.tm_sec = s;
    local.tm_isdst = -1;  // whatever daylight saving the date has
    const std::time_t t = std::mktime(&local);
    if (t == std::time_t(-1) || local.tm_mday != d) return {};  // 2026-02-30 is no date
    return std::int64_t(t) * 1000;
}

std::string kindName(const std::string& kind) {
    static const std::map<std::string, std::string> names = {
        {"machine_code", "机器码"},     {"calibration", "基本参数"},
        {"band_table", "频段表"},       {"monitor", "监测参数"},
        {"transmitter", "电台发射"},    {"model", "电台模式"},
        {"field_strength", "场强档位"}, {"standing_wave", "驻波基准"},
        {"data_test", "数传测试"},      {"failure", "失败"},
    };
    const auto it = names.find(kind);
    return it == names.end() ? kind : it->second;
}

std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) width += wide(nextCodePoint(text, i)) ? 2 : 1;
    return width;
}

std::string csvField(const std::string& text, bool quote) {
    if (!quote && text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

namespace {

// CSV (RFC 4180: CRLF line ends, a header line) and JSON (an array, one record a line), a row
// at a time, so that a listing streams.
void writeHead(std::ostream& out, Format format) {
    if (format == Format::Csv)
        out << "id,time,time_ms,machine_code,machine_type,kind,values,outcome\r\n";
    else
        out << '[';
}

void writeRow(std::ostream& out, const UnitRecord& r, Format format, std::size_t index) {
    if (format == Format::Csv) {
        out << r.id << ',' << csvField(localTimeText(r.timeMs)) << ',' << r.timeMs << ','
            << csvField(r.machineCode) << ',' << csvField(r.machineType) << ',' << csvField(r.kind)
            << ',' << csvField(r.values, true) << ',' << csvField(r.outcome) << "\r\n";
        return;
    }
    out << (index ? ",\n" : "\n")
        << JsonObject()
               .add("id", r.id)
               .add("time_ms", r.timeMs)
               .add("time", localTimeText(r.timeMs))
               .add("machine_code", r.machineCode)
               .add("machine_type", r.machineType)
               .add("kind", r.kind)
               .addRaw("values", valuesJson(r.values))
               .add("outcome", r.outcome)
               .str();
}

std::vector<std::string> tableHead() { return {"编号", "时间", "机器码", "项目", "结果", "内容"}; }

// Worded as the records window shows them; `before` is the unit's record before this one.
std::vector<std::string> tableRow(const UnitRecord& r, const UnitRecord* before) {
    return {std::to_string(r.id), localTimeText(r.timeMs), codeText(r.machineCode),
            kindName(r.kind),     outcomeText(r),          valuesText(r, before)};
}

// One walk through the records of `filter` as table rows, each worded against its unit's
// record before (kept per unit, not per record).
bool eachTableRow(UnitStore& store, const RecordFilter& filter,
                  const std::function<void(const std::vector<std::string>&)>& each,
                  std::string* error) {
    std::map<std::string, UnitRecord> last;
    return store.eachRecord(
        filter,
        [&](const UnitRecord& r) {
            const auto it = last.find(r.machineCode);
            each(tableRow(r, it == last.end() ? nullptr : &it->second));
            last[r.machineCode] = r;
            return true;
        },
        error);
}

void writeTail(std::ostream& out, Format format, std::size_t rows) {
    if (format == Format::Json) out << (rows == 0 ? "]\n" : "\n]\n");
}

}  // namespace

void writeRecords(std::ostream& out, const std::vector<UnitRecord>& records, Format format) {
    switch (format) {
        case Format::Table: {
            // Worded as the records window shows them.
            std::vector<std::vector<std::string>> rows = {tableHead()};
            const auto before = predecessors(records, false);
            for (std::size_t i = 0; i < records.size(); ++i) {
                const UnitRecord* prev =
                    before[i] >= 0 ? &records[std::size_t(before[i])] : nullptr;
                rows.push_back(tableRow(records[i], prev));
            }
            writeAligned(out, rows);
            break;
        }
        case Format::Csv:
        case Format::Json:
            writeHead(out, format);
            for (std::size_t i = 0; i < records.size(); ++i) writeRow(out, records[i], format, i);
            writeTail(out, format, records.size());
            break;
    }
}

bool exportRecords(std::ostream& out, UnitStore& store, const RecordFilter& filter, Format format,
                   std::string* error) {
    if (format == Format::Table) {
        // The columns are as wide as their widest cell: one walk measures, a second prints.
        std::vector<std::size_t> widths;
        auto measure = [&widths](const std::vector<std::string>& row) {
            widenColumns(widths, row);
        };
        measure(tableHead());
        if (!eachTableRow(store, filter, measure, error)) return false;
        auto print = [&out, &widths](const std::vector<std::string>& row) {
            out << alignedLine(row, widths) << '\n';
        };
        print(tableHead());
        return eachTableRow(store, filter, print, error);
    }
    writeHead(out, format);
    std::size_t n = 0;
    const bool ok = store.eachRecord(
        filter,
        [&](const UnitRecord& r) {
            writeRow(out, r, format, n++);
            return bool(out);
        },
        error);
    if (ok) writeTail(out, format, n);
    return ok;
}

void writeSummary(std::ostream& out, const std::vector<UnitSummary>& units, Format format) {
    switch (format) {
        case Format::Table:
            // A row's cells are made when it is measured or printed: a hundred thousand units
            // never sit in memory as text.
            writeAligned(out, units.size() + 1, [&units](std::size_t i) {
                if (i == 0)
                    return std::vector<std::string>{"machine_code", "first",    "last",
                                                    "records",      "failures", "last_outcome",
                                                    "type"};
                const UnitSummary& u = units[i - 1];
                return std::vector<std::string>{u.machineCode,
                                                localTimeText(u.firstMs),
                                                localTimeText(u.lastMs),
                                                std::to_string(u.records),
                                                std::to_string(u.failures),
                                                u.lastOutcome,
                                                u.machineType};
            });
            break;
        case Format::Csv:
            out << "machine_code,machine_type,first,last,records,failures,last_outcome\r\n";
            for (const auto& u : units) {
                out << csvField(u.machineCode) << ',' << csvField(u.machineType) << ','
                    << csvField(localTimeText(u.firstMs)) << ','
                    << csvField(localTimeText(u.lastMs)) << ',' << u.records << ',' << u.failures
                    << ',' << csvField(u.lastOutcome) << "\r\n";
            }
            break;
        case Format::Json:
            out << '[';
            for (std::size_t i = 0; i < units.size(); ++i) {
                const auto& u = units[i];
                out << (i ? ",\n" : "\n")
                    << JsonObject()
                           .add("machine_code", u.machineCode)
                           .add("machine_type", u.machineType)
                           .add("first_ms", u.firstMs)
                           .add("last_ms", u.lastMs)
                           .add("records", u.records)
                           .add("failures", u.failures)
                           .add("last_outcome", u.lastOutcome)
                           .str();
            }
            out << (units.empty() ? "]\n" : "\n]\n");
            break;
    }
}

}  // namespace rb::units
