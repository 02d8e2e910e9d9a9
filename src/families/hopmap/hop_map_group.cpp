#include "families/hopmap/hop_map_group.h"

#include "families/hopmap/hop_map.h"
#include "families/hopmap/hop_map_file.h"

namespace rb::families::hopmap {

using namespace engine::layout;

HopMapGroup::HopMapGroup(engine::Session& session, engine::FormModel& form, const void* owner)
    : session_(session), form_(form), owner_(owner) {}

void HopMapGroup::declare() {
    form_.addCombo(kSchemeCombo, {"方案0", "方案1", "方案2", "方案3"}, 0);
    form_.addCombo(kLengthCombo, {"32", "64", "128", "256"}, 0);
    form_.addCombo(kBandwidthCombo,
                   {"-1M~1M", "-2M~2M", "-3M~3M", "-4M~4M", "-5M~5M", "-6M~6M", "-7M~7M", "-8M~8M",
                    "-9M~9M", "-10M~10M"},
                   kDefaultBandwidth);
    form_.addMultiEdit(kDataEdit).maxLength = kDataMaxLength;
    form_.addButton(kReadButton, "读取");
    form_.addButton(kSetButton, "设置");
    form_.addButton(kClearButton, "清空");
    form_.addButton(kLoadButton, "加载");
    form_.addButton(kGenerateButton, "生成");
    form_.onClick(kClearButton, [this] { clear(); });
    form_.onClick(kLoadButton, [this] { OnLoad(); });
    form_.onClick(kGenerateButton, [this] { OnGenerate(); });
}

engine::LayoutItem HopMapGroup::layout() const {
    return group("跳频图",
                 column({grid(2, {label("跳频方案"), ctl(kSchemeCombo), label("跳频图长"),
                                  ctl(kLengthCombo), label("跳频带宽"), ctl(kBandwidthCombo)}),
                         label("跳频数据"), ctl(kDataEdit),
                         row({ctl(kReadButton), ctl(kSetButton), ctl(kClearButton),
                              ctl(kLoadButton), ctl(kGenerateButton)})}));
}

int HopMapGroup::scheme() const {
    const int s = form_.selection(kSchemeCombo);
    return s < 0 ? 0 : s;
}

int HopMapGroup::lengthIndex() const {
    const int i = form_.selection(kLengthCombo);
    return i < 0 ? 0 : i;
}

int HopMapGroup::mapLength() const { return lengthOfIndex(lengthIndex()); }

const std::string& HopMapGroup::text() const { return form_.text(kDataEdit); }

void HopMapGroup::clear() {
    form_.setSelection(kLengthCombo, 0);
    form_.setText(kDataEdit, "");
}

void HopMapGroup::append(const std::string& items) {
    form_.setText(kDataEdit, form_.text(kDataEdit) + items);
}

void HopMapGroup::enableButtons(bool on) {
    form_.enable({kReadButton, kSetButton, kClearButton, kLoadButton, kGenerateButton}, on);
}

int HopMapGroup::draw() {
    if (draw_) return draw_();
    if (!random_) random_ = HopRandom::fromClock();
    return random_->next();
}

void HopMapGroup::showBox(const std::string& text) {
    session_.events.messageShown(text);
    session_.prompter.info(text, "提示", owner_);
}

void HopMapGroup::OnGenerate() {
    const int scheme = this->scheme();
    int bandwidth = form_.selection(kBandwidthCombo);
    if (bandwidth < 0) bandwidth = 0;
    const std::vector<int> values =
        generateHopMap(mapLength(), bandwidth, [this] { return draw(); });

    // The new map replaces the section of its scheme; every other line of the file stays.
    const std::string& path = session_.paths.hopMapFile;
    ini::IniFile file;
    std::string error;
    bool saved = file.loadIfExists(path, &error);
    if (saved) {
        writeHopMap(file, scheme, values);
        saved = file.save(path, &error);
    }
    form_.setText(kDataEdit, joinItems(values));
    if (!saved)
        showBox(std::string(kWriteFailed) + "\n" + path + (error.empty() ? "" : "\n" + error));
}

void HopMapGroup::OnLoad() {
    engine::FileChoice choice;
    choice.save = false;
    choice.defaultName = session_.paths.hopMapFile;
    choice.defaultExtension = "ini";
    choice.filter = kLoadFilter;
    const auto path = session_.prompter.chooseFile(choice);
    if (!path) return;
    clear();
    ini::IniFile file;
    std::string error;
    if (!file.loadIfExists(*path, &error)) {
        showBox(std::string(kReadFailed) + "\n" + *path + (error.empty() ? "" : "\n" + error));
        return;
    }
    const StoredHopMap map = readHopMap(file, scheme());
    form_.setSelection(kLengthCombo, map.lengthIndex);
    form_.setText(kDataEdit, map.text);
}

}  // namespace rb::families::hopmap
