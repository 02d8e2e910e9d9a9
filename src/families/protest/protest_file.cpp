// The "ProTest" file: the band table's twelve frequency texts and the ten calibration sets.
// Keys are those existing installations write: "发射频率01" ... "发射频率06" (06 = the default
// pair), "接收频率01" ... "接收频率06", then each value's name + row letter (A-E = rows 1-5) +
// power digit (1 = high, 2 = low): "功率控制A1" ... "频率调整E2". The test row and the channel
// step are not filed. "单元记录" beside the file buttons shows the records of the unit;
// "自动测试" opens the test station.
#include <cstdio>

#include "engine/container.h"
#include "families/protest/protest_page.h"
#include "ini/ini_file.h"
#include "wire/codecs.h"
#include "wire/text_format.h"
#include "wire/utf8.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr std::size_t kMostFrequencyChars = 254;

std::string frequencyKey(const char* stem, int k) { return stem + wire::twoDigits(k); }

const FrequencyRow& pairOf(int k) {  // k = 1..6
    return k <= kRowCount ? kRows[std::size_t(k - 1)] : kDefaultPair;
}

// "功率控制" + 'A' + '1'. Level digit 1 is high power, 2 low.
std::string calibrationKey(int value, int row, Power level) {
    return std::string(kCalibration[std::size_t(value)].name) + char('A' + row - 1) +
           (level == Power::High ? '1' : '2');
}

// A value as the profile call reads it: at most 254 bytes, never cut inside a character.
std::string limited(std::string text) {
    if (text.size() <= kMostFrequencyChars) return text;
    text.resize(wire::utf8CutPoint(text, kMostFrequencyChars));
    return text;
}

// Whether a file holds anything of this page: text with at least one of its keys in "ProTest".
// An empty file, random bytes or another type's file then changes nothing in the form.
bool holdsProTestKeys(const ini::IniFile& file) {
    if (!file.looksLikeText()) return false;
    for (int k = 1; k <= kRowCount + 1; ++k) {
        if (file.has(CProTest::kSection, frequencyKey("发射频率", k)) ||
            file.has(CProTest::kSection, frequencyKey("接收频率", k)))
            return true;
    }
    for (int row = 1; row <= kRowCount; ++row) {
        for (Power level : {Power::High, Power::Low}) {
            for (int v = 0; v < kCalibrationCount; ++v) {
                if (file.has(CProTest::kSection, calibrationKey(v, row, level))) return true;
            }
        }
    }
    return false;
}

// "存储文件" (save) or "打开文件": the profile file the technician chooses.
std::optional<std::string> chooseIniFile(engine::Session& session, bool save) {
    return session.prompter.chooseFile(
        engine::FileChoice{save, CProTest::kDefaultFileName, "ini", engine::kIniFilter});
}

}  // namespace

void CProTest::storeFile(ini::IniFile& file) {
    const std::string s = kSection;
    for (int k = 1; k <= kRowCount + 1; ++k)
        file.setText(s, frequencyKey("发射频率", k), form().text(pairOf(k).tx));
    for (int k = 1; k <= kRowCount + 1; ++k)
        file.setText(s, frequencyKey("接收频率", k), form().text(pairOf(k).rx));
    for (int row = 1; row <= kRowCount; ++row) {
        for (Power level : {Power::High, Power::Low}) {
            for (int v = 0; v < kCalibrationCount; ++v) {
                file.setText(s, calibrationKey(v, row, level),
                             calibration_.storedText(row, level, v));
            }
        }
    }
}

void CProTest::loadFile(const ini::IniFile& file) {
    const std::string s = kSection;
    for (int k = 1; k <= kRowCount + 1; ++k) {
        form().setText(pairOf(k).tx, limited(file.getText(s, frequencyKey("发射频率", k))));
        form().setText(pairOf(k).rx, limited(file.getText(s, frequencyKey("接收频率", k))));
    }
    // A missing key reads as 0. Any other text is kept as it was typed: a whole number as its
    // value (one outside 0-255 is refused when a write would send it, never cut to a byte),
    // anything else as no number at all. Loading does not set the file mark: the sets wait
    // for the next "全部改写" (or are overwritten by the next read).
    for (int row = 1; row <= kRowCount; ++row) {
        for (Power level : {Power::High, Power::Low}) {
            for (int v = 0; v < kCalibrationCount; ++v) {
                const std::string key = calibrationKey(v, row, level);
                if (!file.has(s, key)) {
                    calibration_.keepStored(row, level, v, 0, "0");
                    continue;
                }
                const std::string text = file.getText(s, key);
                const auto value = wire::parseWhole(text);
                const bool fits =
                    value && *value > kNotANumber && *value <= std::numeric_limits<int>::max();
                calibration_.keepStored(row, level, v, fits ? int(*value) : kNotANumber, text);
            }
        }
    }
    calibration_.showStoredSet();
}

void CProTest::OnStoreFileButton() {
    auto path = chooseIniFile(session(), true);
    if (!path) return;
    // Every other section and key of an existing file is kept; the file is replaced whole.
    ini::IniFile file;
    std::string error;
    bool ok = file.loadIfExists(*path, &error);
    if (ok) {
        storeFile(file);
        ok = file.save(*path, &error);
    }
    if (!ok) refuse("文件保存失败!");
}

void CProTest::OnOpenFileButton() {
    auto path = chooseIniFile(session(), false);
    if (!path) return;
    ini::IniFile file;
    std::string error;
    if (!file.load(*path, &error)) {
        refuse("文件打开失败!");
        return;
    }
    if (!holdsProTestKeys(file)) {
        refuse(engine::kNotThisTypesFile);
        return;
    }
    loadFile(file);
}

void CProTest::onUnitRecords() {
    const std::string& code = session().unitRecords.unitCode();
    if (session().showUnitRecords) {
        session().showUnitRecords(code);
        return;
    }
    // No window to show them in (the command line): say where they are.
    session().prompter.info("单元记录: 请用 radiobench-cli units --code " + code + " 查看",
                            engine::kInfoCaption, this);
}

void CProTest::onStation() {
    if (session().showStation) {
        session().showStation();
        return;
    }
    session().prompter.info("自动测试: 请用 radiobench-cli run protest 运行测试计划",
                            engine::kInfoCaption, this);
}

}  // namespace rb::families::protest
