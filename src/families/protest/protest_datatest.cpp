// The production page's side of the data-transmission test: "数传测试" starts a mode and puts
// the data-test page in this page's place, "停止测试" ends it, SendTestData writes the 0xA2
// frames, and the 0xA3 answers are shown there and measured against the pattern (fixture test)
// or the chunk just sent (mutual test).
#include <algorithm>

#include "families/protest/data_quality.h"
#include "families/protest/protest_page.h"
#include "wire/frame.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr std::uint8_t kDataTestCode = 0xA2;
constexpr std::uint8_t kStartByte = 0x01;  // 96 07 80 A2 00 01 01 00 cs: start the fixture test
constexpr std::uint8_t kStopByte = 0x00;   // 96 07 80 A2 00 01 00 00 cs: stop the test
constexpr std::size_t kMaxTestData = 255 - 6;

}  // namespace

void CProTest::attachDataTest(CProSRTest* page) {
    dataTest_ = page;
    if (dataTest_) {
        dataTest_->setSender([this](int mode, const wire::Bytes& data, bool background) {
            SendTestData(mode, data, background);
        });
    }
}

void CProTest::SendTestData(int mode, const wire::Bytes& data, bool background) {
    // N = L + 6 is one byte: a longer send is cut rather than sent with a wrong length.
    const std::size_t length = std::min<std::size_t>(data.size(), kMaxTestData);
    wire::Bytes payload = {0x00, 0x01, std::uint8_t(mode)};
    payload.insert(payload.end(), data.begin(), data.begin() + std::ptrdiff_t(length));
    const wire::Bytes frame = wire::frame96(kDataTestCode, payload);
    // Traced, then written; timer 1 and the status bar are not touched.
    if (session().tracing()) {
        session().AppendTrace(kDataTestCode, session().tool.FormatSendTrace(frame));
    }
    if (!background) session().events.requestSent(kDataTestCode);
    session().theComm.Write(frame);
}

void CProTest::OnDataTest() {
    if (!dataTest_) return;
    auto& f = form();
    f.enable({kFixtureTest, kPlainTest, kMutualTest}, false);
    const int mode = f.radio(kFixtureTest) + 1;
    engine::FormModel& test = dataTest_->form();
    if (mode == 1) {
        SendTestData(kStartByte, {0x00});
        test.setText(sr::kText, "");
        dataTest_->SetTestMode(1);
    } else if (mode == 2) {
        test.setText(sr::kText, kTestPattern);
        dataTest_->SetTestMode(2);
    } else {
        if (lastDataTestMode_ != 3) test.setText(sr::kText, "");
        dataTest_->SetTestMode(3);
    }
    lastDataTestMode_ = mode;
    if (showDataTest) showDataTest(true);
}

void CProTest::OnStopTest() {
    form().enable({kFixtureTest, kPlainTest, kMutualTest}, true);
    // Nothing answers the stop: nobody waits for it.
    SendTestData(kStopByte, {0x00}, /*background=*/true);
    if (showDataTest) showDataTest(false);
    if (!dataTest_) return;
    dataTest_->StopSending();
    dataTest_->untickAutoSend();
}

void CProTest::onDataTestAnswer(const wire::FrameView& f) {
    // 96 N x A3 x x q data cs: N - 6 data bytes (none when N is below 6), never beyond the frame.
    const std::size_t n = f.size();
    const std::size_t byLength = f[1] >= 6 ? std::size_t(f[1]) - 6 : 0;
    const std::size_t inFrame = n >= 8 ? n - 8 : 0;
    const wire::ByteSpan data(f.data() + std::min<std::size_t>(7, n), std::min(byLength, inFrame));
    const int q = f[6];
    if (dataTest_) {
        // In the mutual test only the echo waited for is measured; a stray one is only shown.
        const bool stray = dataTest_->mode() == 3 && !dataTest_->awaitingEcho();
        dataTest_->ShowReceived(data);
        const int mode = form().radio(kFixtureTest);
        std::optional<double> rate;
        if (mode == 0) {
            const wire::ByteSpan pattern(reinterpret_cast<const std::uint8_t*>(kTestPattern),
                                         kTestPatternLength);
            rate = errorRate(pattern, data);
            dataTest_->ShowErrorRate(q, rate);
        } else if (mode == 2 && !stray) {
            rate = errorRate(dataTest_->sendBuffer(), data);
            dataTest_->ShowErrorRate(q, rate);
        }
        recordDataTest(mode + 1, q, data.size(), rate);
    }
    session().AppendTrace(f.code(), "\r\n数传测试返回!");
    if (dataTest_) dataTest_->answerHandled();
}

}  // namespace rb::families::protest
