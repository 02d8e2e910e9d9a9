#include "ini/ini_file.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "ini/file_io.h"
#include "ini/profile_lines.h"
#include "wire/codecs.h"

namespace rb::ini {

using detail::ProfileLine;
using Kind = detail::ProfileLine::Kind;

namespace {

bool isAscii(const std::string& s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// Names come from the program as UTF-8 and live in the file as GBK, trimmed like the names
// read from a file.
std::string nameToFile(const std::string& utf8) {
    std::string name(detail::trimBlanks(utf8));
    return isAscii(name) ? name : wire::utf8ToGbk(name);
}

std::string nameFromFile(const std::string& gbk) {
    return isAscii(gbk) ? gbk : wire::gbkToUtf8(gbk);
}

// Names that, written into one line, read back as the same section or key.
bool isWritableSection(const std::string& name) {
    return !name.empty() && name.find_first_of("]\r\n") == std::string::npos;
}

bool isWritableKey(const std::string& name) {
    return !name.empty() && name.front() != '[' && name.front() != ';' &&
           name.find_first_of("=\r\n") == std::string::npos;
}

void setError(std::string* error, std::string text) {
    if (error != nullptr) *error = std::move(text);
}

}  // namespace

struct IniFile::Impl {
    std::vector<ProfileLine> lines;
    bool text = true;  // the bytes parsed last held no control character but tab, CR, LF, FF
    mutable std::vector<Lookup>* lookups = nullptr;

    void noteLookup(const std::string& section, const std::string& key, bool found) const {
        if (lookups) lookups->push_back(Lookup{section, key, found});
    }

    // Where names are, so that a lookup does not walk the whole file: a hop map writes a
    // thousand keys into one section, and a walk per key made that quadratic. Built on the
    // first lookup after the lines were replaced; kept up to date by set(). Names are folded
    // (foldName), so a lookup matches exactly what sameName would.
    struct Index {
        std::unordered_map<std::string, std::size_t> entries;   // section '\n' key -> first entry
        std::unordered_map<std::string, std::size_t> sections;  // section -> first header
        // The insertion point of the section whose header is at `header`, as last computed.
        std::size_t header = SIZE_MAX;
        std::size_t insertAt = 0;
    };
    mutable std::optional<Index> index;
    // A short file is walked: building the index would cost more than the walks it saves.
    static constexpr std::size_t kWalkedLines = 32;
    bool walked() const { return !index && lines.size() <= kWalkedLines; }

    void replaceLines(std::vector<ProfileLine> newLines) {
        lines = std::move(newLines);
        index.reset();
    }

    static std::string entryKey(const std::string& foldedSection, const std::string& key) {
        return foldedSection + '\n' + detail::foldName(key);
    }

    const Index& indexed() const {
        if (!index) {
            Index built;
            std::string section;  // folded name of the section the walk is in
            bool inSection = false;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const auto& line = lines[i];
                if (line.kind == Kind::kSection) {
                    section = detail::foldName(line.name);
                    inSection = true;
                    built.sections.emplace(section, i);  // the first one stays
                } else if (inSection && line.kind == Kind::kEntry) {
                    built.entries.emplace(entryKey(section, line.name), i);
                }
            }
            index = std::move(built);
        }
        return *index;
    }

    // The entry that a read of section/key sees: the first one in file order inside any
    // section of that name. Names are file bytes.
    std::optional<std::size_t> findEntry(const std::string& section, const std::string& key) const {
        if (walked()) {
            bool inSection = false;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const auto& line = lines[i];
                if (line.kind == Kind::kSection) {
                    inSection = detail::sameName(line.name, section);
                } else if (inSection && line.kind == Kind::kEntry &&
                           detail::sameName(line.name, key)) {
                    return i;
                }
            }
            return std::nullopt;
        }
        const auto& entries = indexed().entries;
        const auto it = entries.find(entryKey(detail::foldName(section), key));
        if (it == entries.end()) return std::nullopt;
        return it->second;
    }

    std::optional<std::size_t> findSection(const std::string& section) const {
        if (walked()) {
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (lines[i].kind == Kind::kSection && detail::sameName(lines[i].name, section)) {
                    return i;
                }
            }
            return std::nullopt;
        }
        const auto& sections = indexed().sections;
        const auto it = sections.find(detail::foldName(section));
        if (it == sections.end()) return std::nullopt;
        return it->second;
    }

    // Where a new key of the section starting at `header` goes: after the section's last
    // entry, so blank lines and comments that lead into the next section stay in front of it.
    std::size_t insertionPoint(std::size_t header) const {
        if (index && index->header == header) return index->insertAt;
        std::size_t at = header + 1;
        for (std::size_t i = header + 1; i < lines.size() && lines[i].kind != Kind::kSection; ++i) {
            if (lines[i].kind == Kind::kEntry) at = i + 1;
        }
        return at;
    }

    // Inserts an entry line at `at` and moves every index entry behind it by one line.
    void insertEntry(std::size_t at, const std::string& foldedSection, std::size_t header,
                     const std::string& key, const std::string& value) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                     detail::makeEntryLine(key, value));
        if (!index) return;  // a short file: nothing to keep up to date
        Index& ix = *index;
        if (at + 1 != lines.size()) {
            for (auto& [name, line] : ix.entries) line += line >= at ? 1 : 0;
            for (auto& [name, line] : ix.sections) line += line >= at ? 1 : 0;
        }
        ix.entries.emplace(entryKey(foldedSection, key), at);
        // The new line is now the section's last entry: the next key goes right behind it.
        ix.header = header;
        ix.insertAt = at + 1;
    }

    void set(const std::string& section, const std::string& key, const std::string& value) {
        if (const auto entry = findEntry(section, key)) {
            // Keep the file's own spelling of the key.
            lines[*entry] = detail::makeEntryLine(lines[*entry].name, value);
            return;
        }
        const std::string folded = detail::foldName(section);
        if (const auto header = findSection(section)) {
            insertEntry(insertionPoint(*header), folded, *header, key, value);
            return;
        }
        if (!lines.empty() && !detail::trimBlanks(lines.back().text).empty()) {
            lines.push_back(detail::classifyLine(""));  // a blank line between sections
        }
        lines.push_back(detail::makeSectionLine(section));
        if (index) index->sections.emplace(folded, lines.size() - 1);
        insertEntry(lines.size(), folded, lines.size() - 1, key, value);
    }
};

