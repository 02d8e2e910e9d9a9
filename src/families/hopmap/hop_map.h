// The hop map (跳频图): a list of small signed integers a terminal uses for frequency hopping.
// Two user pages edit one (LM52R and network radio) with the same "跳频图" group of controls.
//
// Text form: every item is a decimal integer immediately followed by a comma, no spaces, the
// last item included ("7,-12,0,19,"). Whatever follows the last comma is not an item.
// Map length: the length list offers 32, 64, 128 and 256 values (index 0-3).
#pragma once

#include <string>
#include <vector>

namespace rb::families::hopmap {

// Control ids of the group; the same on both pages.
inline constexpr int kSchemeCombo = 2453;     // "方案0" ... "方案3"
inline constexpr int kLengthCombo = 2454;     // "32", "64", "128", "256"
inline constexpr int kBandwidthCombo = 1455;  // "-1M~1M" ... "-10M~10M"
inline constexpr int kDataEdit = 2064;        // the map as text
inline constexpr int kReadButton = 4094;      // "读取": ask the terminal for its map
inline constexpr int kSetButton = 3095;       // "设置": send the map to the terminal
inline constexpr int kClearButton = 2079;     // "清空"
inline constexpr int kLoadButton = 4097;      // "加载"
inline constexpr int kGenerateButton = 3096;  // "生成"

inline constexpr int kMaxItems = 256;        // the most values a map has
inline constexpr int kDataMaxLength = 1024;  // characters the hop-data edit takes when typed
inline constexpr int kDefaultBandwidth = 2;  // "-3M~3M"

// Map length of a length-list index: 0 -> 32, 1 -> 64, 2 -> 128, 3 -> 256 (32 for others).
int lengthOfIndex(int index);
// Length-list index of a length read from a file or frame: 64 -> 1, 128 -> 2, 256 -> 3,
// anything else -> 0.
int indexOfLength(int length);

// One item of the text: "%d,".
std::string itemText(int value);
std::string joinItems(const std::vector<int>& values);
// The values of a hop-map text: the pieces before each comma, parsed as the pages parse numbers
// (an empty piece is 0). Text after the last comma is ignored. Every item counts, also beyond
// kMaxItems: the transfer sends what the text holds.
std::vector<int> splitItems(const std::string& text);
// The first item (1-based) that cannot travel as its sign-and-magnitude byte: not a whole
// number ("abc,"; an empty piece is 0) or a magnitude above 127, which would come back as another
// value. 0 when every item can.
std::size_t firstUnsendableItem(const std::string& text);
// "跳频图第N个数据设置不正确,请设为-127-127!"
std::string unsendableItemMessage(std::size_t item);

// Section of a hop scheme in "HFMap.ini": "HFType%d".
std::string sectionName(int scheme);

}  // namespace rb::families::hopmap
