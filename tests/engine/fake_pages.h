// A small two-page container for the engine tests. The first page reads with 0x10 -> 0x11 ->
// 0x12 -> 0x13 and writes with 0x20 -> 0x21; the second page answers 0x31 to its single
// request 0x30. Both take part in the file with one key each.
#pragma once

#include <memory>

#include "engine/container.h"
#include "engine/page.h"
#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "support/fake_link.h"
#include "wire/frame.h"

namespace rb::testing {

class FirstPage : public engine::Page {
public:
    explicit FirstPage(engine::Session& s) : Page(s, 0) {
        form().addButton(engine::kReadButton, "读取数据");
        form().addButton(engine::kWriteButton, "写录数据");
        form().addEdit(100, 7, "");
        bindReadWrite();
    }
    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }
    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& f) override {
        f.setRaw("TelSet", "First Value", form().text(100));
    }
    void loadFile(const ini::IniFile& f) override {
        form().setText(100, f.getRaw("TelSet", "First Value"));
    }

    void OnFrame(const wire::FrameView& f) override {
        switch (f.code()) {
            case 0x11:
                form().setInt(100, f[4]);
                reportSuccess(f, "第一步成功");
                send(wire::frame96(0x12));
                break;
            case 0x13:
                reportSuccess(f, "第二步成功");
                break;
            case 0x21:
                reportSuccess(f, "写入成功");
                break;
            default:
                ++ignored;
        }
    }
    int resets = 0;
    int ignored = 0;

protected:
    void resetFields() override {
        ++resets;
        form().setText(100, "0");
    }
    void sendFirstRead() override { send(wire::frame96(0x10)); }
    void sendFirstWrite() override {
        if (form().intValue(100) > 200) {
            showMessage("数值设置错误,请设为0-200!");
            return;
        }
        send(wire::frame96(0x20, {std::uint8_t(form().intValue(100))}));
    }
};

class SecondPage : public engine::Page {
public:
    explicit SecondPage(engine::Session& s) : Page(s, 1) {
        form().addButton(500, "查询");
        form().addEdit(501);
        form().onClick(500, [this] {
            beginRequest();
            send(wire::frame96(0x30));
        });
    }
    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& f) override { f.setText("TelSet", "机主", form().text(501)); }
    void loadFile(const ini::IniFile& f) override {
        form().setText(501, f.getText("TelSet", "机主"));
    }
    void OnFrame(const wire::FrameView& f) override {
        if (f.code() == 0x31) {
            ++answers;
            reportSuccess(f, "查询成功");
        }
        if (f.code() == 0x77) throw std::runtime_error("decoder failed");
    }
    int answers = 0;
};

// Everything a test needs: manual clock, scripted prompter, session, fake port, container.
struct Bench {
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    engine::Session session{timers, prompter, engine::UserPaths::inDirectory("/tmp")};
    FakeOpener opener;
    std::unique_ptr<engine::Container> container;
    FirstPage* first = nullptr;
    SecondPage* second = nullptr;
    std::vector<std::pair<int, std::string>> traces;

    explicit Bench(engine::Routing routing = engine::Routing::ByRequestPage,
                   wire::ChecksumTest test = wire::ChecksumTest::AlwaysCompared) {
        session.tool = wire::CCommTool([] { return std::string("2008-08-11 09:30:05"); });
        session.attachMonitor(
            [this](std::uint8_t code, const std::string& t) { traces.emplace_back(code, t); });
        engine::ContainerConfig config;
        config.heading = "终端类型:测试(串口速率:9600)";
        config.defaultFileName = "Test";
        config.routing = routing;
        config.checksumTest = test;
        container = std::make_unique<engine::Container>(session, config);
        first = static_cast<FirstPage*>(
            &container->addPage(std::make_unique<FirstPage>(session), "基本信息"));
        second = static_cast<SecondPage*>(
            &container->addPage(std::make_unique<SecondPage>(session), "用户信息"));
        session.theComm.setOpener(opener.opener());
        session.theComm.SetWnd(container.get());
    }
    bool open() { return session.theComm.Open(1, 9600); }
    FakeLink& link() { return *opener.last; }
    // The terminal answers with a 0x96 frame.
    void answer(std::uint8_t code, std::initializer_list<std::uint8_t> payload = {}) {
        link().receive(wire::frame96(code, payload));
    }
    std::vector<std::uint8_t> codesWritten() const {
        std::vector<std::uint8_t> out;
        if (opener.last)
            for (auto& w : opener.last->writes) out.push_back(w.size() > 3 ? w[3] : 0);
        return out;
    }
    std::string lastTrace() const { return traces.empty() ? "" : traces.back().second; }
};

}  // namespace rb::testing
