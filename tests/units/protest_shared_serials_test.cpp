// The production page with its serials in the shared PostgreSQL database (the unit records'
// location is a server): "设置序号范围" asks first and sets the range for every bench,
// "初始化机型" on two benches gives disjoint machine codes with the same frame as a bench's own
// store, and a spent range, a serial moved back or a server out of reach are refused with
// nothing sent.
#include <set>

#include "store_backends.h"
#include "units/pg_schema.h"
#include "units/shared_serials.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;

std::unique_ptr<ProtestBench> benchOn(const std::string& records) {
    auto b = std::make_unique<ProtestBench>(false, false);
    b->session.paths.unitDatabase = records;
    b->build();
    return b;
}

// "设置序号范围" with these fields, the confirmation answered `answer`.
void setRange(ProtestBench& b, const char* start, const char* end, const char* serial,
              engine::Answer answer) {
    b.form().type(ids::kRangeStart, start);
    b.form().type(ids::kRangeEnd, end);
    b.form().type(ids::kSerial, serial);
    b.prompter.answers.push_back(answer);
    b.form().click(ids::kSetRangeButton);
}

class ProtestSharedSerialsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(db_.problem.empty()) << db_.problem; }
    // The range row as the server has it; none before any range was set.
    std::optional<units::SerialRange> stored() {
        units::PgConnection c;
        std::string error;
        int version = 0;
        EXPECT_TRUE(c.connect(db_.location(), &error) &&
                    units::migratePostgres(c, &version, &error))
            << error;
        return units::SharedSerials(c, "ProTestSerial").read(&error);
    }
    TestDatabase db_{Backend::Postgres};
};

TEST_F(ProtestSharedSerialsTest, TheRangeIsSetForEveryBenchOnlyWhenConfirmed) {
    auto a = benchOn(db_.location());
    setRange(*a, "0010", "0020", "0010", engine::Answer::Cancel);
    EXPECT_EQ(a->prompter.lastText(), "序号范围将对所有测试台生效,是否继续?");
    EXPECT_EQ(a->prompter.boxes.back().buttons, engine::Buttons::OkCancel);
    EXPECT_FALSE(stored());  // Cancel: nothing on the server
    setRange(*a, "0010", "0020", "0010", engine::Answer::Ok);
    const auto kept = stored();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->start, 10);
    EXPECT_EQ(kept->end, 20);
    EXPECT_EQ(kept->next, 10);
    // Another bench opened afterwards shows the shared range and the next number.
    auto b = benchOn(db_.location());
    EXPECT_EQ(b->form().text(ids::kSerial), "0010");
    EXPECT_EQ(b->form().text(ids::kRangeStart), "0010");
    EXPECT_EQ(b->form().text(ids::kRangeEnd), "0020");
    // A later change Cancelled leaves the one in force.
    setRange(*b, "0100", "0200", "0100", engine::Answer::Cancel);
    EXPECT_EQ(stored()->next, 10);
}

TEST_F(ProtestSharedSerialsTest, TwoBenchesSendDisjointCodesInTheSameFrame) {
    auto a = benchOn(db_.location());
    auto b = benchOn(db_.location());  // opened before the range: shows the defaults
    setRange(*a, "0001", "0004", "0001", engine::Answer::Ok);
    a->form().type(ids::kYear, "08");
    a->form().type(ids::kBatch, "1");
    a->form().select(ids::kTypeCombo, 4);
    a->form().click(ids::kInitTypeButton);
    EXPECT_EQ(a->lastWrite(), hex("96 09 80 9F 00 01 21 0C 5C 11 E1"));  // M = 810001
    EXPECT_EQ(a->form().text(ids::kMachineCode), "0810001");
    EXPECT_EQ(a->form().text(ids::kSerial), "0002");
    a->answer(0x90);

    std::set<std::uint32_t> codes{810001};
    for (auto* bench : {b.get(), a.get(), b.get()}) {
        bench->form().type(ids::kYear, "08");
        bench->form().type(ids::kBatch, "1");
        const auto got = handOut(*bench, 1);
        ASSERT_EQ(got.size(), 1u) << bench->prompter.lastText();
        codes.insert(got[0]);
    }
    EXPECT_EQ(codes, (std::set<std::uint32_t>{810001, 810002, 810003, 810004}));
    // The range is spent: refused on either bench, nothing sent.
    for (auto* bench : {a.get(), b.get()}) {
        const std::size_t before = bench->writes().size();
        bench->form().click(ids::kInitTypeButton);
        EXPECT_EQ(bench->writes().size(), before);
        EXPECT_EQ(bench->prompter.lastText(), "序号已用完,请重新设置序号范围!");
    }
}

TEST_F(ProtestSharedSerialsTest, ASerialMovedBackOntoAUsedNumberIsRefusedWithItsReason) {
    auto a = benchOn(db_.location());
    setRange(*a, "0000", "0100", "0010", engine::Answer::Ok);
    ASSERT_EQ(handOut(*a, 2).size(), 2u);  // 0010, 0011
    const struct {
        const char* serial;
        const char* refusal;  // none: kept
    } cases[] = {
        {"0005", "序号必须大于已分配的序号0011!"},
        {"0011", "序号必须大于已分配的序号0011!"},
        {"abc", "产品序号输入不正确,请设为0-9999!"},
        {"0101", "产品序号不在设置范围内!"},
        {"0012", nullptr},
    };
    for (const auto& c : cases) {
        const std::size_t boxes = a->prompter.boxes.size();
        setRange(*a, "0000", "0100", c.serial, engine::Answer::Ok);
        if (c.refusal) {
            EXPECT_EQ(a->prompter.lastText(), c.refusal) << c.serial;
            EXPECT_EQ(stored()->next, 12) << c.serial;
        } else {
            EXPECT_EQ(a->prompter.boxes.size(), boxes + 1) << c.serial;  // the question alone
            EXPECT_EQ(stored()->next, 12);
        }
    }
}

TEST(ProtestSharedSerials, AServerOutOfReachHandsOutNoNumber) {
    ProtestDir dir;
    // A socket folder with no server in it: refused at once.
    auto a = benchOn("postgresql://bench@/factory?host=" + dir.file("no-server"));
    EXPECT_NE(a->prompter.lastText().find("序号数据库无法连接!"), std::string::npos);
    a->form().click(ids::kInitTypeButton);
    EXPECT_TRUE(a->writes().empty());
    EXPECT_EQ(a->prompter.lastText().rfind("序号数据库无法连接,未分配序号!", 0), 0u)
        << a->prompter.lastText();
    EXPECT_EQ(a->form().text(ids::kMachineCode), "");
    EXPECT_FALSE(std::filesystem::exists(a->session.paths.serialStore));
}

}  // namespace
}  // namespace rb::testing
