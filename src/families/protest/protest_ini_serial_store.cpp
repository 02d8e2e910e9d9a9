#include "families/protest/protest_ini_serial_store.h"

#include "families/protest/protest_ids.h"
#include "ini/file_lock.h"
#include "wire/codecs.h"

namespace rb::families::protest {

using namespace ids;

void IniSerialStore::show() {
    auto& f = host_.form();
    const std::string& path = host_.session().paths.serialStore;
    f.setText(kYear, currentYearDigits());
    ini::IniFile store;
    std::string error;
    if (!store.loadIfExists(path, &error)) host_.refuse("序号文件读取失败!(" + path + ")");
    const std::string s = kSection;
    // An empty or missing type selects the first item; an index outside the list selects none.
    // The label keeps "当前未选择机器类型" until a type is chosen or read.
    const std::string type = store.getText(s, "Type");
    f.setSelection(kTypeCombo, type.empty() ? 0 : wire::parseInt(type));
    const std::string batch = store.getText(s, "SeroalPreBatch");
    f.setText(kBatch, batch.empty() ? "0" : batch);
    f.setText(kSerial, fourDigits((long long)wire::parseInt(store.getText(s, "SeroalPre")) + 1));
    const std::string start = store.getText(s, "SeroalStart");
    f.setText(kRangeStart, start.empty() ? "0000" : start);
    const std::string end = store.getText(s, "SeroalEnd");
    f.setText(kRangeEnd, end.empty() ? "1000" : end);
}

bool IniSerialStore::update(const std::function<std::optional<Keys>(const ini::IniFile&)>& decide) {
    const std::string& path = host_.session().paths.serialStore;
    const ini::FileLock lock(path);
    if (!lock.locked()) return host_.refuse("序号文件锁定失败!(" + path + ")");
    ini::IniFile store;
    std::string error;
    if (!store.loadIfExists(path, &error)) return host_.refuse("序号文件读取失败!(" + path + ")");
    const auto keys = decide(store);
    if (!keys) return false;
    for (const auto& [key, value] : *keys) store.setText(kSection, key, value);
    // A serial number that is not kept would be handed out twice.
    if (!store.save(path, &error)) return host_.refuse("序号文件保存失败!(" + path + ")");
    return true;
}

std::optional<long long> IniSerialStore::take(const SerialRequest& r) {
    // The store is read afresh under its lock (another program on this machine may have
    // handed out numbers since this page read it), a number it has moved past is never used
    // again, and the new number is kept before the terminal is told.
    auto& f = host_.form();
    long long value = r.typed;
    const bool kept = update([&](const ini::IniFile& store) -> std::optional<Keys> {
        const std::string used = store.getText(kSection, "SeroalPre");
        if (const auto last = wire::parseWhole(used); last && *last >= value) value = *last + 1;
        if (value > r.rangeEnd || value > kLastSerial) {
            f.setText(kSerial, fourDigits(value));
            host_.refuse("产品序号不在设置范围内!");
            return std::nullopt;
        }
        const std::string serial = fourDigits(value);
        f.setText(kSerial, serial);
        return Keys{
            {"Type", std::to_string(r.type)}, {"SeroalPre", serial}, {"SeroalPreBatch", r.batch}};
    });
    if (!kept) return std::nullopt;  // not kept, so not used: nothing is sent
    return value;
}

void IniSerialStore::setRange() {
    const auto& f = host_.form();
    const Keys keys = {{"SeroalStart", f.text(kRangeStart)},
                       {"SeroalEnd", f.text(kRangeEnd)},
                       {"SeroalPre", f.text(kSerial)},
                       {"SeroalPreBatch", f.text(kBatch)},
                       {"Type", std::to_string(f.selection(kTypeCombo))}};
    update([&keys](const ini::IniFile&) { return std::optional<Keys>(keys); });
}

}  // namespace rb::families::protest
