// Calibration: the eight calibration values of the row the terminal is tuned to, at the power
// level of the radios (0x93 -> 0x94 read, 0x91 -> 0x92 write), and the ten sets the page keeps
// (5 rows x 2 levels), each value beside its hidden edit holding it as it was asked for. With
// the file mark set the form shows a stored set instead of asking the terminal.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <string>

#include "families/protest/protest_band.h"
#include "families/protest/protest_host.h"
#include "families/protest/protest_ids.h"

namespace rb::families::protest {

enum class Power { Low = 0, High = 1 };
using CalibrationSet = std::array<int, ids::kCalibrationCount>;
using CalibrationSets = std::array<std::array<CalibrationSet, 2>, ids::kRowCount>;

inline constexpr std::uint8_t kLowPowerByte = 0x22;
inline constexpr std::uint8_t kHighPowerByte = 0x44;

// The hidden edit that holds stored value `value` of (row 1-5, level) as it was asked for
// (the file's text, or what the terminal answered): what a verification compares.
constexpr int storedEdit(int row, Power level, int value) {
    return ids::kStoredBase + (row - 1) * 20 + int(level) * 10 + value;
}
// A stored value that is no number at all (its text is in its hidden edit).
inline constexpr int kNotANumber = std::numeric_limits<int>::min();

class Calibration {
public:
    Calibration(ProTestHost& host, BandTable& band) : host_(host), band_(band) {}

    void bind();        // the power radios
    void initialise();  // no sets, low power

    Power power() const;
    void selectPower(Power p);
    bool fileMark() const;
    void setFileMark(bool on);
    void zeroFields();

    void read();
    // False (nothing sent) when a value is no whole number 0-255; its refusal was shown.
    bool write();
    // The row's stored set at the chosen level, with the file mark set and a row 1-5.
    void showStoredSet();

    // The calibration row (1-5) the answer names, or 0; the values shown and kept.
    int onAnswer(const wire::FrameView& f);    // 0x94
    void onWritten(const wire::FrameView& f);  // 0x92
    // A second acknowledgement of quick spin writes: its write is not recorded as done, but
    // the queue stays in step with the acknowledgements.
    void dropStrayAcknowledgement();
    void forget() { sent_.clear(); }

    // The ten stored sets, in the order "全部改写" sends them, or the first refusal shown.
    bool checkStoredSets();
    const CalibrationSets& sets() const { return sets_; }
    CalibrationSets& sets() { return sets_; }
    // What a stored value shows as, and keeping one with its hidden edit.
    std::string storedText(int row, Power level, int value) const;
    void keepStored(int row, Power level, int value, int number, const std::string& text);
    void syncStoredEdits();

private:
    struct SentSet {
        int row = 0;
        Power power = Power::Low;
        CalibrationSet values{};
    };
    std::uint8_t powerByte() const;
    std::uint8_t rowByte() const;
    void onPowerRadio();
    std::optional<CalibrationSet> checkedFields();
    void record(const char* action, const SentSet& set);

    ProTestHost& host_;
    BandTable& band_;
    CalibrationSets sets_{};
    std::deque<SentSet> sent_;  // basic writes waiting for 0x92
};

}  // namespace rb::families::protest
