// A link that counts the bytes crossing the line in either direction, around the real one, for
// the benchmarks that hold a chain against its wire time.
#pragma once

#include <memory>

#include "engine/link.h"

namespace rb::bench {

class CountingLink : public engine::Link {
public:
    explicit CountingLink(std::unique_ptr<engine::Link> inner) : inner_(std::move(inner)) {
        inner_->setHandlers(
            [this](wire::ByteSpan b) {
                received += b.size();
                deliver(b);
            },
            [this](const std::string& reason) { lost(reason); });
    }
    bool isOpen() const override { return inner_->isOpen(); }
    void write(wire::ByteSpan bytes) override {
        sent += bytes.size();
        inner_->write(bytes);
    }
    void close() override { inner_->close(); }

    std::size_t sent = 0;
    std::size_t received = 0;

private:
    std::unique_ptr<engine::Link> inner_;
};

}  // namespace rb::bench
