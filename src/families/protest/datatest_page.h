// CProSRTest: the data-transmission test page (dialog 173), shown in place of the production
// page by "数传测试". It sends text, hexadecimal text or a file in data frames, shows what comes
// back, counts payload bytes both ways and, in the fixture and mutual modes, shows the data
// quality, the error rate of each answer and the average over ten answers.
//
//   mode 1 工装测试  the terminal was told to start; every answer must carry the test pattern;
//                    the send controls are disabled
//   mode 2 普通测试  the text box holds the pattern; answers are only shown; a file goes out a
//                    chunk every 300 ms
//   mode 3 收发互测  every answer must echo the chunk just sent; the next chunk of a file goes
//                    on the echo, or after 1000 ms without one (counted as a 100% error)
//
// The page receives no frames of its own: the production page writes its requests
// (DataTestControl::send) and hands it the 0xA3 answers (DataTestControl::onAnswer, which
// calls ShowReceived, ShowErrorRate and answerHandled). Page timers: the automatic send
// and the answer wait are numbered apart from the framework's response and button timers, so
// neither makes a front end wait for an answer; a file send runs on the answer wait and its
// own pacing timer, never in a loop.
#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "engine/page.h"
#include "families/protest/datatest_page_ids.h"

namespace rb::families::protest {

inline constexpr std::size_t kChunkSize = 110;

class CProSRTest : public engine::Page {
public:
    static constexpr int kAutoSendTimer = 3;    // "the page's timer 1": automatic send period
    static constexpr int kAnswerWaitTimer = 4;  // "the page's timer 2": mode 3, 1000 ms
    static constexpr int kChunkTimer = 5;       // mode 2: one file chunk every 300 ms
    static constexpr engine::Millis kAnswerWait{1000};
    static constexpr engine::Millis kChunkPause{300};
    static constexpr engine::Millis kShortestPeriod{10};
    static constexpr std::size_t kReceiveLimit = 5000;  // characters before the box is emptied
    static constexpr const char* kReceiveFolder = "datatest";
    static constexpr std::size_t kMaxTextBytes = 255 - 6;  // what one data frame carries

    // Writes one data-test frame (DataTestControl::send of the production page). `background`:
    // a timed send that nobody waits for.
    using Sender = std::function<void(int mode, const wire::Bytes& data, bool background)>;

    CProSRTest(engine::Session& session, int index);

    void setSender(Sender s) { sender_ = std::move(s); }
    void OnFrame(const wire::FrameView&) override {}  // answers come from the production page
    bool transferInProgress() const override { return fileSending_; }

    // --- operations named by the production page ------------------------------------------
    void SetTestMode(int m);
    int SendText();  // 0 sent, -1 a bad hexadecimal pair stopped it
    void StopSending();
    void ShowReceived(wire::ByteSpan data);
    void ShowErrorRate(int q, std::optional<double> rate);
    // Everything of one 0xA3 answer has been handled: a mutual file send goes on.
    void answerHandled();
    // Mode 3: a chunk or text was sent and neither its echo nor the end of its wait has come.
    bool awaitingEcho() const { return mode_ == 3 && readyFlag_ == 0; }
    void untickAutoSend();
    // What "选择文件" does once a file was chosen.
    void setFilePath(const std::string& path);

    // --- state, for the production page, tests and front ends --------------------------------
    int mode() const { return mode_; }
    const wire::Bytes& sendBuffer() const { return sendBuffer_; }
    const wire::Bytes& receiveBuffer() const { return receiveBuffer_; }
    std::uint64_t sentCount() const { return sentCount_; }
    std::uint64_t receivedCount() const { return receivedCount_; }
    std::uint64_t fileLength() const { return fileLength_; }
    std::uint64_t chunkCount() const { return chunkCount_; }
    std::uint64_t chunkIndex() const { return chunkIndex_; }
    bool fileSending() const { return fileSending_; }
    // Mode 3 answer waits that ran out (each shown as a 100% error).
    int lostEchoes() const { return lostEchoes_; }
    // The average of the rates counted since the last ten-answer average, the latest included
    // (what box 1454 shows at the tenth).
    double runningAverage() const { return lastAverage_; }
    // Where the receive file named in box 1168 is written: the per-user data-test folder and
    // the file-name part of the box only; empty when nothing may be written.
    std::string receiveFilePath() const;
    const std::string& receiveFolder() const { return receiveFolder_; }

protected:
    void OnTimer(int id) override;

private:
    static void declareForm(engine::FormModel& f);  // datatest_page_form.cpp
    void bindControls();

    void onChooseFile();
    void onSendFile();
    void onAutoSend();
    void onAutoTick();
    int sendText(bool background);
    void onAnswerWaitOver();
    void onPauseShow();
    void onClearStatus();
    void onSaveReceivedTicked();
    void showCounters();
    void refreshSendControls();
    void sendData(const wire::Bytes& data, bool background);
    void deleteReceiveFile();
    void appendReceiveFile(wire::ByteSpan data);

    // The file send (datatest_file_send.cpp).
    void sendNextChunk();
    void finishFileSend();
    void showFileProgress();

    Sender sender_;
    std::string receiveFolder_;
    int mode_ = 0;
    std::string filePath_;
    std::ifstream file_;
    std::uint64_t fileLength_ = 0;
    std::uint64_t chunkCount_ = 0;
    std::uint64_t chunkIndex_ = 0;
    bool fileSending_ = false;
    wire::Bytes sendBuffer_;
    wire::Bytes receiveBuffer_;
    int stopFlag_ = 0;
    int readyFlag_ = 1;
    bool echoTaken_ = false;  // the answer being handled was the echo waited for
    std::uint64_t sentCount_ = 0;
    std::uint64_t receivedCount_ = 0;
    double rateSum_ = 0.0;
    int rateSamples_ = 0;
    bool hexWarningOpen_ = false;
    int lostEchoes_ = 0;
    double lastAverage_ = 0.0;
    bool receiveFileFailed_ = false;
};

}  // namespace rb::families::protest
