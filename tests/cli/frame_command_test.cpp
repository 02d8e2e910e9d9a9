#include "cli/frame_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rb::cli {
namespace {

TEST(FrameCommandTest, CompletesAndChecksFrames) {
    struct Case {
        std::vector<std::string> args;
        bool check;
        int rc;
        std::string out;  // exact stdout; stderr must be one line exactly when rc == 2
    };
    const Case cases[] = {
        {{"96", "05", "80", "16", "00", "01"}, false, kExitOk, "96 05 80 16 00 01 04\n"},
        {{"96 05 80 16 00 01"}, false, kExitOk, "96 05 80 16 00 01 04\n"},
        {{"ea", "00", "00", "23"}, false, kExitOk, "EA 00 00 23 23\n"},
        {{"96 05 80 16 00 01 04"}, true, kExitOk, "checksum 04 ok\n"},
        {{"96 05 80 16 00 01 05"}, true, kExitChecksumWrong, "checksum 05 is wrong, expected 04\n"},
        {{"96 05 80 16 00 0"}, false, kExitBadInput, ""},   // odd digits
        {{"96 05 80 16 00 0Z"}, false, kExitBadInput, ""},  // not hex
        {{"12 03 80 01"}, false, kExitBadInput, ""},        // unknown lead byte
        {{"96 06 80 16 00 01"}, false, kExitBadInput, ""},  // length byte disagrees
        {{"96 05 80 16 00 01"}, true, kExitBadInput, ""},   // checksum missing
        {{}, false, kExitBadInput, ""},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        const int rc = runFrameCommand(c.args, c.check, out, err);
        const std::string what = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(rc, c.rc) << what;
        EXPECT_EQ(out.str(), c.out) << what;
        if (rc == kExitBadInput) {
            const std::string e = err.str();
            EXPECT_FALSE(e.empty()) << what;
            EXPECT_EQ(e.find('\n'), e.size() - 1) << what;
        } else {
            EXPECT_TRUE(err.str().empty()) << what;
        }
    }
}

}  // namespace
}  // namespace rb::cli
