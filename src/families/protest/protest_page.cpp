// The page object: its parts wired to the form, the answer dispatch, the response time-out and
// what the parts ask of the page.
#include "families/protest/protest_page.h"

#include "families/protest/protest_records.h"

namespace rb::families::protest {

using namespace ids;

namespace {

// Requests, and the answers that take them (code + 1; 0x9F is answered by 0x90).
constexpr std::uint8_t kSwitchCode = 0x10;
constexpr std::uint8_t kWriteBasicCode = 0x91;
constexpr std::uint8_t kReadBasicCode = 0x93;
constexpr std::uint8_t kReadMonitorCode = 0x95;
constexpr std::uint8_t kTransmitCode = 0x97;
constexpr std::uint8_t kReadTypeVersionCode = 0x99;
constexpr std::uint8_t kWriteBandCode = 0x9B;
constexpr std::uint8_t kReadBandCode = 0x9D;
constexpr std::uint8_t kInitTypeCode = 0x9F;
constexpr std::uint8_t kFieldCode = 0xA0;

constexpr std::uint8_t kTypeWritten = 0x90;
constexpr std::uint8_t kSwitchAnswer = 0x11;
constexpr std::uint8_t kBasicWritten = 0x92;
constexpr std::uint8_t kBasicAnswer = 0x94;
constexpr std::uint8_t kMonitorAnswer = 0x96;
constexpr std::uint8_t kTransmitAnswer = 0x98;
constexpr std::uint8_t kTypeVersionAnswer = 0x9A;
constexpr std::uint8_t kBandWritten = 0x9C;
constexpr std::uint8_t kBandAnswer = 0x9E;
constexpr std::uint8_t kFieldAnswer = 0xA1;
// Neither is the answer to a request the page waits for.
constexpr std::uint8_t kDataTestAnswer = 0xA3;
constexpr std::uint8_t kStandingWaveAnswer = 0xA5;

}  // namespace

CProTest::CProTest(engine::Session& session) : Page(session, 0) {
    declareForm(form());
    bindControls();
    initialise();
}

void CProTest::bindControls() {
    auto& f = form();
    f.onClick(kOpenFile, [this] { OnOpenFileButton(); });
    f.onClick(kStoreFile, [this] { OnStoreFileButton(); });
    f.onClick(kUnitRecordsButton, [this] { onUnitRecords(); });
    f.onClick(kStationButton, [this] { onStation(); });
    calibration_.bind();
    band_.bind();
    sweep_.bind();
    checks_.bind();
    identity_.bind();
    dataTest_.bind();
}

void CProTest::initialise() {
    calibration_.initialise();
    band_.select(0);
    dataTest_.initialise();
    band_.initialise();
    identity_.initialise();
}

std::vector<engine::Page::Chain> CProTest::fileReadChains() {
    return {[this] { OnReadAll(); }};
}

std::vector<engine::Page::Chain> CProTest::fileWriteChains() {
    return {[this] { OnWriteAll(); }};
}

// ---- answers --------------------------------------------------------------------------------

void CProTest::OnFrame(const wire::FrameView& f) {
    // Each answer moves its chain only when it answers the request the page waits for; any
    // other (a write acknowledgement during a read sweep, a second acknowledgement, an answer
    // after the time-out) is traced by the receive handler and changes nothing, and the
    // response timer keeps running for the answer still awaited.
    switch (f.code()) {
        case kSwitchAnswer:
            if (takeAnswer(kSwitchCode)) sweep_.onSwitched(f);
            break;
        case kBandAnswer:
            if (takeAnswer(kReadBandCode)) sweep_.onBandRead(f);
            break;
        case kBandWritten:
            if (takeAnswer(kWriteBandCode)) sweep_.onBandWritten(f);
            break;
        case kBasicAnswer:
            if (takeAnswer(kReadBasicCode)) sweep_.onBasicRead(f);
            break;
        case kBasicWritten:
            if (takeAnswer(kWriteBasicCode)) {
                sweep_.onBasicWritten(f);
            } else {
                calibration_.dropStrayAcknowledgement();
            }
            break;
        case kMonitorAnswer:
            if (takeAnswer(kReadMonitorCode)) checks_.onMonitorAnswer(f);
            break;
        case kTransmitAnswer:
            if (takeAnswer(kTransmitCode)) checks_.onTransmitAnswer(f);
            break;
        case kFieldAnswer:
            if (takeAnswer(kFieldCode)) checks_.onFieldAnswer(f);
            break;
        case kStandingWaveAnswer:
            checks_.onStandingWave(f);
            break;
        case kTypeWritten:
            if (takeAnswer(kInitTypeCode)) identity_.onTypeWritten(f);
            break;
        case kTypeVersionAnswer:
            if (!takeAnswer(kReadTypeVersionCode)) break;
            identity_.onTypeVersionAnswer(f);
            band_.read();  // "读取基本参数" goes on with the band table, then the values
            break;
        case kDataTestAnswer:
            dataTest_.onAnswer(f);
            break;
        default:
            break;  // traced by the receive handler, otherwise ignored
    }
}

void CProTest::OnResponseTimeout() {
    // A silent terminal ends a sweep; "切换" talks to the terminal again afterwards.
    sweep_.onTimeout();
    forgetSent();
    Page::OnResponseTimeout();
}

// ---- what the parts ask of the page ---------------------------------------------------------

void CProTest::requestUntimed(const wire::Bytes& frame) {
    send(frame, SendOptions{/*expectAnswer=*/false, /*clearStatus=*/false, /*background=*/false});
}

bool CProTest::refuse(const std::string& text, engine::Icon icon) {
    session().events.messageShown(text);
    recordFailure(session(), text);
    session().prompter.message(
        engine::MessageBox{text, engine::kInfoCaption, icon, engine::Buttons::Ok, this});
    return false;
}

void CProTest::forgetSent() {
    calibration_.forget();
    band_.forget();
    checks_.forget();
    identity_.forget();
}

}  // namespace rb::families::protest
