#include "families/protest/protest_db_serial_store.h"

#include "families/protest/protest_ids.h"
#include "units/pg_schema.h"
#include "units/shared_serials.h"
#include "wire/codecs.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr const char* kConfirmShared = "序号范围将对所有测试台生效,是否继续?";

// The serial field's number, or none when it is not a serial of four digits.
std::optional<long long> serialIn(const std::string& text) {
    const auto v = wire::parseWhole(text);
    if (!v || *v < 0 || *v > kLastSerial) return std::nullopt;
    return v;
}

}  // namespace

bool DbSerialStore::connected(const std::string& what) {
    if (db_.isOpen()) return true;
    std::string error;
    int version = 0;
    if (!db_.connect(uri_, &error) || !units::migratePostgres(db_, &version, &error)) {
        db_.close();
        return host_.refuse(what + "\n" + error);
    }
    db_.setBusyTimeout(kSerialLockTimeoutMs);
    return true;
}

void DbSerialStore::showRange(long long start, long long end) {
    host_.form().setText(kRangeStart, fourDigits(start));
    host_.form().setText(kRangeEnd, fourDigits(end));
}

void DbSerialStore::show() {
    auto& f = host_.form();
    f.setText(kYear, currentYearDigits());
    // Until the range is read (or when it cannot be), the fields of a bench without a store.
    f.setSelection(kTypeCombo, 0);
    f.setText(kBatch, "0");
    f.setText(kSerial, "0001");
    showRange(0, 1000);
    if (!connected("序号数据库无法连接!")) return;
    std::string error;
    units::SharedSerials serials(db_, kSection);
    const auto range = serials.read(&error);
    if (!error.empty()) {
        host_.refuse("序号数据库读取失败!(" + error + ")");
        return;
    }
    if (!range) return;
    f.setSelection(kTypeCombo, range->type);
    f.setText(kBatch, range->batch.empty() ? "0" : range->batch);
    f.setText(kSerial, fourDigits(range->next));
    showRange(range->start, range->end);
}

std::optional<long long> DbSerialStore::take(const SerialRequest& r) {
    // Never a number of our own making: without the server no serial is handed out.
    if (!connected("序号数据库无法连接,未分配序号!")) return std::nullopt;
    units::SharedSerials serials(db_, kSection);
    const units::TakeResult got = serials.take(r.typed, r.type, r.batch);
    auto& f = host_.form();
    switch (got.outcome) {
        case units::TakeOutcome::Taken:
            f.setText(kSerial, fourDigits(got.serial));
            showRange(got.range.start, got.range.end);
            return got.serial;
        case units::TakeOutcome::NoRange:
            host_.refuse("序号范围未设置,请先设置序号范围!");
            return std::nullopt;
        case units::TakeOutcome::UsedUp:
            f.setText(kSerial, fourDigits(got.serial));
            showRange(got.range.start, got.range.end);
            host_.refuse("序号已用完,请重新设置序号范围!");
            return std::nullopt;
        case units::TakeOutcome::OutOfRange:
            f.setText(kSerial, fourDigits(got.serial));
            showRange(got.range.start, got.range.end);
            host_.refuse("产品序号不在设置范围内!");
            return std::nullopt;
        case units::TakeOutcome::Failed:
            break;
    }
    // A server that went away is connected afresh at the next press (connected()).
    host_.refuse("序号数据库操作失败,未分配序号!(" + got.error + ")");
    return std::nullopt;
}

void DbSerialStore::setRange() {
    const auto& f = host_.form();
    const auto start = serialIn(f.text(kRangeStart));
    const auto end = serialIn(f.text(kRangeEnd));
    if (!start || !end) {
        host_.refuse("序号范围输入不正确,请设为0-9999!");
        return;
    }
    const auto next = serialIn(f.text(kSerial));
    if (!next) {
        host_.refuse("产品序号输入不正确,请设为0-9999!");
        return;
    }
    if (*next < *start || *next > *end) {
        host_.refuse("产品序号不在设置范围内!");
        return;
    }
    // Every bench of the line takes its next number from this range.
    if (!host_.session().prompter.confirm(kConfirmShared, "提示", &host_.page())) return;
    if (!connected("序号数据库无法连接,序号范围未保存!")) return;
    units::SerialRange wanted;
    wanted.start = *start;
    wanted.end = *end;
    wanted.next = *next;
    wanted.batch = f.text(kBatch);
    wanted.type = f.selection(kTypeCombo);
    units::SharedSerials serials(db_, kSection);
    const units::SetResult set = serials.set(wanted);
    if (set.outcome == units::SetOutcome::MovesBack) {
        host_.refuse("序号必须大于已分配的序号" + fourDigits(set.lastTaken) + "!");
    } else if (set.outcome == units::SetOutcome::Failed) {
        host_.refuse("序号数据库操作失败,序号范围未保存!(" + set.error + ")");
    }
}

}  // namespace rb::families::protest
