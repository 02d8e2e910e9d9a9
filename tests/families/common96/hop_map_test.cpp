// The hop-map group: text form, generator bounds, "HFMap.ini" sections, load and clear. (The
// frames and their transfer are tested through the LM52R user page.)
#include "families/hopmap/hop_map.h"

#include <gtest/gtest.h>

#include <fstream>

#include "families/hopmap/hop_generator.h"
#include "families/hopmap/hop_map_group.h"
#include "families/lm52r/lm52r_bench.h"
#include "ini/ini_file.h"

using namespace rb;
using namespace rb::families::hopmap;

namespace {

struct GroupBench {
    rb::testing::ScratchDir dir;
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    engine::Session session{timers, prompter, engine::UserPaths::inDirectory(dir.path.string())};
    engine::FormModel form;
    HopMapGroup group{session, form, nullptr};
    GroupBench() { group.declare(); }

    ini::IniFile file() {
        ini::IniFile f;
        f.load(session.paths.hopMapFile);
        return f;
    }
    void generate(int scheme, int lengthIndex, int bandwidth) {
        form.select(kSchemeCombo, scheme);
        form.select(kLengthCombo, lengthIndex);
        form.select(kBandwidthCombo, bandwidth);
        form.click(kGenerateButton);
    }
    void load(const std::string& path) {
        prompter.files.push_back(path);
        form.click(kLoadButton);
    }
};

// Every value in [-A, A-1], every running sum inside (-L, L).
void expectWithinBounds(const std::vector<int>& values, int bandwidth) {
    const HopBounds b = boundsFor(bandwidth);
    int sum = 0;
    for (int v : values) {
        ASSERT_TRUE(v >= -b.step && v <= b.step - 1) << v;
        sum += v;
        ASSERT_TRUE(sum > -b.sum && sum < b.sum) << sum;
    }
}

}  // namespace

TEST(HopMapText, ItemsNeedTheirComma) {
    for (const auto& [text, values] : std::vector<std::pair<std::string, std::vector<int>>>{
             {"5,-3,8", {5, -3}}, {"5,-3,8,", {5, -3, 8}}, {"", {}}, {",,", {0, 0}}}) {
        EXPECT_EQ(splitItems(text), values) << text;
    }
    EXPECT_EQ(joinItems({7, -12, 0, 19}), "7,-12,0,19,");
}

