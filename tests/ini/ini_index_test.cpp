// The lookup index of IniFile must see exactly what a walk over the file's lines sees, after
// any sequence of writes: new keys into the first, a middle or the last section, new sections,
// names in other letter cases and GBK names whose trail byte is an ASCII letter.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ini/ini_file.h"
#include "ini/profile_lines.h"
#include "wire/codecs.h"

namespace rb::ini {
namespace {

// The value a read sees, found the slow way: the first entry of that name inside any section
// of that name, in file order.
std::string walkedValue(const std::string& bytes, const std::string& section,
                        const std::string& key) {
    bool inSection = false;
    for (const auto& line : detail::splitLines(bytes)) {
        using Kind = detail::ProfileLine::Kind;
        if (line.kind == Kind::kSection) {
            inSection = detail::sameName(line.name, section);
        } else if (inSection && line.kind == Kind::kEntry && detail::sameName(line.name, key)) {
            return line.value;
        }
    }
    return {};
}

TEST(IniIndexTest, LookupsAfterRandomWritesMatchAWalkOverTheLines) {
    // "[B]" comes twice, with a comment and a blank line leading into the next section.
    const std::string start =
        "[A]\r\nk1=a1\r\nK2=a2\r\n; note\r\n\r\n[b]\r\nk1=b1\r\n[C]\r\nx=c\r\n[B]\r\nk1=late\r\n"
        "k3=b3\r\n";
    // Sections and keys (file bytes) in both cases; "\xb0\x61" and "\xb0\x41" are two
    // different GBK characters whose trail bytes are 'a' and 'A'. The class takes UTF-8 names.
    const std::vector<std::string> sections = {"A", "a", "B",        "b",
                                               "C", "D", "\xb0\x61", "\xb0\x41"};
    const std::vector<std::string> keys = {"k1", "K1", "k2",       "k3",
                                           "k4", "x",  "\xb0\x61", "\xb0\x41"};
    for (unsigned seed = 1; seed <= 5; ++seed) {
        std::mt19937 random(seed);
        IniFile file;
        file.parse(start);
        for (int step = 0; step < 400; ++step) {
            const auto& section = sections[random() % sections.size()];
            const auto& key = keys[random() % keys.size()];
            const auto utf8 = [](const std::string& gbk) { return wire::gbkToUtf8(gbk); };
            file.setRaw(utf8(section), utf8(key), std::to_string(step));
            const std::string bytes = file.serialize();
            const auto& askSection = sections[random() % sections.size()];
            const auto& askKey = keys[random() % keys.size()];
            ASSERT_EQ(file.getRaw(utf8(askSection), utf8(askKey)),
                      walkedValue(bytes, askSection, askKey))
                << "seed " << seed << " step " << step << " [" << askSection << "] " << askKey;
            ASSERT_EQ(file.getRaw(utf8(section), utf8(key)), std::to_string(step));
        }
        // Every name, once more, against a fresh parse of what the file would hold.
        IniFile reread;
        reread.parse(file.serialize());
        for (const auto& gbkSection : sections) {
            for (const auto& gbkKey : keys) {
                const auto section = wire::gbkToUtf8(gbkSection), key = wire::gbkToUtf8(gbkKey);
                EXPECT_EQ(file.getRaw(section, key), reread.getRaw(section, key));
                EXPECT_EQ(file.has(section, key), reread.has(section, key));
            }
        }
    }
}

TEST(IniIndexTest, ANewKeyOfAMiddleSectionGoesBehindItsLastEntryAndLaterKeysStillResolve) {
    IniFile file;
    file.parse("[A]\r\nk=1\r\n; lead-in of B\r\n[B]\r\nk=2\r\n");
    for (int i = 0; i < 3; ++i) file.setInt("a", "n" + std::to_string(i), i);
    file.setInt("B", "k", 5);
    EXPECT_EQ(file.serialize(),
              "[A]\r\nk=1\r\nn0=0\r\nn1=1\r\nn2=2\r\n; lead-in of B\r\n[B]\r\nk=5\r\n");
    file.parse("[X]\r\n");  // the index is rebuilt for the new lines
    EXPECT_FALSE(file.has("A", "k"));
    file.setInt("X", "k", 1);
    EXPECT_EQ(file.serialize(), "[X]\r\nk=1\r\n");
}

}  // namespace
}  // namespace rb::ini
