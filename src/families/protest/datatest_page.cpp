// The data-transmission test page: modes, text send (plain, hexadecimal, automatic), receive
// display, counters, error rates and the receive file. The file send is in datatest_file_send.cpp.
#include "families/protest/datatest_page.h"

#include <cstdio>
#include <filesystem>

#include "families/protest/data_quality.h"
#include "units/json_text.h"
#include "wire/codecs.h"
#include "wire/utf8.h"

namespace rb::families::protest {

using namespace ids::sr;

namespace {

constexpr const char* kShowRunning = "停止显示";
constexpr const char* kShowPaused = "继续显示";
constexpr const char* kHexWarning = "请输入正确的16进制字符串!";
constexpr const char* kHexCaption = "输入错误";

std::string countText(std::uint64_t n) { return n == 0 ? std::string() : std::to_string(n); }

}  // namespace

CProSRTest::CProSRTest(engine::Session& session, int index)
    : Page(session, index),
      receiveFolder_((std::filesystem::path(session.paths.configDir) / kReceiveFolder).string()) {
    declareForm(form());
    bindControls();
}

void CProSRTest::bindControls() {
    auto& f = form();
    f.onClick(kChooseFile, [this] { onChooseFile(); });
    f.onClick(kSendFile, [this] { onSendFile(); });
    f.onClick(kStopSending, [this] { StopSending(); });
    f.onClick(kAutoSend, [this] { onAutoSend(); });
    f.onChange(kPeriod, [this] {
        // Digits only, as the box allows no other key.
        std::string digits;
        for (char c : form().text(kPeriod))
            if (c >= '0' && c <= '9') digits += c;
        form().setText(kPeriod, digits);
    });
    f.onClick(kSendText, [this] { SendText(); });
    f.onClick(kClearText, [this] { form().setText(kText, ""); });
    f.onClick(kClearReceived, [this] { form().setText(kReceived, ""); });
    f.onClick(kPauseShow, [this] { onPauseShow(); });
    f.onClick(kClearStatus, [this] { onClearStatus(); });
    f.onClick(kSaveReceived, [this] { onSaveReceivedTicked(); });
}

// ---- modes ----------------------------------------------------------------------------------

void CProSRTest::SetTestMode(int m) {
    mode_ = m;
    form().setText(kTitle, m == 1   ? "数传测试: 工装测试(串口速率:9600)"
                           : m == 2 ? "数传测试: 普通测试(串口速率:9600)"
                                    : "数传测试: 收发互测(串口速率:9600)");
    refreshSendControls();
}

void CProSRTest::refreshSendControls() {
    // Mode 1 sends nothing by hand. A running file send rests the text controls and keeps its
    // own buttons from starting another; the automatic send rests the file buttons.
    const bool sending = mode_ != 1;
    const bool automatic = form().checked(kAutoSend);
    form().enable({kHexSend, kAutoSend, kPeriod, kSendText, kClearText, kText},
                  sending && !fileSending_);
    form().enable({kChooseFile, kSendFile}, sending && !fileSending_ && !automatic);
    form().enable(kStopSending, sending && !automatic);
}

// ---- text send ------------------------------------------------------------------------------

int CProSRTest::SendText() { return sendText(false); }

int CProSRTest::sendText(bool background) {
    const std::string t = form().text(kText);
    sendBuffer_.clear();
    receiveBuffer_.clear();
    if (form().checked(kHexSend)) {
        auto bytes = parseHexText(t);
        if (!bytes) {
            // Nothing goes out; the automatic ticks wait while the box is open.
            hexWarningOpen_ = true;
            session().events.messageShown(kHexWarning);
            session().prompter.message(engine::MessageBox{
                kHexWarning, kHexCaption, engine::Icon::Warning, engine::Buttons::Ok, nullptr});
            hexWarningOpen_ = false;
            return -1;
        }
        sendBuffer_ = std::move(*bytes);
    } else {
        // A character GBK has no code for would go out as another one.
        if (!checkText(t, kMaxTextBytes, "发送文本")) return -1;
        const std::string gbk = wire::utf8ToGbk(t);
        sendBuffer_.assign(gbk.begin(), gbk.end());
    }
    if (mode_ == 3) {
        startTimer(kAnswerWaitTimer, kAnswerWait);
        readyFlag_ = 0;  // the echo of this text is waited for
    }
    sentCount_ += sendBuffer_.size();
    showCounters();
    sendData(sendBuffer_, background);
    return 0;
}

void CProSRTest::sendData(const wire::Bytes& data, bool background) {
    if (sender_) sender_(mode_, data, background);
}

void CProSRTest::onAutoSend() {
    const bool on = form().checked(kAutoSend);
    if (on) {
        // A changed period takes effect here; 0 or no digits gives the shortest period.
        const engine::Millis period{
            std::max<long long>(wire::parseLong(form().text(kPeriod)), kShortestPeriod.count())};
        startTimer(kAutoSendTimer, period);
    } else {
        stopTimer(kAutoSendTimer);
    }
    refreshSendControls();
}

void CProSRTest::untickAutoSend() {
    if (!form().checked(kAutoSend)) return;
    form().setChecked(kAutoSend, false);
    onAutoSend();
}

void CProSRTest::onAutoTick() {
    if (!form().checked(kAutoSend) || hexWarningOpen_) return;
    if (sendText(true) == -1) stopTimer(kAutoSendTimer);
}

void CProSRTest::OnTimer(int id) {
    switch (id) {
        case kAutoSendTimer:
            onAutoTick();
            break;
        case kAnswerWaitTimer:
            onAnswerWaitOver();
            break;
        case kChunkTimer:
            sendNextChunk();
            break;
        default:
            break;
    }
}

// ---- answers --------------------------------------------------------------------------------

void CProSRTest::ShowReceived(wire::ByteSpan data) {
    // Mode 3: only the echo waited for ends the wait; a second echo, or one after its wait ran
    // out, is shown and counted but moves nothing.
    echoTaken_ = awaitingEcho();
    if (echoTaken_) {
        readyFlag_ = 1;
        stopTimer(kAnswerWaitTimer);
    }
    receiveBuffer_.assign(data.begin(), data.end());
    receivedCount_ += data.size();
    showCounters();
    if (form().text(kPauseShow) == kShowRunning) {
        std::string r = form().text(kReceived);
        if (form().checked(kNewLine) && !r.empty()) r += "\r\n";
        if (wire::utf8CharCount(r) >= kReceiveLimit) r.clear();
        if (form().checked(kHexShow)) {
            char hex[4];
            for (std::uint8_t b : receiveBuffer_) {
                std::snprintf(hex, sizeof hex, " %02x", b);
                r += hex;
            }
        } else {
            std::string text;
            for (std::uint8_t b : receiveBuffer_) {
                if (b == 0) break;
                text += char(b);
            }
            r += wire::gbkToUtf8(text);
        }
        form().setText(kReceived, r);
    }
    if (form().checked(kSaveReceived)) appendReceiveFile(data);
}

void CProSRTest::ShowErrorRate(int q, std::optional<double> rate) {
    form().setInt(kQuality, q);
    if (!rate) {
        // A send of length 0 has nothing to compare: no rate, and the average is left alone.
        form().setText(kRate, "-");
        return;
    }
    rateSum_ += *rate;
    rateSamples_ += 1;
    lastAverage_ = rateSum_ / rateSamples_;
    form().setText(kRate, rateText(*rate));
    if (rateSamples_ >= 10) {
        form().setText(kAverage, rateText(rateSum_ / rateSamples_));
        rateSum_ = 0.0;
        rateSamples_ = 0;
    }
}

void CProSRTest::onAnswerWaitOver() {
    stopTimer(kAnswerWaitTimer);
    if (mode_ != 3) return;
    ++lostEchoes_;
    readyFlag_ = 1;
    form().setText(kQuality, "");
    form().setText(kRate, "100.000%");
    rateSum_ += 1.0;
    rateSamples_ += 1;
    lastAverage_ = rateSum_ / rateSamples_;
    form().setText(kAverage, rateText(lastAverage_));
    // No echo within 1000 ms: a failed answer of the terminal on the bench.
    session().unitRecords.record("data_test",
                                 units::JsonObject()
                                     .add("mode", mode_)
                                     .add("echo", false)
                                     .add("rate", 1.0)
                                     .add("average", lastAverage_)
                                     .str(),
                                 "failed");
    if (fileSending_) sendNextChunk();  // a lost echo does not stop the file
}

void CProSRTest::answerHandled() {
    const bool echo = echoTaken_;
    echoTaken_ = false;
    if (echo && fileSending_ && mode_ == 3 && readyFlag_) sendNextChunk();
}

// ---- the other buttons ----------------------------------------------------------------------

void CProSRTest::showCounters() {
    form().setText(kSentCount, countText(sentCount_));
    form().setText(kReceivedCount, countText(receivedCount_));
}

void CProSRTest::onPauseShow() {
    form().setText(kPauseShow,
                   form().text(kPauseShow) == kShowRunning ? kShowPaused : kShowRunning);
}

void CProSRTest::onClearStatus() {
    sentCount_ = receivedCount_ = 0;
    rateSum_ = 0.0;
    rateSamples_ = 0;
    showCounters();
    for (int id : {kQuality, kRate, kAverage}) form().setText(id, "");
}

void CProSRTest::onChooseFile() {
    auto path =
        session().prompter.chooseFile(engine::FileChoice{false, "", "", "所有文件(*.*)|*.*||"});
    if (path) setFilePath(*path);
}

void CProSRTest::setFilePath(const std::string& path) {
    filePath_ = path;
    form().setText(kFilePath, filePath_);
}

// ---- the receive file -----------------------------------------------------------------------

std::string CProSRTest::receiveFilePath() const {
    namespace fs = std::filesystem;
    // Only the name's last part counts, in the page's own folder: never the working folder,
    // never anywhere a typed path points to.
    const fs::path name = fs::path(form().text(kReceiveFile)).filename();
    if (name.empty() || name == "." || name == "..") return {};
    const fs::path path = fs::path(receiveFolder_) / name;
    std::error_code ec;
    if (!filePath_.empty() && fs::exists(path, ec) && fs::equivalent(path, filePath_, ec)) {
        return {};  // the file being sent is never written over
    }
    return path.string();
}

void CProSRTest::onSaveReceivedTicked() {
    receiveFileFailed_ = false;
    if (form().checked(kSaveReceived)) deleteReceiveFile();
}

void CProSRTest::deleteReceiveFile() {
    const std::string path = receiveFilePath();
    if (path.empty()) return;
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

void CProSRTest::appendReceiveFile(wire::ByteSpan data) {
    const std::string path = receiveFilePath();
    if (path.empty()) return;  // no name: nothing is written
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    out.close();
    if (!out && !receiveFileFailed_) {
        // Said once; ticking the box again tries afresh.
        receiveFileFailed_ = true;
        showMessage("接收文件保存失败!(" + path + ")");
    }
}

}  // namespace rb::families::protest