IniFile::IniFile() : impl_(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

bool IniFile::load(const std::string& path, std::string* error) { return read(path, false, error); }

bool IniFile::loadIfExists(const std::string& path, std::string* error) {
    return read(path, true, error);
}

bool IniFile::read(const std::string& path, bool missingIsEmpty, std::string* error) {
    std::string bytes;
    std::string reason;
    switch (detail::readWholeFile(path, bytes, reason)) {
        case detail::ReadResult::kRead:
            parse(bytes);
            return true;
        case detail::ReadResult::kMissing:
            if (missingIsEmpty) {
                impl_->replaceLines({});
                return true;
            }
            reason = "file not found '" + path + "'";
            break;
        case detail::ReadResult::kFailed:
            break;
    }
    setError(error, reason);
    return false;
}

void IniFile::parse(const std::string& bytes) {
    impl_->text = std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 && b != '\t' && b != '\r' && b != '\n' && b != '\f';
    });
    impl_->replaceLines(detail::splitLines(bytes));
}

bool IniFile::looksLikeText() const { return impl_->text; }

void IniFile::recordLookups(std::vector<Lookup>* sink) const { impl_->lookups = sink; }

bool IniFile::save(const std::string& path, std::string* error) const {
    std::string reason;
    if (detail::replaceFileAtomically(path, serialize(), reason)) return true;
    setError(error, reason);
    return false;
}

std::string IniFile::serialize() const { return detail::joinLines(impl_->lines); }

std::string IniFile::getRaw(const std::string& section, const std::string& key) const {
    const auto entry = impl_->findEntry(nameToFile(section), nameToFile(key));
    impl_->noteLookup(section, key, entry.has_value());
    return entry ? impl_->lines[*entry].value : std::string();
}

void IniFile::setRaw(const std::string& section, const std::string& key, const std::string& value) {
    const std::string fileSection = nameToFile(section);
    const std::string fileKey = nameToFile(key);
    if (!isWritableSection(fileSection) || !isWritableKey(fileKey)) return;
    // "a\r\nb" would read back as "a" anyway; cutting it keeps "b" from becoming a line.
    impl_->set(fileSection, fileKey, value.substr(0, value.find_first_of("\r\n")));
}

bool IniFile::has(const std::string& section, const std::string& key) const {
    const bool found = impl_->findEntry(nameToFile(section), nameToFile(key)).has_value();
    impl_->noteLookup(section, key, found);
    return found;
}

std::string IniFile::getText(const std::string& section, const std::string& key) const {
    const std::string raw = getRaw(section, key);
    return isAscii(raw) ? raw : wire::gbkToUtf8(raw);
}

void IniFile::setText(const std::string& section, const std::string& key, const std::string& utf8) {
    setRaw(section, key, isAscii(utf8) ? utf8 : wire::utf8ToGbk(utf8));
}

int IniFile::getInt(const std::string& section, const std::string& key, int def) const {
    const auto entry = impl_->findEntry(nameToFile(section), nameToFile(key));
    impl_->noteLookup(section, key, entry.has_value());
    return entry ? wire::parseInt(impl_->lines[*entry].value) : def;
}

void IniFile::setInt(const std::string& section, const std::string& key, long long value) {
    setRaw(section, key, std::to_string(value));
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> names;        // file bytes
    std::unordered_set<std::string> seen;  // folded
    for (const auto& line : impl_->lines) {
        if (line.kind != Kind::kSection) continue;
        if (seen.insert(detail::foldName(line.name)).second) names.push_back(line.name);
    }
    for (auto& name : names) name = nameFromFile(name);
    return names;
}

std::vector<std::string> IniFile::keys(const std::string& section) const {
    const std::string fileSection = nameToFile(section);
    std::vector<std::string> names;        // file bytes
    std::unordered_set<std::string> seen;  // folded
    bool inSection = false;
    for (const auto& line : impl_->lines) {
        if (line.kind == Kind::kSection) {
            inSection = detail::sameName(line.name, fileSection);
        } else if (inSection && line.kind == Kind::kEntry) {
            if (seen.insert(detail::foldName(line.name)).second) names.push_back(line.name);
        }
    }
    for (auto& name : names) name = nameFromFile(name);
    return names;
}

}  // namespace rb::ini
