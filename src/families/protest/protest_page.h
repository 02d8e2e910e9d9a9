// CProTest: the production-test bench page ("终端类型:生产测试(串口速率:9600)"). One screen tunes
// one terminal: five calibration rows and a test row (band table, "切换"), the eight calibration
// values of a row at two power levels (one spin click writes the whole set), the sweeps "全部读取"
// (22 exchanges) and "全部改写" (11), monitor readings with their grade, the transmitter and the
// model variant, field-strength points, the machine type and a serial machine code handed out
// from the serial store, and the "ProTest" file.
//
// Every request is 96 N 80 code 00 01 payload cs; the answer code is the request's + 1, except
// 0x9F (machine type) which is answered by 0x90. The page never locks buttons; timer 1 is the
// 2000 ms response time-out, which also ends a sweep.
//
//   0x10 -> 0x11 switch row     -> ReadBasic        0x9D -> 0x9E band read  -> sweep: SwitchRow(1),
//   0x93 -> 0x94 basic read     -> sweep: next row                            else ReadBasic
//   0x91 -> 0x92 basic write    -> sweep: next row  0x9B -> 0x9C band write -> sweep: SwitchRow(1)
//   0x99 -> 0x9A type, version  -> ReadBand                                   + WriteBasic
//   0x9F -> 0x90 machine type   0x95 -> 0x96 monitor   0x97 -> 0x98 transmitter / model
//   0xA0 -> 0xA1 field strength 0xA5 standing-wave reference (accepted whenever it comes)
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "engine/page.h"
#include "families/protest/datatest_page.h"
#include "families/protest/protest_ids.h"

namespace rb::families::protest {

// The calibration sets the page keeps: 5 rows x 2 power levels x 8 values.
enum class Power { Low = 0, High = 1 };
using CalibrationSet = std::array<int, ids::kCalibrationCount>;
using CalibrationSets = std::array<std::array<CalibrationSet, 2>, ids::kRowCount>;

inline constexpr std::uint8_t kLowPowerByte = 0x22;
inline constexpr std::uint8_t kHighPowerByte = 0x44;
inline constexpr int kTestRowNumber = 6;

// The machine types of combo 1145, in list order, with the code the terminal stores.
struct MachineType {
    const char* text;
    std::uint8_t code;
};
extern const std::array<MachineType, 23> kMachineTypes;

// "理想--231": a data-quality value with its grade prefix.
std::string qualityText(int q);

class CProTest : public engine::Page {
public:
    static constexpr const char* kHeading = "终端类型:生产测试(串口速率:9600)";
    static constexpr const char* kSection = "ProTest";
    static constexpr const char* kDefaultFileName = "ProTest";
    static constexpr const char* kStoreSection = "ProTestSerial";
    static constexpr int kBaud = 9600;

    explicit CProTest(engine::Session& session);

    void OnFrame(const wire::FrameView& frame) override;

    // The file: "存储文件" / "打开文件" of the page, and the command line's read / write.
    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;
    void loadFile(const ini::IniFile& file) override;
    // read: "全部读取"; write: "全部改写" (each also moves the band table).
    std::vector<Chain> fileReadChains() override;
    std::vector<Chain> fileWriteChains() override;
    // "全部改写" checks everything it will send before its first frame: the band table, then
    // the ten stored calibration sets in the order the sweep writes them.
    bool precheckWrite() override;
    bool transferInProgress() const override { return sweepFlag_ != 0; }

    // --- operations named across the page's groups --------------------------------------------
    void ReadBasic();
    void WriteBasic();
    void ShowStoredSet();
    void SwitchRow(int row);  // 1-5, or kTestRowNumber
    void ReadBand();
    void WriteBand();
    void RepaintRows();
    void ReadTypeVersion();
    void InitType();
    void OnReadAll();   // "全部读取"
    void OnWriteAll();  // "全部改写"

    // --- the data-transmission test (protest_datatest.cpp) ------------------------------------
    // The page that shows the test; `showDataTest` puts it in this page's place (true) or
    // brings this page back (false).
    void attachDataTest(CProSRTest* page);
    std::function<void(bool)> showDataTest;
    // Writes one test-data frame 96 L+6 80 A2 00 01 mode data cs: no response timer, the
    // status bar left alone. `background`: nobody waits for an answer to it.
    void SendTestData(int mode, const wire::Bytes& data, bool background = false);
    void OnDataTest();  // "数传测试"
    void OnStopTest();  // "停止测试"
    int lastDataTestMode() const { return lastDataTestMode_; }

