#include "engine/page.h"

#include "wire/codecs.h"

namespace rb::engine {

Page::Page(Session& session, int index) : session_(session), index_(index) {
    form_.setClickObserver([this](int id, bool done) {
        if (session_.pageClicked) session_.pageClicked(*this, id, done);
    });
}

std::vector<int> Page::writeButtons() const {
    if (!hasWriteChain()) return {};
    return {writeId_ ? writeId_ : kWriteButton};
}

Page::~Page() { session_.timers.stopAll(this); }

void Page::bindReadWrite(int readId, int writeId) {
    readId_ = readId;
    writeId_ = writeId;
    if (readId) form_.onClick(readId, [this] { OnRead(); });
    if (writeId) form_.onClick(writeId, [this] { OnWrite(); });
}

std::vector<Page::Chain> Page::fileReadChains() {
    if (!hasReadChain()) return {};
    return {[this] { OnRead(); }};
}

std::vector<Page::Chain> Page::fileWriteChains() {
    if (!hasWriteChain()) return {};
    return {[this] { OnWrite(); }};
}

void Page::OnRead() {
    beginRequest();
    lockButtons(periods_.read);
    modeFlag() = 0;
    resetFields();
    sendFirstRead();
}

void Page::OnWrite() {
    // The checks come first: a technician who would be refused anyway is not asked to confirm.
    if (!precheckWrite()) return;
    if (!session_.prompter.confirm(kConfirmWrite, kAskCaption, this)) {
        session_.events.declined();
        return;
    }
    beginRequest();
    lockButtons(periods_.write);
    modeFlag() = 1;
    sendFirstWrite();
}

void Page::lockButtons(Millis period) {
    startTimer(kButtonTimer, period);
    if (readId_ && form_.has(readId_)) form_.enable(readId_, false);
    if (writeId_ && form_.has(writeId_)) form_.enable(writeId_, false);
}

void Page::startTimer(int id, Millis period) {
    session_.timers.start(this, id, period, [this, id] { timerFired(id); });
}

void Page::stopTimer(int id) { session_.timers.stop(this, id); }

bool Page::timerRunning(int id) const { return session_.timers.running(this, id); }

void Page::timerFired(int id) {
    switch (id) {
        case kResponseTimer:
            OnResponseTimeout();
            break;
        case kButtonTimer:
            if (readId_ && form_.has(readId_)) form_.enable(readId_, true);
            if (writeId_ && form_.has(writeId_)) form_.enable(writeId_, true);
            stopTimer(kButtonTimer);
            break;
        default:
            OnTimer(id);
            break;
    }
}

void Page::OnResponseTimeout() {
    stopTimer(kResponseTimer);
    pending_.reset();  // an answer after the time-out is late, not the chain's
    session_.events.timedOut();
    session_.statusBar.SetText(2, kFailedStatus);
    session_.prompter.info(kFailedBox, kInfoCaption, this);
}

void Page::send(const wire::Bytes& frame, bool expectAnswer) {
    send(frame, SendOptions{expectAnswer, true, false});
}

void Page::send(const wire::Bytes& frame, SendOptions options) {
    if (frame.size() < 4) return;
    if (options.expectAnswer) startTimer(kResponseTimer, kResponseTimeout);
    if (options.clearStatus) session_.statusBar.SetText(2, "");
    if (session_.tracing()) session_.AppendTrace(frame[3], session_.tool.FormatSendTrace(frame));
    if (options.background) {
        session_.theComm.Write(frame);
        return;
    }
    pending_ = frame[3];
    session_.events.requestSent(frame[3]);
    session_.theComm.Write(frame);
}

void Page::reportSuccess(const wire::FrameView& answer, const std::string& text) {
    session_.AppendTrace(answer.code(), "\r\n" + text + "!");
    stopTimer(kResponseTimer);
    session_.statusBar.SetText(2, text);
    session_.events.succeeded(text);
}

bool Page::showMessage(const std::string& text, const std::string& caption, Icon icon) {
    session_.events.messageShown(text);
    session_.prompter.message(MessageBox{text, caption, icon, Buttons::Ok, this});
    return false;
}

}  // namespace rb::engine

namespace rb::engine {

bool Page::takeAnswer(std::uint8_t requestCode) {
    if (!awaits(requestCode)) return false;
    pending_.reset();
    return true;
}

std::optional<long long> Page::checkedNumber(int id, long long min, long long max,
                                             const std::string& message) {
    const Control& c = form_.control(id);
    const std::string& text = c.kind == ControlKind::Spin && c.buddy && form_.has(c.buddy)
                                  ? form_.text(c.buddy)
                              : c.kind == ControlKind::Spin ? std::to_string(c.value)
                                                            : c.text;
    const auto value = wire::parseWhole(text);
    if (value && *value >= min && *value <= max) return value;
    showMessage(message);
    return std::nullopt;
}

std::string Page::textTooLongMessage(const std::string& field, std::size_t maxBytes) {
    return field + "超出长度,最多" + std::to_string(maxBytes) + "个字节(一个汉字占2个字节)!";
}

std::string Page::textNotGbkMessage(const std::string& field) {
    return field + "含有无法发送的字符,请重新输入!";
}

bool Page::checkText(const std::string& text, std::size_t maxBytes, const std::string& field) {
    if (!wire::gbkEncodable(text)) return showMessage(textNotGbkMessage(field));
    if (wire::gbkLength(text) > maxBytes) return showMessage(textTooLongMessage(field, maxBytes));
    return true;
}

}  // namespace rb::engine
