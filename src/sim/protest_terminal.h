// A terminal on the production-test bench: 9600 baud, 0x96 frames, every answer code = request
// code + 1 except the machine-type write 0x9F, answered by 0x90. Requests are 96 N 80 code 00 01
// payload cs (n = whole frame length):
//
//   request                     n   answer  n   what the terminal does
//   0x10 switch row             12  0x11    7   tunes to the row (F1-F5, F0 = test row) and codes
//   0x91 calibration write      17  0x92    7   keeps the eight values of (row byte, power byte)
//   0x93 calibration read       9   0x94    17  the eight values, power byte, row byte
//   0x9B band table write       31  0x9C    7   keeps six pairs of 16-bit codes
//   0x9D band table read        7   0x9E    31  the six pairs
//   0x95 monitor read           7   0x96    12  voltage (2), supply (2), data quality (1)
//   0x97 transmitter / model    9   0x98    7   model byte (00 / AA / 55), transmit (55 on, 00 off)
//   0xA0 field-strength point   8   0xA1    7   keeps point 11 / 22 / 33
//   0x9F machine type and code  11  0x90    7   keeps the type code and the 24-bit machine code
//   0x99 type and version read  7   0x9A    -   type code, machine code (3), version text, 00
//   0xA2 data test              L+8 0xA3    N+2 by the mode byte (6): 01 starts the fixture test
//                                               (answered by kPatternBurst frames carrying the
//                                               test pattern), 00 stops it (no answer), 02 and
//                                               03 echo the L data bytes
//
// A data answer is 96 N 80 A3 00 01 q data cs with N = 6 + its data length; q is the data
// quality the terminal measured (255 for a clean block, less the more bits it got wrong). With
// a bit-error rate set, every data bit of an answer is flipped with that probability (a seeded
// generator, so runs repeat).
//
// Calibration sets are kept per row byte (0x11-0x55, and 0x00 for no row or the test row) and
// power byte (0x22 low, 0x44 high); a read answers with the row and power bytes it was asked
// for. Short answers (n = 7) carry the request's bytes 4-5. A request of another length or with
// an unknown row, power or point byte gets no answer.
//
// Monitor readings: by default each read gives the next of four samples whose data quality falls
// in the four grades in turn (理想, 优良, 一般, 较差); setMonitor() fixes one reading.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "sim/terminal.h"

namespace rb::sim {

class ProtestTerminal : public Terminal {
public:
    static constexpr const char* kFamily = "protest";
    static constexpr int kBaud = 9600;
    static constexpr const char* kFactoryVersion = "LM30T V1.02 2008-08-11";
    static constexpr const char* kTestPattern =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789AAAAABBBBB666666WWWWW555554444433333444443333322222"
        "111111QQQQQFFFFF00CCCCC";
    static constexpr int kPatternBurst = 10;  // pattern answers to one fixture start

    struct Monitor {
        std::uint16_t voltage = 0;
        std::uint16_t supply = 0;
        std::uint8_t quality = 0;
    };
    using Calibration = std::array<std::uint8_t, 8>;

    ProtestTerminal();

    std::vector<wire::Bytes> answer(const wire::FrameView& request) override;
    int baud() const override { return kBaud; }
    std::string family() const override { return kFamily; }
    std::unique_ptr<Terminal> clone() const override {
        return std::make_unique<ProtestTerminal>(*this);
    }

    void factoryReset();

    // What the terminal holds, for tests.
    Calibration calibration(std::uint8_t rowByte, std::uint8_t powerByte) const;
    void setCalibration(std::uint8_t rowByte, std::uint8_t powerByte, const Calibration& values);
    std::array<std::uint16_t, 12> band() const { return band_; }
    void setBand(const std::array<std::uint16_t, 12>& codes) { band_ = codes; }
    std::uint8_t tunedRow() const { return tunedRow_; }  // switch byte of the last 0x10
    std::uint8_t model() const { return model_; }
    bool transmitting() const { return transmitting_; }
    std::vector<std::uint8_t> fieldPoints() const { return fieldPoints_; }
    std::uint8_t machineType() const { return machineType_; }
    std::uint32_t machineCode() const { return machineCode_; }
    void setMachine(std::uint8_t type, std::uint32_t code) {
        machineType_ = type;
        machineCode_ = code;
    }
    void setVersion(std::string text) { version_ = std::move(text); }
    // One fixed reading from now on; nothing = the four samples in turn again.
    void setMonitor(std::optional<Monitor> m) { fixedMonitor_ = m; }
    // The row byte the next calibration read answers with instead of the one asked for (a
    // terminal that names no row: 0x00), once.
    void answerNextReadWithRow(std::uint8_t rowByte) { forcedRow_ = rowByte; }
    // Data answers get each bit flipped with probability `rate` (0 = clean, the default).
    void setBitErrors(double rate, std::uint32_t seed = 1);
    // Data-test requests heard (the latest kKeptDataRequests): the mode byte and data bytes.
    static constexpr std::size_t kKeptDataRequests = 4096;
    struct DataRequest {
        std::uint8_t mode;
        wire::Bytes data;
    };
    const std::vector<DataRequest>& dataRequests() const { return dataRequests_; }
    bool fixtureRunning() const { return fixtureRunning_; }
    // The data-test requests are not answered at all (a terminal that lost the link), or again.
    void setDataSilent(bool silent) { dataSilent_ = silent; }

private:
    std::vector<wire::Bytes> ack(const wire::FrameView& request, std::uint8_t code) const;
    Monitor nextMonitor();
    std::vector<wire::Bytes> answerData(const wire::FrameView& request);
    wire::Bytes dataAnswer(wire::Bytes data);

    std::map<std::pair<std::uint8_t, std::uint8_t>, Calibration> calibration_;
    std::array<std::uint16_t, 12> band_{};
    std::uint8_t tunedRow_ = 0;
    std::uint16_t tunedTx_ = 0, tunedRx_ = 0;
    std::uint8_t model_ = 0;
    bool transmitting_ = false;
    std::vector<std::uint8_t> fieldPoints_;
    std::uint8_t machineType_ = 0;
    std::uint32_t machineCode_ = 0;
    std::string version_;
    std::optional<Monitor> fixedMonitor_;
    std::size_t monitorSample_ = 0;
    std::optional<std::uint8_t> forcedRow_;
    double bitErrorRate_ = 0.0;
    std::mt19937 bitErrors_{1};
    std::vector<DataRequest> dataRequests_;
    bool fixtureRunning_ = false;
    bool dataSilent_ = false;
};

}  // namespace rb::sim
