#include "families/protest/protest_sweep.h"

#include "families/protest/protest_records.h"

namespace rb::families::protest {

using namespace ids;

void Sweep::bind() {
    auto& f = host_.form();
    // A spin has already stepped its edit one up or down (255 + 1 wraps to 0, 0 - 1 to 255):
    // every click writes the whole set of the current row and power level at once. No pause
    // follows; the frames queue on the line and the interface never waits.
    for (const auto& c : kCalibration) f.onChange(c.spin, [this] { writeBasic(); });
    f.onClick(kWriteBasicButton, [this] { writeBasic(); });
    f.onClick(kReadAllButton, [this] { readAll(); });
    f.onClick(kWriteAllButton, [this] { writeAll(); });
    f.onClick(kWriteBandButton, [this] { writeBand(); });
    for (int r = 1; r <= kRowCount; ++r) {
        f.onClick(kRows[std::size_t(r - 1)].button, [this, r] { switchRow(r); });
    }
    f.onClick(kTestRow.button, [this] { switchRow(kTestRowNumber); });
}

void Sweep::readAll() {
    flag_ = 1;
    calibration_.setFileMark(false);
    calibration_.selectPower(Power::Low);
    band_.read();
}

void Sweep::writeAll() {
    // Nothing goes out unless every frame of the sweep would carry what was asked for.
    if (!precheck()) return;
    calibration_.syncStoredEdits();
    flag_ = 1;
    calibration_.setFileMark(true);
    calibration_.selectPower(Power::Low);
    calibration_.zeroFields();
    writeBand();
}

void Sweep::writeBasic() {
    if (!calibration_.write() && flag_) stop();
}

void Sweep::writeBand() {
    if (!band_.write() && flag_) stop();
}

void Sweep::switchRow(int r) {
    const bool testRow = r == kTestRowNumber;
    if (!testRow && (r < 1 || r > kRowCount)) return;
    const FrequencyRow& row = testRow ? kTestRow : kRows[std::size_t(r - 1)];
    if (!testRow) {
        band_.select(r);
        if (calibration_.fileMark()) {
            calibration_.showStoredSet();  // "全部改写": the stored set of the row, nothing sent
            return;
        }
    }
    if (const char* wrong = band_.rowFault(row)) {
        // A sweep that cannot tune its next row ends here rather than waiting for ever. The
        // box has only an OK button and no icon.
        flag_ = 0;
        host_.refuse(wrong, engine::Icon::None);
        return;
    }
    band_.tune(row);
    if (testRow) band_.select(kTestRowNumber);
}

// ---- answers --------------------------------------------------------------------------------

void Sweep::onSwitched(const wire::FrameView& f) {
    host_.succeeded(f, "切换频率成功");
    calibration_.read();
}

void Sweep::onBandRead(const wire::FrameView& f) {
    band_.onAnswer(f);
    if (flag_) {
        switchRow(1);
    } else {
        calibration_.read();
    }
}

void Sweep::onBandWritten(const wire::FrameView& f) {
    band_.onWritten(f);
    if (!flag_) return;
    switchRow(1);
    writeBasic();
}

void Sweep::onBasicRead(const wire::FrameView& f) {
    const int row = calibration_.onAnswer(f);
    if (!flag_) return;
    if (row >= 1 && row < kRowCount) {
        switchRow(row + 1);
    } else if (row == kRowCount && calibration_.power() == Power::Low) {
        calibration_.selectPower(Power::High);
        band_.read();  // the second pass, at high power
    } else if (row == kRowCount) {
        flag_ = 0;
        host_.session().prompter.info("全部数据读取成功!", engine::kInfoCaption, &host_.page());
    } else {
        fail();  // the terminal named no calibration row: the sweep cannot go on
    }
}

void Sweep::onBasicWritten(const wire::FrameView& f) {
    calibration_.onWritten(f);
    if (!flag_) return;
    const int row = band_.currentRow();
    if (row >= 1 && row < kRowCount) {
        switchRow(row + 1);
        writeBasic();
    } else if (row == kRowCount && calibration_.power() == Power::Low) {
        calibration_.selectPower(Power::High);
        switchRow(1);
        writeBasic();
    } else if (row == kRowCount) {
        flag_ = 0;
        calibration_.setFileMark(false);
        host_.session().prompter.info("全部数据改写成功!", engine::kInfoCaption, &host_.page());
    } else {
        fail();
    }
}

// ---- ends -----------------------------------------------------------------------------------

void Sweep::stop() {
    flag_ = 0;
    calibration_.setFileMark(false);
    host_.forgetAwaited();
}

void Sweep::fail() {
    host_.stopResponseTimer();
    flag_ = 0;
    calibration_.setFileMark(false);
    auto& session = host_.session();
    session.events.timedOut();
    recordFailure(session, engine::kFailedStatus);
    host_.forgetSent();
    session.statusBar.SetText(2, engine::kFailedStatus);
    session.prompter.info(engine::kFailedBox, engine::kInfoCaption, &host_.page());
}

void Sweep::onTimeout() {
    flag_ = 0;
    calibration_.setFileMark(false);
    recordFailure(host_.session(), engine::kFailedStatus);
}

}  // namespace rb::families::protest
