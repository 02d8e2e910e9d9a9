#include "families/protest/protest_serial_store.h"

#include <cstdio>
#include <ctime>

#include "families/protest/protest_ids.h"
#include "ini/file_lock.h"
#include "wire/codecs.h"

namespace rb::families::protest {

using namespace ids;

namespace {

std::string currentYearDigits() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string year = std::to_string(local.tm_year + 1900);
    return year.size() >= 4 ? year.substr(2, 2) : year;
}

}  // namespace

std::string fourDigits(long long v) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04lld", v);
    return buf;
}

void SerialStore::show() {
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

bool SerialStore::update(const std::function<std::optional<Keys>(const ini::IniFile&)>& decide) {
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

bool SerialStore::write(const Keys& keys) {
    return update([&keys](const ini::IniFile&) { return std::optional<Keys>(keys); });
}

}  // namespace rb::families::protest
