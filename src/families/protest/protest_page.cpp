// The page object: calibration values with their requests, the two sweeps, the answer dispatch
// and the response time-out.
#include "families/protest/protest_page.h"

#include "wire/codecs.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr std::uint8_t kSwitchCode = 0x10;
constexpr std::uint8_t kSwitchAnswer = 0x11;
constexpr std::uint8_t kReadMonitorCode = 0x95;
constexpr std::uint8_t kTransmitCode = 0x97;
constexpr std::uint8_t kReadTypeVersionCode = 0x99;
constexpr std::uint8_t kWriteBandCode = 0x9B;
constexpr std::uint8_t kReadBandCode = 0x9D;
constexpr std::uint8_t kInitTypeCode = 0x9F;
constexpr std::uint8_t kFieldCode = 0xA0;
constexpr std::uint8_t kWriteBasicCode = 0x91;
constexpr std::uint8_t kBasicWritten = 0x92;
constexpr std::uint8_t kReadBasicCode = 0x93;
constexpr std::uint8_t kBasicAnswer = 0x94;
constexpr std::uint8_t kMonitorAnswer = 0x96;
constexpr std::uint8_t kTransmitAnswer = 0x98;
constexpr std::uint8_t kTypeWritten = 0x90;
constexpr std::uint8_t kTypeVersionAnswer = 0x9A;
constexpr std::uint8_t kBandWritten = 0x9C;
constexpr std::uint8_t kBandAnswer = 0x9E;
constexpr std::uint8_t kFieldAnswer = 0xA1;
constexpr std::uint8_t kDataTestAnswer = 0xA3;
constexpr std::uint8_t kStandingWaveAnswer = 0xA5;

// Row byte of rows 1-5 in the basic-parameter frames; rows 0 and 6 go out as 0x00.
constexpr std::array<std::uint8_t, kRowCount> kRowBytes = {0x11, 0x22, 0x33, 0x44, 0x55};

int rowOfByte(std::uint8_t b) {
    for (int r = 1; r <= kRowCount; ++r)
        if (kRowBytes[std::size_t(r - 1)] == b) return r;
    return 0;
}

}  // namespace

CProTest::CProTest(engine::Session& session) : Page(session, 0) {
    declareForm(form());
    bindControls();
    initialise();
}

void CProTest::bindControls() {
    auto& f = form();
    // A spin has already stepped its edit one up or down (255 + 1 wraps to 0, 0 - 1 to 255):
    // every click writes the whole set of the current row and power level at once. No pause
    // follows; the frames queue on the line and the interface never waits.
    for (const auto& c : kCalibration) f.onChange(c.spin, [this] { WriteBasic(); });
    f.onClick(kLowPower, [this] { onPowerRadio(); });
    f.onClick(kHighPower, [this] { onPowerRadio(); });
    f.onClick(kReadBasicButton, [this] { ReadTypeVersion(); });
    f.onClick(kWriteBasicButton, [this] { WriteBasic(); });
    f.onClick(kReadAllButton, [this] { OnReadAll(); });
    f.onClick(kWriteAllButton, [this] { OnWriteAll(); });
    f.onClick(kOpenFile, [this] { OnOpenFileButton(); });
    f.onClick(kStoreFile, [this] { OnStoreFileButton(); });
    f.onClick(kUnitRecordsButton, [this] { onUnitRecords(); });

    f.onClick(kSpacing12_5, [this] { onSpacing(); });
    f.onClick(kSpacing25, [this] { onSpacing(); });
    f.onClick(kReadBandButton, [this] { ReadBand(); });
    f.onClick(kWriteBandButton, [this] { WriteBand(); });
    for (int r = 1; r <= kRowCount; ++r) {
        f.onClick(kRows[std::size_t(r - 1)].button, [this, r] { SwitchRow(r); });
    }
    f.onClick(kTestRow.button, [this] { SwitchRow(kTestRowNumber); });

    bindChecks();
    bindMachine();
    f.onClick(kDataTestButton, [this] { OnDataTest(); });
    f.onClick(kStopTestButton, [this] { OnStopTest(); });
}

