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
//   0x10 -> 0x11 switch row     -> basic read       0x9D -> 0x9E band read  -> sweep: switch row 1,
//   0x93 -> 0x94 basic read     -> sweep: next row                            else basic read
//   0x91 -> 0x92 basic write    -> sweep: next row  0x9B -> 0x9C band write -> sweep: switch row 1
//   0x99 -> 0x9A type, version  -> band read                                  + basic write
//   0x9F -> 0x90 machine type   0x95 -> 0x96 monitor   0x97 -> 0x98 transmitter / model
//   0xA0 -> 0xA1 field strength 0xA5 standing-wave reference (accepted whenever it comes)
//
// The page is one screen made of parts, each with its own state and its answers: the band
// table, the calibration values, the sweep that chains them, the device checks, the identity
// (machine type, code and serial store) and the data test. The page holds the file, answer
// dispatch and the response time-out, and gives its parts the few engine::Page pieces they use
// (ProTestHost).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/page.h"
#include "families/protest/datatest_page.h"
#include "families/protest/protest_band.h"
#include "families/protest/protest_calibration.h"
#include "families/protest/protest_checks.h"
#include "families/protest/protest_datatest.h"
#include "families/protest/protest_host.h"
#include "families/protest/protest_identity.h"
#include "families/protest/protest_ids.h"
#include "families/protest/protest_sweep.h"

namespace rb::families::protest {

class CProTest : public engine::Page, private ProTestHost {
public:
    static constexpr const char* kHeading = "终端类型:生产测试(串口速率:9600)";
    static constexpr const char* kSection = "ProTest";
    static constexpr const char* kDefaultFileName = "ProTest";
    static constexpr const char* kStoreSection = SerialStore::kSection;
    static constexpr int kBaud = 9600;

    explicit CProTest(engine::Session& session);

    using engine::Page::form;
    using engine::Page::session;

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
    bool precheckWrite() override { return sweep_.precheck(); }
    bool transferInProgress() const override { return sweep_.running(); }

    void OnReadAll() { sweep_.readAll(); }              // "全部读取"
    void OnWriteAll() { sweep_.writeAll(); }            // "全部改写"
    void SwitchRow(int row) { sweep_.switchRow(row); }  // "切换": 1-5, or kTestRowNumber

    // The data-test page; `showDataTest` puts it in this page's place (true) or brings this
    // page back (false).
    void attachDataTest(CProSRTest* page) { dataTest_.attach(page); }
    std::function<void(bool)> showDataTest;

    // --- state, for tests and front ends -----------------------------------------------------
    int currentRow() const { return band_.currentRow(); }
    int sweepFlag() const { return sweep_.flag(); }
    int channelStep() const { return band_.channelStep(); }
    int transmitterState() const { return checks_.transmitterState(); }
    int lastDataTestMode() const { return dataTest_.lastMode(); }
    const CalibrationSets& calibrationSets() const { return calibration_.sets(); }
    CalibrationSets& calibrationSets() { return calibration_.sets(); }
    bool fileMark() const { return calibration_.fileMark(); }
    static int storedEdit(int row, Power level, int value) {
        return protest::storedEdit(row, level, value);
    }
    static constexpr int kNotANumber = protest::kNotANumber;

protected:
    void OnResponseTimeout() override;

private:
    static void declareForm(engine::FormModel& f);  // protest_form.cpp
    void bindControls();
    void initialise();

    // ProTestHost: what the parts ask of the page.
    engine::Page& page() override { return *this; }
    void request(const wire::Bytes& frame) override { send(frame); }
    void requestUntimed(const wire::Bytes& frame) override;
    void succeeded(const wire::FrameView& answer, const std::string& text) override {
        reportSuccess(answer, text);
    }
    std::optional<long long> numberIn(int id, long long min, long long max,
                                      const std::string& message) override {
        return checkedNumber(id, min, max, message);
    }
    bool refuse(const std::string& text, engine::Icon icon) override;
    using ProTestHost::refuse;
    bool awaitingAnswer() const override { return timerRunning(engine::kResponseTimer); }
    void stopResponseTimer() override { stopTimer(engine::kResponseTimer); }
    void forgetAwaited() override { clearPending(); }
    void forgetSent() override;

    // The page's own buttons beside the file (protest_file.cpp).
    void OnStoreFileButton();
    void OnOpenFileButton();
    void onUnitRecords();  // "单元记录"
    void onStation();      // "自动测试"

    BandTable band_{*this};
    Calibration calibration_{*this, band_};
    Sweep sweep_{*this, calibration_, band_};
    DeviceChecks checks_{*this};
    Identity identity_{*this};
    DataTestControl dataTest_{*this, showDataTest};
};

}  // namespace rb::families::protest
