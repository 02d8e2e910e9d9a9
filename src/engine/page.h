// Page: the transaction pattern every terminal page follows. A button starts a chain of
// request/answer exchanges; timer 1 (2000 ms) reports a silent terminal; timer 2 unlocks the
// read and write buttons after a fixed period; every frame is traced; every answer writes its
// success text to the trace and to status part 2. A family page adds only its own frames,
// fields and texts.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/form_model.h"
#include "engine/session.h"
#include "ini/ini_file.h"
#include "wire/frame.h"

namespace rb::engine {

inline constexpr int kReadButton = 2090;   // "读取数据"
inline constexpr int kWriteButton = 2091;  // "写录数据"
inline constexpr int kResponseTimer = 1;
inline constexpr int kButtonTimer = 2;
inline constexpr Millis kResponseTimeout{2000};

inline constexpr const char* kConfirmWrite = "确认写录数据?";
inline constexpr const char* kAskCaption = "提问";
inline constexpr const char* kInfoCaption = "提示";
inline constexpr const char* kFailedStatus = "操作失败";
inline constexpr const char* kFailedBox = "操作失败！请检查设备连接是否正常？";

class Page {
public:
    Page(Session& session, int index);
    virtual ~Page();
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    Session& session() { return session_; }
    FormModel& form() { return form_; }
    const FormModel& form() const { return form_; }
    // Position in the container (0 = first tab): the value of `requestPage` it sets.
    int index() const { return index_; }

    // Answer entry point: a checked frame from the container; dispatch on its command code and
    // ignore codes the page does not know.
    virtual void OnFrame(const wire::FrameView& frame) = 0;

    // Container file routing ("存储文件" / "打开文件"). A page that takes part stores every value
    // into the file, or reads them from it and shows them.
    virtual bool takesPartInFile() const { return false; }
    virtual void storeFile(ini::IniFile& /*file*/) {}
    virtual void loadFile(const ini::IniFile& /*file*/) {}

    // The read and write buttons (also what the command line runs).
    void OnRead();
    void OnWrite();
    // Does this page have a read or write chain at all?
    virtual bool hasReadChain() const { return false; }
    virtual bool hasWriteChain() const { return false; }
    // The chains the command line's `read` / `write` run for this page's part of the file, in
    // order: by default the read or write button's chain. A page whose file values come from
    // several button pairs (the train key page) lists each of them.
    using Chain = std::function<void()>;
    virtual std::vector<Chain> fileReadChains();
    virtual std::vector<Chain> fileWriteChains();
    // A multi-step transfer that is not one request/answer chain (a hop map sent chunk by chunk,
    // a calibration sweep, a file send) is still running. Front ends that wait for a page to be
    // idle look at it besides the response timer.
    virtual bool transferInProgress() const { return false; }

    // Every check that any step of the write chain makes on the values it sends, run before
    // the chain's first frame (a read-modify-write's read included). Shows the first refusal
    // with its usual message and returns false; nothing is sent then. Checks that need an
    // answer from the terminal stay in their step. The write button runs it before the
    // confirmation; `write` runs it for every page before the first page's first frame.
    virtual bool precheckWrite() { return true; }
    // The checks of every chain fileWriteChains() lists (by default precheckWrite()).
    virtual bool precheckFileWrite() { return precheckWrite(); }

    // Verification after a write ("写后校验"): write chain k (fileWriteChains()) is started by
    // writeButtons()[k] and read back by fileReadChains()[k]. By default the write button.
    virtual std::vector<int> writeButtons() const;
    // Controls that are not compared with what was written: values the terminal changes by
    // right (bits it keeps, values it derives) and controls that only steer the form.
    virtual std::set<int> verifyIgnores() const { return {}; }

    // A timer of this page fired (timers 1 and 2 are handled by the base).
    void timerFired(int id);

protected:
    struct Periods {
        Millis read{1500};
        Millis write{3000};
    };
    void setPeriods(Periods p) { periods_ = p; }
    // Wires the read and write buttons (declare them in the form first).
    void bindReadWrite(int readId = kReadButton, int writeId = kWriteButton);