void CProTest::initialise() {
    sets_ = {};
    selectPower(Power::Low);
    setCurrentRow(0);
    sweepFlag_ = 0;
    form().setRadio(kFixtureTest, 0);
    form().setRadio(kSpacing12_5, 1);  // 25KHz
    channelStep_ = wire::kStep25;
    readSerialStore();
}

// ---- helpers ----------------------------------------------------------------------------------

Power CProTest::power() const { return form().radio(kLowPower) == 0 ? Power::Low : Power::High; }

void CProTest::selectPower(Power p) { form().setRadio(kLowPower, p == Power::Low ? 0 : 1); }

std::uint8_t CProTest::powerByte() const {
    return power() == Power::Low ? kLowPowerByte : kHighPowerByte;
}

std::uint8_t CProTest::rowByte() const {
    return currentRow_ >= 1 && currentRow_ <= kRowCount ? kRowBytes[std::size_t(currentRow_ - 1)]
                                                        : 0x00;
}

void CProTest::setCurrentRow(int row) {
    currentRow_ = row;
    RepaintRows();
}

void CProTest::zeroCalibrationFields() {
    for (const auto& c : kCalibration) form().setText(c.edit, "0");
}

bool CProTest::stopWith(const std::string& text, engine::Icon icon) {
    session().events.messageShown(text);
    recordFailure(text);
    session().prompter.message(
        engine::MessageBox{text, engine::kInfoCaption, icon, engine::Buttons::Ok, this});
    return false;
}

void CProTest::sendUntimed(const wire::Bytes& frame) {
    // No response timer and the status bar is left alone; its answer is still the one awaited.
    send(frame, SendOptions{/*expectAnswer=*/false, /*clearStatus=*/false, /*background=*/false});
}

// ---- calibration values -------------------------------------------------------------------------

void CProTest::ShowStoredSet() {
    if (!fileMark() || currentRow_ < 1 || currentRow_ > kRowCount) return;
    for (int i = 0; i < kCalibrationCount; ++i) {
        form().setText(kCalibration[std::size_t(i)].edit, storedText(currentRow_, power(), i));
    }
}

std::string CProTest::storedText(int row, Power level, int value) const {
    const int number = sets_[std::size_t(row - 1)][std::size_t(level)][std::size_t(value)];
    return number == kNotANumber ? form().text(storedEdit(row, level, value))
                                 : std::to_string(number);
}

void CProTest::keepStored(int row, Power level, int value, int number, const std::string& text) {
    sets_[std::size_t(row - 1)][std::size_t(level)][std::size_t(value)] = number;
    form().setText(storedEdit(row, level, value), text);
}

void CProTest::syncStoredEdits() {
    for (int row = 1; row <= kRowCount; ++row)
        for (Power level : {Power::Low, Power::High})
            for (int v = 0; v < kCalibrationCount; ++v)
                form().setText(storedEdit(row, level, v), storedText(row, level, v));
}

std::optional<CalibrationSet> CProTest::checkedCalibrationFields() {
    CalibrationSet values{};
    for (int i = 0; i < kCalibrationCount; ++i) {
        const auto& c = kCalibration[std::size_t(i)];
        const std::string message = std::string(c.name) + "设置不正确,请设为0-255!";
        const auto v = checkedNumber(c.edit, 0, 255, message);
        if (!v) {
            recordFailure(message);
            return std::nullopt;
        }
        values[std::size_t(i)] = int(*v);
    }
    return values;
}

bool CProTest::checkStoredSets() {
    // The order of the sweep: rows A-E at low power (level digit 2), then at high power (1).
    for (Power level : {Power::Low, Power::High}) {
        for (int row = 1; row <= kRowCount; ++row) {
            for (int v = 0; v < kCalibrationCount; ++v) {
                const int number = sets_[std::size_t(row - 1)][std::size_t(level)][std::size_t(v)];
                if (number >= 0 && number <= 255) continue;
                const std::string key = std::string(kCalibration[std::size_t(v)].name) +
                                        char('A' + row - 1) + (level == Power::High ? '1' : '2');
                return stopWith(key + "设置不正确,请设为0-255!");
            }
        }
    }
    return true;
}

bool CProTest::precheckWrite() { return checkBandTable() && checkStoredSets(); }

void CProTest::stopSweep() {
    sweepFlag_ = 0;
    form().setChecked(kFileMark, false);
    clearPending();
}

