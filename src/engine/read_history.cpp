#include "engine/read_history.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "engine/container.h"
#include "ini/file_io.h"
#include "ini/ini_file.h"

namespace rb::engine {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

bool digits(const std::string& s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string stampOf(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &local);
    return buf;
}

std::string cleanCode(const std::string& code) {
    std::string out;
    for (unsigned char c : code) {
        if (std::isalnum(c)) out += char(c);
    }
    return out;
}

// "<stamp>[-<code>][_<n>]" back into its parts; nothing for a name of another form.
std::optional<HistoryEntry> parseName(const std::string& type, const fs::path& path) {
    if (path.extension() != ".ini") return std::nullopt;
    std::string stem = path.stem().string();
    if (stem.size() < kStampLength) return std::nullopt;
    HistoryEntry e;
    e.type = type;
    e.path = path.string();
    e.stamp = stem.substr(0, kStampLength);
    if (!digits(e.stamp.substr(0, 8)) || e.stamp[8] != '-' || !digits(e.stamp.substr(9)))
        return std::nullopt;
    std::string rest = stem.substr(kStampLength);
    if (const auto u = rest.rfind('_'); u != std::string::npos) {
        if (!digits(rest.substr(u + 1)) || rest.size() - u > 6) return std::nullopt;
        e.sequence = std::stoi(rest.substr(u + 1));
        rest.erase(u);
    }
    if (!rest.empty()) {
        if (rest[0] != '-' || rest.size() == 1) return std::nullopt;
        e.code = rest.substr(1);
    }
    return e;
}

bool older(const HistoryEntry& a, const HistoryEntry& b) {
    if (a.stamp != b.stamp) return a.stamp < b.stamp;
    if (a.sequence != b.sequence) return a.sequence < b.sequence;
    return a.path < b.path;
}

}  // namespace

std::string HistoryEntry::when() const {
    std::string out = stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) +
                      " " + stamp.substr(9, 2) + ":" + stamp.substr(11, 2) + ":" +
                      stamp.substr(13, 2);
    if (sequence > 1) out += " #" + std::to_string(sequence);
    return out;
}

ReadHistory::ReadHistory(std::string dataDir, std::size_t limit)
    : root_((fs::path(std::move(dataDir)) / "history").string()), limit_(limit) {}

std::string ReadHistory::folder(const std::string& type) const {
    return (fs::path(root_) / type).string();
}

std::optional<HistoryEntry> ReadHistory::add(const std::string& type, const std::string& bytes,
                                             std::time_t when, const std::string& code,
                                             std::string* error) const {
    std::error_code ec;
    const fs::path dir = folder(type);
    fs::create_directories(dir, ec);
    if (ec) {
        if (error) *error = dir.string() + ": " + ec.message();
        return std::nullopt;
    }
    const std::vector<HistoryEntry> before = list(type);
    HistoryEntry e;
    e.type = type;
    e.stamp = stampOf(when);
    e.code = cleanCode(code);
    for (const auto& old : before) {
        if (old.stamp == e.stamp) e.sequence = std::max(e.sequence, old.sequence + 1);
    }
    std::string name = e.stamp + (e.code.empty() ? "" : "-" + e.code);
    if (e.sequence > 1) name += "_" + std::to_string(e.sequence);
    e.path = (dir / (name + ".ini")).string();
    std::string why;
    if (!ini::detail::replaceFileAtomically(e.path, bytes, why)) {
        if (error) *error = e.path + ": " + why;
        return std::nullopt;
    }
    std::vector<HistoryEntry> all = list(type);
    for (std::size_t i = 0; all.size() > limit_ && i < all.size() - limit_; ++i)
        fs::remove(all[i].path, ec);  // one that stays shows in the list; the read is kept
    return e;
}

std::vector<HistoryEntry> ReadHistory::list(const std::string& type) const {
    std::vector<HistoryEntry> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder(type), ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        if (auto e = parseName(type, it->path())) out.push_back(std::move(*e));
    }
    std::sort(out.begin(), out.end(), older);
    return out;
}

std::vector<std::string> ReadHistory::types() const {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(root_, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec)) out.push_back(it->path().filename().string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::string storedBytes(Container& container) {
    ini::IniFile file;
    for (Page* p : container.filePages()) p->storeFile(file);
    return file.serialize();
}

std::optional<HistoryEntry> recordRead(Container& container, const std::string& type,
                                       std::string* error) {
    const ReadHistory history(container.session().paths.dataDir);
    return history.add(type, storedBytes(container), std::time(nullptr), container.unitCode(),
                       error);
}

}  // namespace rb::engine
