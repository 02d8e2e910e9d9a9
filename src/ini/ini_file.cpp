#include "ini/ini_file.h"

#include <optional>

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

    // The entry that a read of section/key sees: the first one in file order inside any
    // section of that name. Names are file bytes.
    std::optional<std::size_t> findEntry(const std::string& section, const std::string& key) const {
        bool inSection = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto& line = lines[i];
            if (line.kind == Kind::kSection) {
                inSection = detail::sameName(line.name, section);
            } else if (inSection && line.kind == Kind::kEntry && detail::sameName(line.name, key)) {
                return i;
            }
        }
        return std::nullopt;
    }

    std::optional<std::size_t> findSection(const std::string& section) const {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].kind == Kind::kSection && detail::sameName(lines[i].name, section)) {
                return i;
            }
        }
        return std::nullopt;
    }

    // Where a new key of the section starting at `header` goes: after the section's last
    // entry, so blank lines and comments that lead into the next section stay in front of it.
    std::size_t insertionPoint(std::size_t header) const {
        std::size_t at = header + 1;
        for (std::size_t i = header + 1; i < lines.size() && lines[i].kind != Kind::kSection; ++i) {
            if (lines[i].kind == Kind::kEntry) at = i + 1;
        }
        return at;
    }

    void set(const std::string& section, const std::string& key, const std::string& value) {
        if (const auto entry = findEntry(section, key)) {
            // Keep the file's own spelling of the key.
            lines[*entry] = detail::makeEntryLine(lines[*entry].name, value);
            return;
        }
        if (const auto header = findSection(section)) {
            const auto at = insertionPoint(*header);
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                         detail::makeEntryLine(key, value));
            return;
        }
        if (!lines.empty() && !detail::trimBlanks(lines.back().text).empty()) {
            lines.push_back(detail::classifyLine(""));  // a blank line between sections
        }
        lines.push_back(detail::makeSectionLine(section));
        lines.push_back(detail::makeEntryLine(key, value));
    }
};

IniFile::IniFile() : impl_(std::make_unique<Impl>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

bool IniFile::load(const std::string& path, std::string* error) {
    return read(path, false, error);
}

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
                impl_->lines.clear();
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

void IniFile::parse(const std::string& bytes) { impl_->lines = detail::splitLines(bytes); }

bool IniFile::save(const std::string& path, std::string* error) const {
    std::string reason;
    if (detail::replaceFileAtomically(path, serialize(), reason)) return true;
    setError(error, reason);
    return false;
}

std::string IniFile::serialize() const { return detail::joinLines(impl_->lines); }

std::string IniFile::getRaw(const std::string& section, const std::string& key) const {
    const auto entry = impl_->findEntry(nameToFile(section), nameToFile(key));
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
    return impl_->findEntry(nameToFile(section), nameToFile(key)).has_value();
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
    return entry ? wire::parseInt(impl_->lines[*entry].value) : def;
}

void IniFile::setInt(const std::string& section, const std::string& key, long long value) {
    setRaw(section, key, std::to_string(value));
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> names;  // file bytes
    for (const auto& line : impl_->lines) {
        if (line.kind != Kind::kSection) continue;
        bool seen = false;
        for (const auto& name : names) seen = seen || detail::sameName(name, line.name);
        if (!seen) names.push_back(line.name);
    }
    for (auto& name : names) name = nameFromFile(name);
    return names;
}

std::vector<std::string> IniFile::keys(const std::string& section) const {
    const std::string fileSection = nameToFile(section);
    std::vector<std::string> names;  // file bytes
    bool inSection = false;
    for (const auto& line : impl_->lines) {
        if (line.kind == Kind::kSection) {
            inSection = detail::sameName(line.name, fileSection);
        } else if (inSection && line.kind == Kind::kEntry) {
            bool seen = false;
            for (const auto& name : names) seen = seen || detail::sameName(name, line.name);
            if (!seen) names.push_back(line.name);
        }
    }
    for (auto& name : names) name = nameFromFile(name);
    return names;
}

}  // namespace rb::ini
