// FileReader: every read chain of the pages that take part in a container's file, one after
// the other in tab order (what `radiobench-cli read` runs), without waiting: a short timer
// looks at the page until its chain has ended (page_idle.h). It ends at the first chain that
// timed out or showed a message, with that reason. Each page shows while it reads; at the end
// the page that showed before does again.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/container.h"
#include "engine/page_idle.h"

namespace rb::engine {

class FileReader {
public:
    static constexpr Millis kPoll{20};
    // ok, or the reason it stopped ("操作失败", a page's message).
    using Done = std::function<void(bool ok, const std::string& reason)>;

    explicit FileReader(Session& session) : session_(session) {}
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Starts reading; false (and nothing sent) when already reading or no page reads.
    bool start(Container& container, Done done);
    bool busy() const { return container_ != nullptr; }
    // Stops following; a request already sent still gets its answer.
    void cancel();

private:
    struct Step {
        std::size_t page;
        Page::Chain chain;
    };
    void next();
    void poll();
    void finish(bool ok, const std::string& reason);

    Session& session_;
    Container* container_ = nullptr;
    std::vector<Step> steps_;
    std::size_t step_ = 0;
    std::size_t shownBefore_ = 0;
    FailureMark mark_;
    PageIdle idle_;
    Done done_;
};

}  // namespace rb::engine
