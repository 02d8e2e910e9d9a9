// The file send of the data-transmission test, as a small state machine: "发送文件" opens the
// file and sends the first chunk (mode 3) or starts the 300 ms pacing (mode 2); in mode 3 each
// further chunk goes when the echo of the one before has been handled or when its 1000 ms
// answer wait is over. "停止发送" ends it at once. Lengths and offsets are 64-bit, so a file of
// any size is sent chunk by chunk, never read whole.
#include <filesystem>

#include "families/protest/datatest_page.h"

namespace rb::families::protest {

using namespace ids::sr;

namespace {

constexpr int kProgressMax = 1 << 30;  // the bar's range when a file has more chunks than that

}  // namespace

void CProSRTest::onSendFile() {
    if (fileSending_) return;  // never started twice
    if (filePath_.empty()) {
        showMessage("请选择发送的文件!");
        return;
    }
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(filePath_, ec);
    file_ = std::ifstream(filePath_, std::ios::binary);
    if (ec || !file_) {
        file_ = std::ifstream();
        showMessage("文件打开失败!(" + filePath_ + ")");
        return;
    }
    fileLength_ = size;
    chunkCount_ = (fileLength_ + kChunkSize - 1) / kChunkSize;
    chunkIndex_ = 0;
    if (form().checked(kSaveReceived)) deleteReceiveFile();
    stopFlag_ = 0;
    readyFlag_ = 1;
    fileSending_ = true;
    refreshSendControls();  // one file at a time, and no text in between
    showFileProgress();
    if (chunkCount_ == 0) {
        finishFileSend();
    } else if (mode_ == 3) {
        sendNextChunk();
    } else {
        startTimer(kChunkTimer, kChunkPause);
    }
}

void CProSRTest::sendNextChunk() {
    if (!fileSending_) return;
    if (stopFlag_ || chunkIndex_ >= chunkCount_) {
        finishFileSend();
        return;
    }
    sendBuffer_.assign(kChunkSize, 0);
    receiveBuffer_.clear();
    file_.clear();
    file_.seekg(std::streamoff(chunkIndex_ * kChunkSize));
    file_.read(reinterpret_cast<char*>(sendBuffer_.data()), std::streamsize(kChunkSize));
    const std::size_t got = std::size_t(file_.gcount());
    sendBuffer_.resize(got);
    if (got == 0) {
        // The file shrank or cannot be read any more: say so rather than send nothing.
        finishFileSend();
        showMessage("文件读取失败!(" + filePath_ + ")");
        return;
    }
    sentCount_ += got;
    showCounters();
    if (mode_ == 3) {
        startTimer(kAnswerWaitTimer, kAnswerWait);
        readyFlag_ = 0;
    }
    sendData(sendBuffer_, false);
    ++chunkIndex_;
    showFileProgress();
    if (chunkIndex_ >= chunkCount_) finishFileSend();
}

void CProSRTest::finishFileSend() {
    stopTimer(kChunkTimer);
    fileSending_ = false;
    file_.close();
    form().setValue(kProgress, 0);
    refreshSendControls();
    showFileProgress();
}

void CProSRTest::StopSending() {
    stopFlag_ = 1;
    if (fileSending_) finishFileSend();
}

void CProSRTest::showFileProgress() {
    // A range of 0 .. 0 would make the bar a busy indicator: an empty file shows 0 of 1.
    const std::uint64_t scaleTo = chunkCount_ > std::uint64_t(kProgressMax) ? kProgressMax
                                  : chunkCount_ == 0                        ? 1
                                                                            : chunkCount_;
    form().setRange(kProgress, 0, int(scaleTo));
    if (fileSending_) {
        const std::uint64_t pos =
            chunkCount_ > std::uint64_t(kProgressMax)
                ? std::uint64_t(double(chunkIndex_) / double(chunkCount_) * double(kProgressMax))
                : chunkIndex_;
        form().setValue(kProgress, int(pos));
    }
    form().setText(kFileInfo, "文件长度: " + std::to_string(fileLength_) +
                                  " 字节  已发送: " + std::to_string(chunkIndex_) + "/" +
                                  std::to_string(chunkCount_) + " 块");
}

}  // namespace rb::families::protest
