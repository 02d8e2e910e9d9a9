#include "families/hopmap/hop_map.h"

#include "wire/codecs.h"

namespace rb::families::hopmap {

int lengthOfIndex(int index) {
    switch (index) {
        case 1:
            return 64;
        case 2:
            return 128;
        case 3:
            return 256;
        default:
            return 32;
    }
}

int indexOfLength(int length) {
    switch (length) {
        case 64:
            return 1;
        case 128:
            return 2;
        case 256:
            return 3;
        default:
            return 0;
    }
}

std::string itemText(int value) { return std::to_string(value) + ","; }

std::string joinItems(const std::vector<int>& values) {
    std::string text;
    for (int v : values) text += itemText(v);
    return text;
}

std::vector<int> splitItems(const std::string& text) {
    std::vector<int> values;
    std::size_t start = 0;
    for (std::size_t comma = text.find(','); comma != std::string::npos;
         comma = text.find(',', start)) {
        values.push_back(wire::parseInt(text.substr(start, comma - start)));
        start = comma + 1;
    }
    return values;
}

std::size_t firstUnsendableItem(const std::string& text) {
    std::size_t start = 0;
    std::size_t item = 1;
    for (std::size_t comma = text.find(','); comma != std::string::npos;
         comma = text.find(',', start), ++item) {
        const std::string piece = text.substr(start, comma - start);
        // An empty piece stands for 0, as splitItems reads it (files of other installations).
        const auto v = piece.find_first_not_of(" \t") == std::string::npos
                           ? std::optional<long long>(0)
                           : wire::parseWhole(piece);
        if (!v || *v < -127 || *v > 127) return item;
        start = comma + 1;
    }
    return 0;
}

std::string unsendableItemMessage(std::size_t item) {
    return "跳频图第" + std::to_string(item) + "个数据设置不正确,请设为-127-127!";
}

std::string sectionName(int scheme) { return "HFType" + std::to_string(scheme); }

}  // namespace rb::families::hopmap
