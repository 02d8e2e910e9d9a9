// Profile files with the semantics of the classic profile API, so that files written here load
// in every other installation and the other way round:
//  - sections and keys match case-insensitively; keys are kept verbatim ("PTT Hold", Chinese);
//  - a missing key reads as empty text;
//  - writing a key replaces its value in place and keeps every other section, key, comment and
//    blank line; a new key goes at the end of its section, a new section at the end of the file;
//  - values are raw bytes (text values are GBK, numbers decimal text), read back trimmed of
//    surrounding blanks;
//  - lines are written "key=value" with CRLF line ends; the first of duplicate keys wins.
// Saving writes a temporary file beside the target and renames it over the target, so a crash
// or a full disk never leaves a half-written file; a failed save is reported.
//
// Section and key names are given as they appear in the source (UTF-8) and live in the file as
// GBK, so "身份码" matches the GBK bytes that other installations wrote. Names are trimmed of
// surrounding blanks, like the names read from a file.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace rb::ini {

// No configuration, hop map or store of ours comes near this size; a larger file is refused
// before it is read ("not a configuration file: N bytes") instead of being held in memory.
inline constexpr long long kMaxFileBytes = 4LL * 1024 * 1024;

class IniFile {
public:
    IniFile();
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    // Loads a file, replacing what this object held. A missing file is not an error for
    // `loadIfExists` (the file starts empty). Returns false with a reason when the file exists
    // but cannot be read; the object is then left as it was.
    bool load(const std::string& path, std::string* error = nullptr);
    bool loadIfExists(const std::string& path, std::string* error = nullptr);
    // Parses text held in memory (raw bytes, LF or CRLF line ends), replacing what was held.
    void parse(const std::string& bytes);
    // Writes the whole file atomically (temp file + rename). False with a reason on failure;
    // the file on disk is then untouched and no temporary file is left behind.
    bool save(const std::string& path, std::string* error = nullptr) const;
    // The bytes `save` would write.
    std::string serialize() const;

    // Raw byte values (as stored in the file, trimmed of surrounding blanks).
    std::string getRaw(const std::string& section, const std::string& key) const;
    // A value is one line: it is cut at its first line break so that it cannot add lines to
    // the file. Names that would not read back as the same name (empty, a line break, '=' in
    // a key or a key starting with '[' or ';', ']' in a section) are not written: such a call
    // changes nothing.
    void setRaw(const std::string& section, const std::string& key, const std::string& value);
    bool has(const std::string& section, const std::string& key) const;

    // Text values: UTF-8 in the program, GBK in the file.
    std::string getText(const std::string& section, const std::string& key) const;
    void setText(const std::string& section, const std::string& key, const std::string& utf8);
    // Numbers: decimal text. A missing key reads as `def`; a present one as the pages' usual
    // number parse (leading blanks, sign, leading digits; 0 when there are none).
    int getInt(const std::string& section, const std::string& key, int def = 0) const;
    void setInt(const std::string& section, const std::string& key, long long value);

    // Whether the bytes last loaded or parsed look like text: no NUL byte and no other control
    // character than tab, line ends and form feed. A file of random bytes, an image or an
    // archive is no configuration file.
    bool looksLikeText() const;

    // Every lookup from now on (getRaw, getText, getInt, has) is noted in `sink`, with whether
    // the key was there; null stops it. What a page asks of a file tells whether the file was
    // meant for it.
    struct Lookup {
        std::string section;  // UTF-8, as asked
        std::string key;
        bool found = false;
    };
    void recordLookups(std::vector<Lookup>* sink) const;

    // Names in file order, each once (the first spelling), as UTF-8.
    std::vector<std::string> sections() const;
    std::vector<std::string> keys(const std::string& section) const;

private:
    // Loads a file; a missing one reads as empty when `missingIsEmpty`, else fails.
    bool read(const std::string& path, bool missingIsEmpty, std::string* error);
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace rb::ini
