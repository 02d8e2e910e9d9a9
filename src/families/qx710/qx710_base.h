// CQX710Base: the first tab ("本地设置查询") of the QX-7100 container. It reads and writes the
// ship station's own configuration — identity and authentication, basic parameters, spacing with
// the default and off-net frequencies, one page of the frequency table, the alarm-phone binding,
// encryption, dispatch timing and transmit power — shows the station's status, repeats the whole
// read every two seconds while 定时读取电台数据 is ticked, answers the station's own query, and
// is the only QX-7100 page in the file (section "QX710").
//
// Read chain:  0x21 -> 0x22, 0x23 -> 0x24, 0x27 -> 0x28, 0x29 (read) -> 0x2A, 0x25 -> 0x26
// Write chain: 0x11, 0x15, 0x13, 0x16, 0x14, 0x12 (each acknowledged by 0x80 echoing it),
//              0x29 (write) -> 0x2A, 0x25 -> 0x26
// 0x25 arms no response timer; 0x26 ends either chain.
#pragma once

#include <map>
#include <set>
#include <string>

#include "engine/accepted_texts.h"
#include "families/eapages/ea_page.h"
#include "families/qx710/qx710_base_ids.h"
#include "families/qx710/qx710_state.h"

namespace rb::families::qx710 {

class CQX710Base : public eapages::EaPage {
public:
    static constexpr int kIndex = 0;
    static constexpr const char* kSection = "QX710";
    static constexpr int kPeriodicTimer = 3;  // 定时读取电台数据, every 2000 ms for the page's life

    CQX710Base(engine::Session& session, Qx710State& state);

    void OnFrame(const wire::FrameView& frame) override;
    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }
    // The checks of all six write steps (0x11, 0x15, 0x13, 0x16, 0x14, 0x12) in chain order.
    bool precheckWrite() override;
    // 系统类别 goes out only with "设置" (0x10), never with the write chain.
    std::set<int> verifyIgnores() const override;

    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;  // qx710_base_file.cpp
    void loadFile(const ini::IniFile& file) override;

    Qx710State& state() { return state_; }

protected:
    void resetFields() override;
    void sendFirstRead() override { requestBasic(); }
    void sendFirstWrite() override { writeBasic(); }
    void OnTimer(int id) override;
    void OnResponseTimeout() override;

private:
    static void declareForm(engine::FormModel& f);  // qx710_base_form.cpp
    void bindControls();
    void bindEditGuards();

    // Sends a chain request. The first request of a periodic read leaves a running response
    // timer as it is: timer 3 and timer 1 share their 2000 ms period, and re-arming timer 1 at
    // every periodic read would keep a silent terminal's time-out from ever coming.
    void request(const wire::Bytes& frame, bool expectAnswer = true);

    // The checks of each write step: the first refusal shows its message and gives false.
    // precheckWrite() runs them all before the first frame; each step runs its own again.
    bool checkBasic();
    bool checkSpacing();
    bool checkAlarm();
    bool checkEncryption();
    bool checkTiming();
    bool checkTable();

    // Requests; those that take values from the controls check them first and return false,
    // after the message, when one is out of range (the chain then stops).
    void setIdentity();                          // 0x10, button "设置"
    void requestBasic();                         // 0x21
    void requestTable();                         // 0x23
    void requestVersion();                       // 0x27
    void requestPower(bool write);               // 0x29
    void requestStatus();                        // 0x25, no timer
    bool writeBasic();                           // 0x11
    bool writeSpacing();                         // 0x15
    bool writeAlarm();                           // 0x13
    bool writeEncryption();                      // 0x16
    bool writeTiming();                          // 0x14
    bool writeTable();                           // 0x12
    void answerQuery(const wire::FrameView& f);  // 0x55 / 0x96 with payload 0x10

    // Answers (qx710_base_answers.cpp).
    void onBasic(const wire::FrameView& f);    // 0x22
    void onTable(const wire::FrameView& f);    // 0x24
    void onStatus(const wire::FrameView& f);   // 0x26
    void onVersion(const wire::FrameView& f);  // 0x28
    void onPower(const wire::FrameView& f);    // 0x2A
    void onAck(const wire::FrameView& f);      // 0x80

    void setSpacing(bool twelveAndHalf);  // shows the spacing and sets the channel step
    void showRowLabels(int page);

    Qx710State& state_;
    bool periodicStart_ = false;
    engine::AcceptedTexts accepted_{form()};  // last text each guarded edit accepted
};

}  // namespace rb::families::qx710
