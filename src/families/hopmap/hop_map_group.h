// The "跳频图" group as both user pages show it: scheme, length and bandwidth lists, the hop-data
// edit, and the buttons "加载", "生成" and "清空" (whose behaviour lives here) next to the page's
// own "读取" and "设置" (which talk to the terminal and are wired by the page).
//
// "生成" writes the new map into the per-user "HFMap.ini" (Session::paths.hopMapFile); a file that
// cannot be written is reported with a box and the map is still shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/form_model.h"
#include "engine/session.h"
#include "families/hopmap/hop_generator.h"
#include "families/hopmap/hop_map.h"

namespace rb::families::hopmap {

inline constexpr const char* kLoadFilter = "Configuration Files (*.ini)|*.ini||";
inline constexpr const char* kWriteFailed = "跳频图文件保存失败!";
inline constexpr const char* kReadFailed = "文件打开失败!";

class HopMapGroup {
public:
    // `owner` is the page the group sits on (owner of its message boxes).
    HopMapGroup(engine::Session& session, engine::FormModel& form, const void* owner);

    // Declares the group's controls with their opening values (scheme 0, length index 0,
    // bandwidth index 2, empty data) and wires "加载", "生成" and "清空".
    void declare();
    // The group's part of the page layout.
    engine::LayoutItem layout() const;

    int scheme() const;       // selected scheme 0-3 (0 when none)
    int lengthIndex() const;  // selected length index 0-3 (0 when none)
    int mapLength() const;    // 32, 64, 128 or 256
    const std::string& text() const;
    std::vector<int> values() const { return splitItems(text()); }

    // "清空": length index 0 and an empty hop-data edit.
    void clear();
    // Adds received items ("5,-3,") to the end of the hop-data text.
    void append(const std::string& items);
    // Enables or disables every button of the group (also the page's "读取" and "设置").
    void enableButtons(bool on);

    // "生成" and "加载".
    void OnGenerate();
    void OnLoad();

    // The generator's source of 0 ... 32767 (tests inject one). Without one, the group seeds
    // its own generator from the clock at the first "生成" and keeps drawing from it.
    void setDraw(HopDraw draw) { draw_ = std::move(draw); }

private:
    int draw();
    void showBox(const std::string& text);

    engine::Session& session_;
    engine::FormModel& form_;
    const void* owner_;
    HopDraw draw_;
    std::optional<HopRandom> random_;
};

}  // namespace rb::families::hopmap
