// A 0x96 terminal that keeps each parameter group a write stores as the write's raw payload
// (frame bytes 4 up to the checksum) and answers the matching read with that same payload, so
// what the tool writes it reads back byte for byte. The LM52R and the network radio are such
// terminals; each names its groups in a table and fills its factory contents.
//
// A write acknowledgement carries the write's bytes 4-5. A write whose length differs from its
// layout, a channel group outside 1 .. channelGroups and any other command code get no answer.
// A read longer than its layout is answered (the extra bytes are ignored). An encryption scheme
// never written reads blank (00 01 scheme, zeros).
//
// Hop maps (0x38 / 0x3A) are kept and answered as sim/hop_map_store.h describes; the version
// read as sim/frame96_reply.h does.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "sim/hop_map_store.h"
#include "sim/terminal.h"

namespace rb::sim {

class GroupTableTerminal : public Terminal {
public:
    static constexpr int kBaud = 9600;

    // How a group is told apart from its siblings in a frame.
    enum class Key { None, ChannelGroup, Scheme };
    // One parameter group: its write and read requests (code and whole frame length).
    struct Group {
        const char* name;
        std::uint8_t writeCode;
        std::size_t writeLength;
        std::uint8_t readCode;
        std::size_t readLength;
        Key key;
    };

    std::vector<wire::Bytes> answer(const wire::FrameView& request) override;
    int baud() const override { return kBaud; }

    // Forgets everything written and restores the factory contents.
    void factoryReset();

    // The payload (frame bytes 4 .. n-2) a group's last write left, by write code (and key:
    // channel group or scheme); empty when there is none.
    wire::Bytes stored(std::uint8_t writeCode, int key = 0) const;

protected:
    // `groups` outlives the terminal (a table of the family's); channel groups are 1 .. count.
    GroupTableTerminal(std::span<const Group> groups, int channelGroups)
        : groups_(groups), channelGroups_(channelGroups) {}

    // The family's factory contents, put in place with store(), hopMaps() and setVersion().
    virtual void storeFactoryContents() = 0;
    // The payload a read answers with, from what the group's write left (a family whose read
    // answer lays the bytes out differently from its write reshapes it here).
    virtual wire::Bytes readPayload(const Group& /*group*/, wire::Bytes written) const {
        return written;
    }

    void store(std::uint8_t writeCode, int key, wire::Bytes payload);
    HopMapStore& hopMaps() { return hopMaps_; }
    void setVersion(std::string text) { version_ = std::move(text); }

private:
    const Group* groupWritten(std::uint8_t code) const;
    const Group* groupRead(std::uint8_t code) const;
    std::optional<int> keyOf(Key key, const wire::FrameView& f) const;
    std::vector<wire::Bytes> answerWrite(const Group& group, const wire::FrameView& request);
    std::vector<wire::Bytes> answerRead(const Group& group, const wire::FrameView& request);

    std::span<const Group> groups_;
    int channelGroups_;
    // Written payloads by (write code, key); key 0 where the group has none.
    std::map<std::pair<std::uint8_t, int>, wire::Bytes> stored_;
    HopMapStore hopMaps_;
    std::string version_;
};

}  // namespace rb::sim