void CProTest::ReadBasic() {
    if (!fileMark()) zeroCalibrationFields();
    send(wire::frame96(kReadBasicCode, {0x00, 0x01, powerByte(), rowByte()}));
}

void CProTest::WriteBasic() {
    // Each value is a whole number 0-255: anything else is refused, never cut to a byte.
    const auto values = checkedCalibrationFields();
    if (!values) {
        if (sweepFlag_) stopSweep();
        return;
    }
    wire::Bytes payload = {0x00, 0x01};
    SentSet sent{rowOfByte(rowByte()), power(), *values};
    for (int v : *values) payload.push_back(std::uint8_t(v));
    payload.push_back(powerByte());
    payload.push_back(rowByte());
    send(wire::frame96(kWriteBasicCode, payload));
    sentSets_.push_back(sent);
}

void CProTest::onPowerRadio() {
    if (fileMark()) {
        ShowStoredSet();
    } else {
        ReadBasic();
    }
}

void CProTest::onBasicAnswer(const wire::FrameView& f) {
    for (int i = 0; i < kCalibrationCount; ++i) {
        form().setInt(kCalibration[std::size_t(i)].edit, f[6 + std::size_t(i)]);
    }
    selectPower(f[14] == kLowPowerByte ? Power::Low : Power::High);
    const int row = rowOfByte(f[15]);
    if (row) {
        CalibrationSet& set =
            sets_[std::size_t(row - 1)]
                 [f[14] == kLowPowerByte ? std::size_t(Power::Low) : std::size_t(Power::High)];
        for (int i = 0; i < kCalibrationCount; ++i) set[std::size_t(i)] = f[6 + std::size_t(i)];
        const Power level = f[14] == kLowPowerByte ? Power::Low : Power::High;
        for (int i = 0; i < kCalibrationCount; ++i)
            form().setText(storedEdit(row, level, i), std::to_string(f[6 + std::size_t(i)]));
    }
    setCurrentRow(row);
    SentSet read{row, f[14] == kLowPowerByte ? Power::Low : Power::High, {}};
    for (int i = 0; i < kCalibrationCount; ++i) read.values[std::size_t(i)] = f[6 + std::size_t(i)];
    recordCalibration("read", read);
    reportSuccess(f, "基本参数读取成功");
    if (!sweepFlag_) return;
    if (row >= 1 && row < kRowCount) {
        SwitchRow(row + 1);
    } else if (row == kRowCount && power() == Power::Low) {
        selectPower(Power::High);
        ReadBand();  // the second pass, at high power
    } else if (row == kRowCount) {
        sweepFlag_ = 0;
        session().prompter.info("全部数据读取成功!", engine::kInfoCaption, this);
    } else {
        failSweep();  // the terminal named no calibration row: the sweep cannot go on
    }
}

void CProTest::onBasicWritten(const wire::FrameView& f) {
    if (!sentSets_.empty()) {
        recordCalibration("written", sentSets_.front());
        sentSets_.pop_front();
    }
    reportSuccess(f, "基本参数设置成功");
    RepaintRows();
    if (!sweepFlag_) return;
    if (currentRow_ >= 1 && currentRow_ < kRowCount) {
        SwitchRow(currentRow_ + 1);
        WriteBasic();
    } else if (currentRow_ == kRowCount && power() == Power::Low) {
        selectPower(Power::High);
        SwitchRow(1);
        WriteBasic();
    } else if (currentRow_ == kRowCount) {
        sweepFlag_ = 0;
        form().setChecked(kFileMark, false);
        session().prompter.info("全部数据改写成功!", engine::kInfoCaption, this);
    } else {
        failSweep();
    }
}

void CProTest::failSweep() {
    stopTimer(engine::kResponseTimer);
    sweepFlag_ = 0;
    form().setChecked(kFileMark, false);
    session().events.timedOut();
    recordFailure(engine::kFailedStatus);
    forgetSent();
    session().statusBar.SetText(2, engine::kFailedStatus);
    session().prompter.info(engine::kFailedBox, engine::kInfoCaption, this);
}

// ---- sweeps -------------------------------------------------------------------------------------

void CProTest::OnReadAll() {
    sweepFlag_ = 1;
    form().setChecked(kFileMark, false);
    selectPower(Power::Low);
    ReadBand();
}

