// The hop-map group: text form, generator bounds, "HFMap.ini" sections, load and clear, and the
// frames' value encoding.
#include "families/hopmap/hop_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/form_model.h"
#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/hopmap/hop_frames.h"
#include "families/hopmap/hop_generator.h"
#include "families/hopmap/hop_map_file.h"
#include "families/hopmap/hop_map_group.h"
#include "ini/ini_file.h"
#include "lm52r_page_bench.h"

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
};

void expectWithinBounds(const std::vector<int>& values, int bandwidth) {
    const HopBounds b = boundsFor(bandwidth);
    int sum = 0;
    for (int v : values) {
        ASSERT_GE(v, -b.step);
        ASSERT_LE(v, b.step - 1);
        sum += v;
        ASSERT_GT(sum, -b.sum);
        ASSERT_LT(sum, b.sum);
    }
}

}  // namespace

TEST(HopMapText, ItemsNeedTheirComma) {
    struct Case {
        const char* text;
        std::vector<int> values;
    };
    const std::vector<Case> cases = {
        {"5,-3,8", {5, -3}}, {"5,-3,8,", {5, -3, 8}}, {"7,-12,0,19,", {7, -12, 0, 19}}, {"", {}},
        {"12", {}},          {",,", {0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitItems(c.text), c.values) << c.text;
    EXPECT_EQ(joinItems({7, -12, 0, 19}), "7,-12,0,19,");
    for (auto [length, index] : {std::pair{64, 1}, {128, 2}, {256, 3}, {100, 0}, {32, 0}}) {
        EXPECT_EQ(indexOfLength(length), index) << length;
    }
    std::string many;
    for (int i = 0; i < 300; ++i) many += "1,";
    EXPECT_EQ(splitItems(many).size(), 300u);
}

TEST(HopMapFrames, SignAndMagnitudeBytes) {
    const wire::Bytes chunk = hopChunkRequest(1, 2, 64, std::vector<int>{-12, 12, 0, 127, -127});
    EXPECT_EQ(chunk, wire::frame96(
                         0x38, {0x00, 0x01, 0x01, 0x02, 0x00, 0x40, 0x8C, 0x0C, 0x00, 0x7F, 0xFF}));
    EXPECT_EQ(hopReadRequest(3), wire::frame96(0x3A, {0x00, 0x01, 0x03}));

    const wire::Bytes answer =
        wire::frame96(0x3B, {0x00, 0x01, 0x02, 0x00, 0x01, 0x00, 0x8C, 0x0C});
    const HopAnswer a = decodeHopAnswer(wire::FrameView(answer));
    EXPECT_EQ(a.scheme, 2);
    EXPECT_EQ(a.length, 256);
    EXPECT_EQ(a.items, "-12,12,");
    // A length byte that promises fewer than zero values gives none.
    const wire::Bytes shortAnswer = wire::frame96(0x3B, {0x00, 0x01, 0x02});
    EXPECT_EQ(decodeHopAnswer(wire::FrameView(shortAnswer)).count, 0u);
}

TEST(HopMapGenerator, StaysWithinItsBounds) {
    EXPECT_EQ(boundsFor(0).step, 20);
    EXPECT_EQ(boundsFor(1).step, 20);
    EXPECT_EQ(boundsFor(2).step, 40);
    EXPECT_EQ(boundsFor(0).sum, 40);
    EXPECT_EQ(boundsFor(9).sum, 400);
    for (int bandwidth : {0, 1, 2, 5, 9}) {
        for (std::uint32_t seed : {1u, 42u, 20240611u}) {
            SCOPED_TRACE(std::to_string(bandwidth) + " seed " + std::to_string(seed));
            HopRandom r(seed);
            const auto values = generateHopMap(256, bandwidth, [&] { return r.next(); });
            ASSERT_EQ(values.size(), 256u);
            expectWithinBounds(values, bandwidth);
        }
        // A source that always pushes upwards makes the acceptance rule do the work: the
        // largest step is taken until the sum would reach the bound, then the smallest.
        const int a = boundsFor(bandwidth).step;
        int k = 0;
        const auto pushed = generateHopMap(256, bandwidth, [&] { return k++ % 2 ? 0 : 2 * a - 1; });
        expectWithinBounds(pushed, bandwidth);
        EXPECT_EQ(pushed.front(), a - 1);
        // Even a source that never gives an acceptable value ends.
        const auto stuck = generateHopMap(64, bandwidth, [&] { return 2 * a - 1; });
        expectWithinBounds(stuck, bandwidth);
    }
}

TEST(HopMapGenerator, OwnSourceCoversZeroTo32767) {
    HopRandom r(7);
    int lo = HopRandom::kMax, hi = 0;
    for (int i = 0; i < 200000; ++i) {
        const int v = r.next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, HopRandom::kMax);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_LT(lo, 10);
    EXPECT_GT(hi, HopRandom::kMax - 10);
    HopRandom a(99), b(99);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(a.next(), b.next());
}

TEST(HopMapGroup, OpensWithItsDefaultsAndClears) {
    GroupBench b;
    EXPECT_EQ(b.form.selection(kSchemeCombo), 0);
    EXPECT_EQ(b.form.selection(kLengthCombo), 0);
    EXPECT_EQ(b.form.selection(kBandwidthCombo), 2);
    EXPECT_EQ(b.form.items(kBandwidthCombo).back(), "-10M~10M");
    b.form.select(kLengthCombo, 3);
    b.form.setText(kDataEdit, "1,2,");
    b.form.click(kClearButton);
    EXPECT_EQ(b.form.selection(kLengthCombo), 0);
    EXPECT_EQ(b.form.text(kDataEdit), "");
}

TEST(HopMapGroup, GenerateWritesTheSchemesSectionAndShowsTheMap) {
    GroupBench b;
    int k = 0;
    b.group.setDraw([&] { return (k += 7919) % 32768; });

    // Another scheme's section and a foreign line stay as they are.
    {
        std::ofstream out(b.session.paths.hopMapFile, std::ios::binary);
        out << "; kept\r\n[HFType1]\r\nHFLen=32\r\nHF0=5\r\n";
    }
    b.generate(0, 3, 9);
    const auto shown = splitItems(b.form.text(kDataEdit));
    ASSERT_EQ(shown.size(), 256u);
    expectWithinBounds(shown, 9);
    ini::IniFile f = b.file();
    EXPECT_EQ(f.getRaw("HFType0", "HFLen"), "256");
    EXPECT_EQ(f.getInt("HFType0", "HF255"), shown[255]);
    EXPECT_EQ(f.getRaw("HFType1", "HF0"), "5");

    // A shorter map over a longer one: HF64 ... HF255 stay as empty keys.
    b.generate(0, 1, 0);
    f = b.file();
    EXPECT_EQ(f.getRaw("HFType0", "HFLen"), "64");
    EXPECT_EQ(f.getRaw("HFType0", "HF63"), std::to_string(splitItems(b.form.text(kDataEdit))[63]));
    for (int i : {64, 200, 255}) {
        EXPECT_TRUE(f.has("HFType0", "HF" + std::to_string(i)));
        EXPECT_EQ(f.getRaw("HFType0", "HF" + std::to_string(i)), "");
    }
    EXPECT_TRUE(b.prompter.boxes.empty());

    // Loading that section gives exactly the 64 values and length "64".
    const std::string generated = b.form.text(kDataEdit);
    b.form.setText(kDataEdit, "");
    b.prompter.files.push_back(b.session.paths.hopMapFile);
    b.form.click(kLoadButton);
    EXPECT_EQ(b.form.text(kDataEdit), generated);
    EXPECT_EQ(b.form.selection(kLengthCombo), 1);
    ASSERT_EQ(b.prompter.fileChoices.size(), 1u);
    EXPECT_FALSE(b.prompter.fileChoices[0].save);
    EXPECT_EQ(b.prompter.fileChoices[0].defaultName, b.session.paths.hopMapFile);
    EXPECT_EQ(b.prompter.fileChoices[0].filter, "Configuration Files (*.ini)|*.ini||");
}

TEST(HopMapGroup, LoadTakesEveryValueWhateverTheLength) {
    struct Case {
        const char* name;
        std::string file;  // contents, or empty for a missing file
        int scheme;
        int lengthIndex;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"HFLen 100", "[HFType2]\r\nHFLen=100\r\nHF0=1\r\nHF5=-2\r\nHF7=\r\nHF255=3\r\n", 2, 0,
         "1,-2,3,"},
        {"HFLen 128", "[HFType3]\r\nHFLen=128\r\nHF0=-40\r\nHF1=39\r\n", 3, 2, "-40,39,"},
        {"other scheme only", "[HFType3]\r\nHFLen=128\r\nHF0=1\r\n", 0, 0, ""},
        {"missing file", "", 0, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GroupBench b;
        const std::string path = b.dir.file("map.ini");
        if (!c.file.empty()) std::ofstream(path, std::ios::binary) << c.file;
        b.form.select(kSchemeCombo, c.scheme);
        b.form.select(kLengthCombo, 3);
        b.form.setText(kDataEdit, "9,9,");
        b.prompter.files.push_back(path);
        b.form.click(kLoadButton);
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
    // The map is still shown and can be sent.
    EXPECT_EQ(splitItems(b.form.text(kDataEdit)).size(), 32u);
}
