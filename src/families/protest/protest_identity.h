// Identity: who the terminal on the bench is. "初始化机型" programs a machine type and the next
// serial machine code from the store's range (0x9F, answered by 0x90); "读取基本参数" reads type,
// code and version back (0x99 -> 0x9A); "设置序号范围" keeps the range. A code the terminal holds
// names the unit the records belong to.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "families/protest/protest_host.h"
#include "families/protest/protest_serial_store.h"

namespace rb::families::protest {

// The machine types of combo 1145, in list order, with the code the terminal stores.
struct MachineType {
    const char* text;
    std::uint8_t code;
};
extern const std::array<MachineType, 23> kMachineTypes;

class Identity {
public:
    explicit Identity(ProTestHost& host) : host_(host) {}

    void bind();
    // The store is chosen here, once the session's paths are final.
    void initialise() { store().show(); }

    void readTypeVersion();
    void initType();

    void onTypeVersionAnswer(const wire::FrameView& f);  // 0x9A
    void onTypeWritten(const wire::FrameView& f);        // 0x90
    void forget() { sent_.reset(); }

private:
    using Request = SerialRequest;
    std::optional<Request> checkedRequest();
    SerialStore& store();
    void onTypeSelected();
    void setRange();
    // A type's text as records name it, or its code when the list does not know it.
    std::string typeText(std::uint8_t typeCode) const;
    void record(const char* source, std::uint8_t typeCode, const std::string& code,
                const std::string& version);

    ProTestHost& host_;
    std::unique_ptr<SerialStore> store_;
    struct Sent {
        int typeIndex;
        std::string code;
    };
    std::optional<Sent> sent_;  // "初始化机型" waiting for 0x90
};

}  // namespace rb::families::protest
