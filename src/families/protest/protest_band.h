// BandTable: the production page's frequency pairs. "读取频段" / "改写频段" move the five rows and
// the default pair (0x9D -> 0x9E, 0x9B -> 0x9C), "切换" tunes the terminal to one row or the
// test row (0x10 -> 0x11), the channel step follows the spacing radios, and the current row's
// boxes are blue. What follows an answer (the next row of a sweep, the calibration read) is the
// sweep's business, not this part's.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "families/protest/protest_host.h"
#include "families/protest/protest_ids.h"

namespace rb::families::protest {

inline constexpr int kTestRowNumber = 6;

class BandTable {
public:
    // Rows 1-5, then the default pair; [transmit, receive] in units of 100 Hz.
    using Pairs = std::array<std::pair<long, long>, ids::kRowCount + 1>;

    explicit BandTable(ProTestHost& host) : host_(host) {}

    void bind();
    void initialise();  // 25 kHz spacing

    int channelStep() const { return channelStep_; }
    // The row the terminal was last tuned to or read from: 1-5, kTestRowNumber, or 0 for none.
    int currentRow() const { return currentRow_; }
    void select(int row);  // the current row, repainted
    void repaint();

    void read();
    // Every frequency of the table fits its 16-bit code, or the first refusal is shown.
    bool check();
    // False (nothing sent) when check() refused.
    bool write();
    // Why a row cannot be tuned ("发射频率设置不正确!"), or null when it can.
    const char* rowFault(const ids::FrequencyRow& row);
    void tune(const ids::FrequencyRow& row);

    void onAnswer(const wire::FrameView& f);   // 0x9E
    void onWritten(const wire::FrameView& f);  // 0x9C
    void forget() { sent_.reset(); }

private:
    void onSpacing();
    void record(const char* action, const Pairs& pairs);

    ProTestHost& host_;
    int channelStep_ = 250;
    int currentRow_ = 0;
    std::optional<Pairs> sent_;  // band write waiting for 0x9C
};

}  // namespace rb::families::protest