TEST(HopMapGenerator, StaysWithinItsBounds) {
    // -1M~1M: values in -20 ... 19, sums in -39 ... 39; -10M~10M: -40 ... 39 and -399 ... 399.
    for (auto [w, step, sum] : {std::tuple{0, 20, 40}, {1, 20, 80}, {2, 40, 120}, {9, 40, 400}}) {
        SCOPED_TRACE(w);
        EXPECT_EQ(boundsFor(w).step, step);
        EXPECT_EQ(boundsFor(w).sum, sum);
        HopRandom r(std::uint32_t(w + 42));
        expectWithinBounds(generateHopMap(256, w, [&] { return r.next(); }), w);
        // A source that always pushes upwards makes the acceptance rule do the work: the
        // largest step until the sum would reach the bound, then the smallest.
        int k = 0;
        const auto pushed = generateHopMap(256, w, [&] { return k++ % 2 ? 0 : 2 * step - 1; });
        expectWithinBounds(pushed, w);
        EXPECT_EQ(pushed.front(), step - 1);
        // Even a source that never gives an acceptable value ends.
        expectWithinBounds(generateHopMap(64, w, [&] { return 2 * step - 1; }), w);
    }
    // Our own source: 0 ... 32767, whatever the C library's rand() gives.
    HopRandom r(7);
    int lo = HopRandom::kMax, hi = 0;
    for (int i = 0; i < 200000; ++i) {
        const int v = r.next();
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_TRUE(lo >= 0 && lo < 10 && hi <= HopRandom::kMax && hi > HopRandom::kMax - 10);
}

TEST(HopMapGroup, GenerateWritesTheSchemesSectionAndLoadReadsItBack) {
    GroupBench b;
    EXPECT_EQ(b.form.selection(kBandwidthCombo), 2);  // "-3M~3M" when the page opens
    int k = 0;
    b.group.setDraw([&] { return (k += 7919) % 32768; });
    // Another scheme's section and a foreign line stay as they are.
    std::ofstream(b.session.paths.hopMapFile, std::ios::binary)
        << "; kept\r\n[HFType1]\r\nHFLen=32\r\nHF0=5\r\n";

    b.generate(0, 3, 9);
    const auto shown = splitItems(b.form.text(kDataEdit));
    ASSERT_EQ(shown.size(), 256u);
    expectWithinBounds(shown, 9);
    ini::IniFile f = b.file();
    EXPECT_EQ(f.getRaw("HFType0", "HFLen"), "256");
    EXPECT_EQ(f.getInt("HFType0", "HF255"), shown[255]);
    EXPECT_EQ(f.getRaw("HFType1", "HF0"), "5");

    // A shorter map over a longer one: HF64 ... HF255 stay as empty keys, "HFLen" = "64", and
    // loading the section gives exactly those 64 values with length "64".
    b.generate(0, 1, 0);
    const std::string generated = b.form.text(kDataEdit);
    f = b.file();
    EXPECT_EQ(f.getRaw("HFType0", "HFLen"), "64");
    EXPECT_EQ(f.getRaw("HFType0", "HF63"), std::to_string(splitItems(generated)[63]));
    for (int i : {64, 255}) {
        EXPECT_TRUE(f.has("HFType0", "HF" + std::to_string(i)));
        EXPECT_EQ(f.getRaw("HFType0", "HF" + std::to_string(i)), "");
    }
    b.form.select(kLengthCombo, 3);
    b.form.setText(kDataEdit, "");
    b.load(b.session.paths.hopMapFile);
    EXPECT_EQ(b.form.text(kDataEdit), generated);
    EXPECT_EQ(b.form.selection(kLengthCombo), 1);
    const auto& choice = b.prompter.fileChoices.at(0);
    EXPECT_FALSE(choice.save);
    EXPECT_EQ(choice.defaultName, b.session.paths.hopMapFile);
    EXPECT_EQ(choice.filter, "Configuration Files (*.ini)|*.ini||");
    EXPECT_TRUE(b.prompter.boxes.empty());

    b.form.click(kClearButton);
    EXPECT_EQ(b.form.selection(kLengthCombo), 0);
    EXPECT_EQ(b.form.text(kDataEdit), "");
}

TEST(HopMapGroup, LoadTakesEveryValueWhateverTheLength) {
    struct Case {
        std::string file;  // contents, or empty for a missing file
        int scheme;
        int lengthIndex;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"[HFType2]\r\nHFLen=100\r\nHF0=1\r\nHF5=-2\r\nHF7=\r\nHF255=3\r\n", 2, 0, "1,-2,3,"},
        {"[HFType3]\r\nHFLen=128\r\nHF0=-40\r\nHF1=39\r\n", 3, 2, "-40,39,"},
        {"[HFType3]\r\nHFLen=128\r\nHF0=1\r\n", 0, 0, ""},  // another scheme only
        {"", 0, 0, ""},                                     // no file
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        GroupBench b;
        const std::string path = b.dir.file("map.ini");
        if (!c.file.empty()) std::ofstream(path, std::ios::binary) << c.file;
        b.form.select(kSchemeCombo, c.scheme);
        b.form.select(kLengthCombo, 3);
        b.form.setText(kDataEdit, "9,9,");
        b.load(path);
        EXPECT_EQ(b.form.selection(kLengthCombo), c.lengthIndex);
        EXPECT_EQ(b.form.text(kDataEdit), c.text);
        EXPECT_EQ(b.form.selection(kSchemeCombo), c.scheme);
        EXPECT_TRUE(b.prompter.boxes.empty());
    }
    GroupBench cancelled;
    cancelled.form.setText(kDataEdit, "9,9,");
    cancelled.form.click(kLoadButton);  // no file chosen
    EXPECT_EQ(cancelled.form.text(kDataEdit), "9,9,");
}

TEST(HopMapGroup, AFileThatCannotBeWrittenIsReported) {
    GroupBench b;
    // The map file's folder is a plain file: nothing can be written below it.
    const std::string blocker = b.dir.file("not-a-folder");
    std::ofstream(blocker) << "x";
    b.session.paths.hopMapFile = blocker + "/HFMap.ini";
    b.generate(1, 0, 0);
    ASSERT_EQ(b.prompter.boxes.size(), 1u);
    EXPECT_EQ(b.prompter.boxes[0].text.rfind("跳频图文件保存失败!", 0), 0u);
    EXPECT_EQ(b.prompter.boxes[0].caption, "提示");
    EXPECT_EQ(splitItems(b.form.text(kDataEdit)).size(), 32u);  // still shown, can be sent
}
