#include "families/protest/protest_calibration.h"

#include "families/protest/protest_records.h"
#include "units/json_text.h"
#include "wire/codecs.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr std::uint8_t kWriteBasicCode = 0x91;
constexpr std::uint8_t kReadBasicCode = 0x93;

// Row byte of rows 1-5 in the basic-parameter frames; rows 0 and 6 go out as 0x00.
constexpr std::array<std::uint8_t, kRowCount> kRowBytes = {0x11, 0x22, 0x33, 0x44, 0x55};

int rowOfByte(std::uint8_t b) {
    for (int r = 1; r <= kRowCount; ++r)
        if (kRowBytes[std::size_t(r - 1)] == b) return r;
    return 0;
}

Power levelOfByte(std::uint8_t b) { return b == kLowPowerByte ? Power::Low : Power::High; }

const char* powerName(Power p) { return p == Power::Low ? "low" : "high"; }

}  // namespace

void Calibration::bind() {
    host_.form().onClick(kLowPower, [this] { onPowerRadio(); });
    host_.form().onClick(kHighPower, [this] { onPowerRadio(); });
}

void Calibration::initialise() {
    sets_ = {};
    selectPower(Power::Low);
}

Power Calibration::power() const {
    return host_.form().radio(kLowPower) == 0 ? Power::Low : Power::High;
}

void Calibration::selectPower(Power p) {
    host_.form().setRadio(kLowPower, p == Power::Low ? 0 : 1);
}

bool Calibration::fileMark() const { return host_.form().checked(kFileMark); }

void Calibration::setFileMark(bool on) { host_.form().setChecked(kFileMark, on); }

std::uint8_t Calibration::powerByte() const {
    return power() == Power::Low ? kLowPowerByte : kHighPowerByte;
}

std::uint8_t Calibration::rowByte() const {
    const int row = band_.currentRow();
    return row >= 1 && row <= kRowCount ? kRowBytes[std::size_t(row - 1)] : 0x00;
}

void Calibration::zeroFields() {
    for (const auto& c : kCalibration) host_.form().setText(c.edit, "0");
}

void Calibration::onPowerRadio() {
    if (fileMark()) {
        showStoredSet();
    } else {
        read();
    }
}

// ---- the values of one row ------------------------------------------------------------------

void Calibration::read() {
    if (!fileMark()) zeroFields();
    host_.request(wire::frame96(kReadBasicCode, {0x00, 0x01, powerByte(), rowByte()}));
}

std::optional<CalibrationSet> Calibration::checkedFields() {
    CalibrationSet values{};
    for (int i = 0; i < kCalibrationCount; ++i) {
        const auto& c = kCalibration[std::size_t(i)];
        const std::string message = std::string(c.name) + "设置不正确,请设为0-255!";
        const auto v = host_.numberIn(c.edit, 0, 255, message);
        if (!v) {
            recordFailure(host_.session(), message);
            return std::nullopt;
        }
        values[std::size_t(i)] = int(*v);
    }
    return values;
}

bool Calibration::write() {
    // Each value is a whole number 0-255: anything else is refused, never cut to a byte.
    const auto values = checkedFields();
    if (!values) return false;
    wire::Bytes payload = {0x00, 0x01};
    SentSet sent{rowOfByte(rowByte()), power(), *values};
    for (int v : *values) payload.push_back(std::uint8_t(v));
    payload.push_back(powerByte());
    payload.push_back(rowByte());
    host_.request(wire::frame96(kWriteBasicCode, payload));
    sent_.push_back(sent);
    return true;
}

int Calibration::onAnswer(const wire::FrameView& f) {
    SentSet read{rowOfByte(f[15]), levelOfByte(f[14]), {}};
    for (int i = 0; i < kCalibrationCount; ++i) read.values[std::size_t(i)] = f[6 + std::size_t(i)];
    for (int i = 0; i < kCalibrationCount; ++i) {
        host_.form().setInt(kCalibration[std::size_t(i)].edit, read.values[std::size_t(i)]);
    }
    selectPower(read.power);
    if (read.row) {
        sets_[std::size_t(read.row - 1)][std::size_t(read.power)] = read.values;
        for (int i = 0; i < kCalibrationCount; ++i) {
            host_.form().setText(storedEdit(read.row, read.power, i),
                                 std::to_string(read.values[std::size_t(i)]));
        }
    }
    band_.select(read.row);
    record("read", read);
    host_.succeeded(f, "基本参数读取成功");
    return read.row;
}

void Calibration::onWritten(const wire::FrameView& f) {
    if (!sent_.empty()) {
        record("written", sent_.front());
        sent_.pop_front();
    }
    host_.succeeded(f, "基本参数设置成功");
    band_.repaint();
}

void Calibration::dropStrayAcknowledgement() {
    if (!sent_.empty()) sent_.pop_front();
}

void Calibration::record(const char* action, const SentSet& set) {
    host_.session().unitRecords.record(
        "calibration", units::JsonObject()
                           .add("action", action)
                           .add("row", set.row)
                           .add("power", powerName(set.power))
                           .add("values", std::vector<int>(set.values.begin(), set.values.end()))
                           .str());
}

// ---- the ten stored sets --------------------------------------------------------------------

void Calibration::showStoredSet() {
    const int row = band_.currentRow();
    if (!fileMark() || row < 1 || row > kRowCount) return;
    for (int i = 0; i < kCalibrationCount; ++i) {
        host_.form().setText(kCalibration[std::size_t(i)].edit, storedText(row, power(), i));
    }
}

std::string Calibration::storedText(int row, Power level, int value) const {
    const int number = sets_[std::size_t(row - 1)][std::size_t(level)][std::size_t(value)];
    return number == kNotANumber ? host_.form().text(storedEdit(row, level, value))
                                 : std::to_string(number);
}

void Calibration::keepStored(int row, Power level, int value, int number, const std::string& text) {
    sets_[std::size_t(row - 1)][std::size_t(level)][std::size_t(value)] = number;
    host_.form().setText(storedEdit(row, level, value), text);
}

void Calibration::syncStoredEdits() {
    for (int row = 1; row <= kRowCount; ++row)
        for (Power level : {Power::Low, Power::High})
            for (int v = 0; v < kCalibrationCount; ++v)
                host_.form().setText(storedEdit(row, level, v), storedText(row, level, v));
}

bool Calibration::checkStoredSets() {
    // The order of the sweep: rows A-E at low power (level digit 2), then at high power (1).
    for (Power level : {Power::Low, Power::High}) {
        for (int row = 1; row <= kRowCount; ++row) {
            for (int v = 0; v < kCalibrationCount; ++v) {
                const int number = sets_[std::size_t(row - 1)][std::size_t(level)][std::size_t(v)];
                if (number >= 0 && number <= 255) continue;
                const std::string key = std::string(kCalibration[std::size_t(v)].name) +
                                        char('A' + row - 1) + (level == Power::High ? '1' : '2');
                return host_.refuse(key + "设置不正确,请设为0-255!");
            }
        }
    }
    return true;
}

}  // namespace rb::families::protest
