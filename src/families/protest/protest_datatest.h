// DataTestControl: the production page's side of the data-transmission test. "数传测试" starts
// a mode and puts the data-test page (CProSRTest) in the production page's place, "停止测试" ends
// it, send() writes the 0xA2 frames for the data-test page, and the 0xA3 answers are shown
// there and measured against the pattern (fixture test) or the chunk just sent (mutual test).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "families/protest/datatest_page.h"
#include "families/protest/protest_host.h"

namespace rb::families::protest {

class DataTestControl {
public:
    // `show` puts the data-test page in the production page's place (true) or brings the
    // production page back (false); it may be empty.
    DataTestControl(ProTestHost& host, const std::function<void(bool)>& show)
        : host_(host), show_(show) {}

    void bind();
    void initialise();  // the fixture test chosen

    void attach(CProSRTest* page);
    // Writes one test-data frame 96 L+6 80 A2 00 01 mode data cs: no response timer, the
    // status bar left alone. `background`: nobody waits for an answer to it.
    void send(int mode, const wire::Bytes& data, bool background = false);
    void onAnswer(const wire::FrameView& f);  // 0xA3
    int lastMode() const { return lastMode_; }

private:
    void onStart();  // "数传测试"
    void onStop();   // "停止测试"
    void record(int mode, int q, std::size_t length, std::optional<double> rate);

    ProTestHost& host_;
    const std::function<void(bool)>& show_;
    CProSRTest* page_ = nullptr;
    int lastMode_ = 0;
};

}  // namespace rb::families::protest
