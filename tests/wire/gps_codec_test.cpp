// The GPS fix codec: coordinates x 1e7 in a signed 32-bit number, refused beyond it; direction
// and speed as two 12-bit fields in three bytes.
#include <gtest/gtest.h>

#include "wire/codecs.h"

using namespace rb::wire;

TEST(GpsCodec, CoordinatesBothWays) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> raw;
    };
    const Case cases[] = {
        {"122.729031", 1227290310},
        {"23.123456", 231234560},
        {"-122.729031", -1227290310},
        {"0", 0},
        {"", 0},
        {"abc", 0},
        {"214.7483647", 2147483647},
        {"-214.7483648", -2147483647 - 1},
        {"214.7483648", std::nullopt},
        {"-215", std::nullopt},
        {"1e300", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(gpsCoordinate(c.text), c.raw) << c.text;
    EXPECT_EQ(gpsDegreesText(std::int32_t(0xB6D9093A)), "-122.729031");
    EXPECT_EQ(gpsDegreesText(231234560), "23.123456");
    EXPECT_EQ(gpsDegreesText(-2147483647 - 1), "-214.748365");
}

TEST(GpsCodec, DirectionAndSpeedPackIntoThreeBytes) {
    struct Case {
        const char* direction;
        const char* speed;
        Bytes bytes;
    };
    const Case cases[] = {
        {"179.5", "9.3", {0x70, 0x30, 0x5D}},
        {"0", "409.5", {0x00, 0x0F, 0xFF}},
        {"359.9", "0", {0xE0, 0xF0, 0x00}},
        {"409.6", "409.6", {0x00, 0x00, 0x00}},  // 4096 keeps its low 12 bits on the wire
    };
    for (const Case& c : cases) {
        Bytes out;
        putGpsCourse(out, c.direction, c.speed);
        EXPECT_EQ(out, c.bytes) << c.direction << " " << c.speed;
    }
    EXPECT_EQ(gpsDirectionText(0x70, 0x30), "179.5");
    EXPECT_EQ(gpsSpeedText(0x30, 0x5D), "9.3");
    EXPECT_EQ(gpsSpeedText(0xFF, 0xFF), "409.5");
}