    // The chain's pieces, provided by the family page.
    virtual void resetFields() {}
    virtual void sendFirstRead() {}
    virtual void sendFirstWrite() {}
    // Mode flag: 0 read chain, 1 write chain. A family may keep it in its shared state.
    virtual int& modeFlag() { return mode_; }

    // Any action that sends a request first marks the page as the one that asked.
    void beginRequest() { session_.requestPage = index_; }
    // Sends one request: timer 1 armed when an answer is expected, status part 2 cleared, the
    // send trace handed over with the command code, then written (also when the port is closed).
    void send(const wire::Bytes& frame, bool expectAnswer = true);
    // The same with its parts chosen. A timed or periodic send (a muster on a timer, repeated
    // transparent data, a reply to the terminal's own query) goes out "in the background": it
    // arms nothing and leaves what front ends wait on (activity.awaitingAnswer) alone, so that a
    // click never waits for it. Some requests leave status part 2 as it is.
    struct SendOptions {
        bool expectAnswer = true;  // arm timer 1 (2000 ms)
        bool clearStatus = true;   // status part 2 = "" first
        bool background = false;   // not a request a front end waits on
    };
    void send(const wire::Bytes& frame, SendOptions options);
    // Whether a frame answers the request this page sent last, whose answer has not come yet.
    // A chain acts only on its own answers: takeAnswer(code) says whether the page's last
    // request was `code` and marks it answered. Anything else is a stray (a late answer after a
    // time-out, a second acknowledgement, another program's traffic): it is traced by the
    // container and must not move the chain, stop its time-out or turn a read into a write.
    bool awaits(std::uint8_t requestCode) const { return pending_ && *pending_ == requestCode; }
    bool takeAnswer(std::uint8_t requestCode);
    // Forgets the request waited for (a chain that ends or is stopped by the page).
    void clearPending() { pending_.reset(); }

    // Checks of typed values before they are sent. The number in control `id` (a spin's buddy
    // edit) when it is a whole decimal number from `min` to `max`; otherwise `message` is shown
    // ("PTT时限设置不正确,请设为0-255!") and nothing is returned. Never wrapped or cut.
    std::optional<long long> checkedNumber(int id, long long min, long long max,
                                           const std::string& message);
    bool checkNumber(int id, long long min, long long max, const std::string& message) {
        return checkedNumber(id, min, max, message).has_value();
    }
    // A text for a GBK field of `maxBytes` bytes: refused, with a message naming `field` and its
    // limit, when it is longer or holds a character GBK cannot encode.
    bool checkText(const std::string& text, std::size_t maxBytes, const std::string& field);
    static std::string textTooLongMessage(const std::string& field, std::size_t maxBytes);
    static std::string textNotGbkMessage(const std::string& field);

    // Reports an answer: trace "\r\n" + text + "!", timer 1 killed, status part 2 = text.
    void reportSuccess(const wire::FrameView& answer, const std::string& text);
    // Shows a validation or state message (caption "提示", information icon unless the page's
    // box has none). Returns false so that request functions can `return showMessage(...)`.
    bool showMessage(const std::string& text, const std::string& caption = kInfoCaption,
                     Icon icon = Icon::Information);
    // Disables the read/write buttons and arms timer 2 to enable them again.
    void lockButtons(Millis period);
    void startTimer(int id, Millis period);
    void stopTimer(int id);
    bool timerRunning(int id) const;
    // Page-specific timers (3 and up).
    virtual void OnTimer(int /*id*/) {}
    // Timer 1 fired: "操作失败" in status part 2 and the box. Pages with a running state machine
    // may extend it (call the base).
    virtual void OnResponseTimeout();

    int readButton() const { return readId_; }
    int writeButton() const { return writeId_; }

private:
    Session& session_;
    FormModel form_;
    int index_;
    int mode_ = 0;
    Periods periods_;
    int readId_ = 0;
    int writeId_ = 0;
    std::optional<std::uint8_t> pending_;  // the command code of the request waiting for its answer
};

}  // namespace rb::engine