void CProTest::OnWriteAll() {
    // Nothing goes out unless every frame of the sweep would carry what was asked for.
    if (!precheckWrite()) return;
    syncStoredEdits();
    sweepFlag_ = 1;
    form().setChecked(kFileMark, true);
    selectPower(Power::Low);
    zeroCalibrationFields();
    WriteBand();
}

std::vector<engine::Page::Chain> CProTest::fileReadChains() {
    return {[this] { OnReadAll(); }};
}

std::vector<engine::Page::Chain> CProTest::fileWriteChains() {
    return {[this] { OnWriteAll(); }};
}

void CProTest::OnResponseTimeout() {
    // A silent terminal ends a sweep; "切换" talks to the terminal again afterwards.
    sweepFlag_ = 0;
    form().setChecked(kFileMark, false);
    recordFailure(engine::kFailedStatus);
    forgetSent();
    Page::OnResponseTimeout();
}

// ---- answers ------------------------------------------------------------------------------------

void CProTest::OnFrame(const wire::FrameView& f) {
    // Each answer moves its chain only when it answers the request the page waits for; any
    // other (a write acknowledgement during a read sweep, a second acknowledgement, an answer
    // after the time-out) is traced by the receive handler and changes nothing, and the
    // response timer keeps running for the answer still awaited.
    switch (f.code()) {
        case kSwitchAnswer:
            if (!takeAnswer(kSwitchCode)) return;
            reportSuccess(f, "切换频率成功");
            ReadBasic();
            break;
        case kBandAnswer:
            if (!takeAnswer(kReadBandCode)) return;
            onBandAnswer(f);
            break;
        case kBandWritten:
            if (!takeAnswer(kWriteBandCode)) return;
            if (sentBand_) recordBand("written", *sentBand_);
            sentBand_.reset();
            reportSuccess(f, "更改频段成功");
            if (sweepFlag_) {
                SwitchRow(1);
                WriteBasic();
            }
            break;
        case kBasicAnswer:
            if (!takeAnswer(kReadBasicCode)) return;
            onBasicAnswer(f);
            break;
        case kBasicWritten:
            if (!takeAnswer(kWriteBasicCode)) {
                // A second acknowledgement of quick spin writes: its write is not recorded as
                // done, but the queue stays in step with the acknowledgements.
                if (!sentSets_.empty()) sentSets_.pop_front();
                return;
            }
            onBasicWritten(f);
            break;
        case kMonitorAnswer:
            if (!takeAnswer(kReadMonitorCode)) return;
            onMonitorAnswer(f);
            break;
        case kTransmitAnswer:
            if (!takeAnswer(kTransmitCode)) return;
            recordTransmit();
            reportSuccess(f, transmitReportFlag_ ? "电台发射打开完成" : "电台发射关闭完成");
            break;
        case kFieldAnswer:
            if (!takeAnswer(kFieldCode)) return;
            recordFieldStrength();
            reportSuccess(f, "场强档位设置成功");
            break;
        case kStandingWaveAnswer:
            // No request of the page asks for it: it is taken whenever it comes, but it never
            // ends the wait for another answer.
            session().unitRecords.record("standing_wave", "{}");
            if (timerRunning(engine::kResponseTimer)) {
                session().AppendTrace(f.code(), "\r\n驻波基准设置成功!");
            } else {
                reportSuccess(f, "驻波基准设置成功");
            }
            break;
        case kTypeWritten:
            if (!takeAnswer(kInitTypeCode)) return;
            // The code is the terminal's now: what was done before it belongs to it.
            if (sentMachine_) {
                const std::uint8_t code = kMachineTypes[std::size_t(sentMachine_->typeIndex)].code;
                session().unitRecords.setUnit(sentMachine_->code, typeText(code));
                recordMachine("written", code, sentMachine_->code, "");
                sentMachine_.reset();
            }
            reportSuccess(f, "初始化机型成功");
            break;
        case kTypeVersionAnswer:
            if (!takeAnswer(kReadTypeVersionCode)) return;
            onTypeVersionAnswer(f);
            break;
        case kDataTestAnswer:
            onDataTestAnswer(f);
            break;
        default:
            break;  // traced by the receive handler, otherwise ignored
    }
}

}  // namespace rb::families::protest
