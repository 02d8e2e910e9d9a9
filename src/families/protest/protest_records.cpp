// Unit records of the bench: what was done to the terminal on the bench, written when the
// terminal's answer is taken, so that a record always means "done". Failures (a silent
// terminal, a refusal the page showed) are records of kind "failure" with their message.
#include <cstdio>

#include "families/protest/protest_page.h"
#include "units/json_text.h"

namespace rb::families::protest {

using namespace ids;

namespace {

const char* powerName(Power p) { return p == Power::Low ? "low" : "high"; }

std::string hexCode(std::uint8_t code) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", code);
    return buf;
}

}  // namespace

std::string CProTest::typeText(std::uint8_t typeCode) const {
    for (const auto& t : kMachineTypes) {
        if (t.code != typeCode) continue;
        std::string text = t.text;
        while (!text.empty() && (text.back() == '\t' || text.back() == ' ')) text.pop_back();
        return text;
    }
    return hexCode(typeCode);  // a code the list does not know
}

void CProTest::recordCalibration(const char* action, const SentSet& set) {
    session().unitRecords.record(
        "calibration", units::JsonObject()
                           .add("action", action)
                           .add("row", set.row)
                           .add("power", powerName(set.power))
                           .add("values", std::vector<int>(set.values.begin(), set.values.end()))
                           .str());
}

void CProTest::recordBand(const char* action, const BandPairs& pairs) {
    // Rows 1-5, then the default pair; each [transmit, receive] in units of 100 Hz.
    std::string list = "[";
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i) list += ',';
        list += "[" + std::to_string(pairs[i].first) + "," + std::to_string(pairs[i].second) + "]";
    }
    list += "]";
    session().unitRecords.record("band_table", units::JsonObject()
                                                   .add("action", action)
                                                   .add("step", channelStep_)
                                                   .addRaw("pairs", list)
                                                   .str());
}

void CProTest::recordMachine(const char* source, std::uint8_t typeCode, const std::string& code,
                             const std::string& version) {
    units::JsonObject values;
    values.add("action", source)
        .add("machine_code", code)
        .add("type_code", int(typeCode))
        .add("type", typeText(typeCode));
    if (!version.empty()) values.add("version", version);
    session().unitRecords.record("machine_code", values.str());
}

void CProTest::recordTransmit() {
    std::string kind = "transmitter";
    if (!sentTransmit_.empty()) {
        kind = sentTransmit_.front();
        sentTransmit_.pop_front();
    }
    const int model = form().radio(kModelDigital1);
    static constexpr const char* kModels[] = {"数字电台1", "数字电台2", "模拟电台"};
    session().unitRecords.record(kind,
                                 units::JsonObject()
                                     .add("transmit", transmitReportFlag_ ? "on" : "off")
                                     .add("model", model >= 0 && model < 3 ? kModels[model] : "")
                                     .str());
}

void CProTest::recordFieldStrength() {
    units::JsonObject values;
    if (sentField_) {
        const std::uint8_t point = *sentField_;
        values.add("point", int(point))
            .add("name", point == 0x11   ? "第一格场强"
                         : point == 0x22 ? "第五格场强"
                                         : "默认场强");
        if (point == 0x11) values.add("dbm", -116);
        if (point == 0x22) values.add("dbm", -90);
        sentField_.reset();
    }
    session().unitRecords.record("field_strength", values.str());
}

void CProTest::recordDataTest(int mode, int q, std::size_t length, std::optional<double> rate) {
    units::JsonObject values;
    values.add("mode", mode).add("quality", q).add("length", std::int64_t(length));
    if (rate) {
        values.add("rate", *rate);
        if (dataTest_) values.add("average", dataTest_->runningAverage());
    }
    session().unitRecords.record("data_test", values.str());
}

void CProTest::recordFailure(const std::string& message) {
    units::JsonObject values;
    // A time-out names the request nobody answered; a refusal sent nothing.
    if (message == engine::kFailedStatus && session().activity.lastSentCode)
        values.add("request", hexCode(session().activity.lastSentCode));
    session().unitRecords.record("failure", values.str(), message);
}

void CProTest::forgetSent() {
    sentSets_.clear();
    sentBand_.reset();
    sentTransmit_.clear();
    sentField_.reset();
    sentMachine_.reset();
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

}  // namespace rb::families::protest
