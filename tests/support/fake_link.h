// Test doubles for the port: a link that records what the tool writes and lets a test inject
// received bytes, and an opener that hands it out.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/link.h"
#include "wire/frame.h"

namespace rb::testing {

class FakeLink : public engine::Link {
public:
    bool isOpen() const override { return open_; }
    void write(wire::ByteSpan bytes) override { writes.emplace_back(bytes.begin(), bytes.end()); }
    void close() override { open_ = false; }

    // Bytes arriving from the terminal.
    void receive(const wire::Bytes& bytes) { deliver(bytes); }
    // The device vanishing.
    void vanish(const std::string& reason) { lost(reason); }

    std::vector<wire::Bytes> writes;

private:
    bool open_ = true;
};

// Opens a FakeLink and keeps a pointer to it for the test (owned by the port object).
struct FakeOpener {
    FakeLink* last = nullptr;
    bool refuse = false;
    std::string reason = "设备不存在";

    engine::LinkOpener opener() {
        return [this](const engine::PortRequest&) {
            engine::OpenResult r;
            if (refuse) {
                r.error = reason;
                return r;
            }
            auto link = std::make_unique<FakeLink>();
            last = link.get();
            r.link = std::move(link);
            return r;
        };
    }
};

}  // namespace rb::testing