    // --- state, for tests and front ends -----------------------------------------------------
    int currentRow() const { return currentRow_; }
    int sweepFlag() const { return sweepFlag_; }
    int channelStep() const { return channelStep_; }
    int transmitterState() const { return transmitterState_; }
    const CalibrationSets& calibrationSets() const { return sets_; }
    CalibrationSets& calibrationSets() { return sets_; }
    bool fileMark() const { return form().checked(ids::kFileMark); }
    // The hidden edit that holds stored value `value` of (row 1-5, level) as it was asked for
    // (the file's text, or what the terminal answered): what a verification compares.
    static int storedEdit(int row, Power level, int value) {
        return ids::kStoredBase + (row - 1) * 20 + int(level) * 10 + value;
    }
    // A stored value that is no number at all (its text is in its hidden edit).
    static constexpr int kNotANumber = std::numeric_limits<int>::min();

protected:
    void OnResponseTimeout() override;

private:
    static void declareForm(engine::FormModel& f);  // protest_form.cpp
    void bindControls();
    void initialise();

    // Calibration (protest_page.cpp).
    Power power() const;
    void selectPower(Power p);
    std::uint8_t powerByte() const;
    std::uint8_t rowByte() const;
    void zeroCalibrationFields();
    void onPowerRadio();
    void onBasicAnswer(const wire::FrameView& f);
    void onBasicWritten(const wire::FrameView& f);
    // The eight calibration fields, each a whole number 0-255, or the first refusal shown.
    std::optional<CalibrationSet> checkedCalibrationFields();
    // The ten stored sets, in the order "全部改写" sends them.
    bool checkStoredSets();
    // What a stored value shows as, and its hidden edit kept in step with it.
    std::string storedText(int row, Power level, int value) const;
    void keepStored(int row, Power level, int value, int number, const std::string& text);
    void syncStoredEdits();
    // A sweep whose next step was refused ends at once.
    void stopSweep();
    // A sweep met something it cannot go on from: it ends as a failure, not silently.
    void failSweep();
    void setCurrentRow(int row);

    // Band table and switching (protest_band.cpp).
    void onSpacing();
    void onBandAnswer(const wire::FrameView& f);
    bool checkRow(const ids::FrequencyRow& row);
    // Every frequency of the band table fits its 16-bit code, or the first refusal shown.
    bool checkBandTable();

    // Monitor, transmitter, model, field strength (protest_checks.cpp).
    void bindChecks();
    void onTransmit(bool on);
    void onModelRadio();
    void onFieldStrength(std::uint8_t point, const char* question);
    void onMonitorAnswer(const wire::FrameView& f);
    std::uint8_t modelByte() const;

    // Machine type and serial store (protest_machine.cpp).
    void bindMachine();
    void readSerialStore();
    void OnSetRange();
    void onTypeSelected();
    void onTypeVersionAnswer(const wire::FrameView& f);
    // Writes keys into the serial store atomically; a failure is shown to the technician.
    // Takes the store's lock, reads it afresh and writes the keys.
    bool writeSerialStore(const std::vector<std::pair<std::string, std::string>>& keys);
    // Sets the keys into `store` (read under the caller's lock) and replaces the file.
    bool saveSerialStore(ini::IniFile& store,
                         const std::vector<std::pair<std::string, std::string>>& keys);

    void onDataTestAnswer(const wire::FrameView& f);

    // Unit records (protest_records.cpp): each is made where the terminal's answer is taken
    // (a record means "done"); what a write carried is remembered when it is sent.
    struct SentSet {
        int row = 0;
        Power power = Power::Low;
        CalibrationSet values{};
    };
    using BandPairs = std::array<std::pair<long, long>, ids::kRowCount + 1>;  // 100 Hz units
    void recordCalibration(const char* action, const SentSet& set);
    void recordBand(const char* action, const BandPairs& pairs);
    void recordMachine(const char* source, std::uint8_t typeCode, const std::string& code,
                       const std::string& version);
    void recordTransmit();
    void recordFieldStrength();
    void recordDataTest(int mode, int q, std::size_t length, std::optional<double> rate);
    void recordFailure(const std::string& message);
    void forgetSent();     // a time-out: no answer will come for what was sent
    void onUnitRecords();  // "单元记录"
    std::string typeText(std::uint8_t typeCode) const;

    // The page's own file buttons (protest_file.cpp).
    void OnStoreFileButton();
    void OnOpenFileButton();

    // A request the page sends without its response timer and traced after it was written
    // (the model radios).
    void sendUntimed(const wire::Bytes& frame);
    // A box with caption "提示" that stops an action (counted as a message for front ends).
    bool stopWith(const std::string& text, engine::Icon icon = engine::Icon::Information);

    int currentRow_ = 0;
    int sweepFlag_ = 0;
    int channelStep_ = 250;
    int transmitterState_ = 0;
    int transmitReportFlag_ = 0;
    CalibrationSets sets_{};
    CProSRTest* dataTest_ = nullptr;
    int lastDataTestMode_ = 0;

    std::deque<SentSet> sentSets_;           // basic writes waiting for 0x92
    std::optional<BandPairs> sentBand_;      // band write waiting for 0x9C
    std::deque<std::string> sentTransmit_;   // "transmitter" / "model" waiting for 0x98
    std::optional<std::uint8_t> sentField_;  // field-strength point waiting for 0xA1
    struct SentMachine {
        int typeIndex;
        std::string code;
    };
    std::optional<SentMachine> sentMachine_;  // InitType waiting for 0x90
};

}  // namespace rb::families::protest
