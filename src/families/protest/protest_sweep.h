// Sweep: the chain steps of the production page that cross its parts. "全部读取" reads the band
// table, then each row's calibration values at low power, the band table again and each row at
// high power (22 exchanges); "全部改写" writes the band table and the ten stored sets (11). The
// same steps serve the single buttons: a band read goes on with the calibration read, a switch
// answer reads the row's values. A step that is refused ends a running sweep at once; one that
// cannot go on from an answer ends it as a failure; a silent terminal ends it too.
#pragma once

#include "families/protest/protest_band.h"
#include "families/protest/protest_calibration.h"
#include "families/protest/protest_host.h"

namespace rb::families::protest {

class Sweep {
public:
    Sweep(ProTestHost& host, Calibration& calibration, BandTable& band)
        : host_(host), calibration_(calibration), band_(band) {}

    // The spins, "更改基本参数", the sweeps, "改写频段" and the "切换" buttons.
    void bind();

    int flag() const { return flag_; }
    bool running() const { return flag_ != 0; }

    void readAll();   // "全部读取"
    void writeAll();  // "全部改写"
    // Everything "全部改写" will send: the band table, then the ten stored sets.
    bool precheck() { return band_.check() && calibration_.checkStoredSets(); }

    void writeBasic();
    void writeBand();
    void switchRow(int row);  // 1-5, or kTestRowNumber

    void onSwitched(const wire::FrameView& f);      // 0x11
    void onBandRead(const wire::FrameView& f);      // 0x9E
    void onBandWritten(const wire::FrameView& f);   // 0x9C
    void onBasicRead(const wire::FrameView& f);     // 0x94
    void onBasicWritten(const wire::FrameView& f);  // 0x92
    // The response time-out: a silent terminal ends a sweep.
    void onTimeout();

private:
    // A sweep whose next step was refused ends at once.
    void stop();
    // A sweep met something it cannot go on from: it ends as a failure, not silently.
    void fail();

    ProTestHost& host_;
    Calibration& calibration_;
    BandTable& band_;
    int flag_ = 0;
};

}  // namespace rb::families::protest
