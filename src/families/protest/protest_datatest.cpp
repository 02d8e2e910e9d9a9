#include "families/protest/protest_datatest.h"

#include <algorithm>

#include "families/protest/data_quality.h"
#include "families/protest/protest_ids.h"
#include "units/json_text.h"
#include "wire/frame.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr std::uint8_t kDataTestCode = 0xA2;
constexpr std::uint8_t kStartByte = 0x01;  // 96 07 80 A2 00 01 01 00 cs: start the fixture test
constexpr std::uint8_t kStopByte = 0x00;   // 96 07 80 A2 00 01 00 00 cs: stop the test
constexpr std::size_t kMaxTestData = 255 - 6;

}  // namespace

void DataTestControl::bind() {
    host_.form().onClick(kDataTestButton, [this] { onStart(); });
    host_.form().onClick(kStopTestButton, [this] { onStop(); });
}

void DataTestControl::initialise() { host_.form().setRadio(kFixtureTest, 0); }

void DataTestControl::attach(CProSRTest* page) {
    page_ = page;
    if (page_) {
        page_->setSender([this](int mode, const wire::Bytes& data, bool background) {
            send(mode, data, background);
        });
    }
}

void DataTestControl::send(int mode, const wire::Bytes& data, bool background) {
    auto& session = host_.session();
    // N = L + 6 is one byte: a longer send is cut rather than sent with a wrong length.
    const std::size_t length = std::min<std::size_t>(data.size(), kMaxTestData);
    wire::Bytes payload = {0x00, 0x01, std::uint8_t(mode)};
    payload.insert(payload.end(), data.begin(), data.begin() + std::ptrdiff_t(length));
    const wire::Bytes frame = wire::frame96(kDataTestCode, payload);
    // Traced, then written; timer 1 and the status bar are not touched.
    if (session.tracing()) {
        session.AppendTrace(kDataTestCode, session.tool.FormatSendTrace(frame));
    }
    if (!background) session.events.requestSent(kDataTestCode);
    session.theComm.Write(frame);
}

void DataTestControl::onStart() {
    if (!page_) return;
    auto& f = host_.form();
    f.enable({kFixtureTest, kPlainTest, kMutualTest}, false);
    const int mode = f.radio(kFixtureTest) + 1;
    engine::FormModel& test = page_->form();
    if (mode == 1) {
        send(kStartByte, {0x00});
        test.setText(sr::kText, "");
        page_->SetTestMode(1);
    } else if (mode == 2) {
        test.setText(sr::kText, kTestPattern);
        page_->SetTestMode(2);
    } else {
        if (lastMode_ != 3) test.setText(sr::kText, "");
        page_->SetTestMode(3);
    }
    lastMode_ = mode;
    if (show_) show_(true);
}

void DataTestControl::onStop() {
    host_.form().enable({kFixtureTest, kPlainTest, kMutualTest}, true);
    // Nothing answers the stop: nobody waits for it.
    send(kStopByte, {0x00}, /*background=*/true);
    if (show_) show_(false);
    if (!page_) return;
    page_->StopSending();
    page_->untickAutoSend();
}

void DataTestControl::onAnswer(const wire::FrameView& f) {
    // 96 N x A3 x x q data cs: N - 6 data bytes (none when N is below 6), never beyond the frame.
    const std::size_t n = f.size();
    const std::size_t byLength = f[1] >= 6 ? std::size_t(f[1]) - 6 : 0;
    const std::size_t inFrame = n >= 8 ? n - 8 : 0;
    const wire::ByteSpan data(f.data() + std::min<std::size_t>(7, n), std::min(byLength, inFrame));
    const int q = f[6];
    if (page_) {
        // In the mutual test only the echo waited for is measured; a stray one is only shown.
        const bool stray = page_->mode() == 3 && !page_->awaitingEcho();
        page_->ShowReceived(data);
        const int mode = host_.form().radio(kFixtureTest);
        std::optional<double> rate;
        if (mode == 0) {
            const wire::ByteSpan pattern(reinterpret_cast<const std::uint8_t*>(kTestPattern),
                                         kTestPatternLength);
            rate = errorRate(pattern, data);
            page_->ShowErrorRate(q, rate);
        } else if (mode == 2 && !stray) {
            rate = errorRate(page_->sendBuffer(), data);
            page_->ShowErrorRate(q, rate);
        }
        record(mode + 1, q, data.size(), rate);
    }
    host_.session().AppendTrace(f.code(), "\r\n数传测试返回!");
    if (page_) page_->answerHandled();
}

void DataTestControl::record(int mode, int q, std::size_t length, std::optional<double> rate) {
    units::JsonObject values;
    values.add("mode", mode).add("quality", q).add("length", std::int64_t(length));
    if (rate) {
        values.add("rate", *rate);
        if (page_) values.add("average", page_->runningAverage());
    }
    host_.session().unitRecords.record("data_test", values.str());
}

}  // namespace rb::families::protest
