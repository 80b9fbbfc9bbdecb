// 計算の履歴 at its limit: a script would need a thousand lines for it.
#include "history_tape.h"

#include <gtest/gtest.h>

#include <string>

#include "line_entry.h"
#include "recording_platform.h"
#include "session.h"

namespace quantivex {
namespace {

TEST(HistoryTape, KeepsTheNewestThousandAndRestoresTheOldestKept) {
    RecordingPlatform platform;
    Form1 form(platform);
    Session session(form);
    HistoryTape tape(session);
    session.run("Form_Load");
    ASSERT_FALSE(enterLine(session, u"1 kg lb").has_value());
    ASSERT_EQ(tape.size(), 1u);
    const ControlRow& value = *equationPartRow(Side::Left, Place::Value);
    for (int v = 2; v <= 1001; ++v) {
        session.doubleClick(value);
        const std::string digits = std::to_string(v);
        session.type(form.Text2, std::u16string(digits.begin(), digits.end()));
        session.enter(form.Text2);
    }
    ASSERT_EQ(tape.size(), kHistoryEntries);
    EXPECT_EQ(tape.at(0).equation().left.value, u"1001");
    EXPECT_EQ(tape.at(kHistoryEntries - 1).equation().left.value, u"2") << "the first entry went, the next stays";
    const std::size_t steps = session.stepsTaken();
    ASSERT_TRUE(restoreEntry(session, tape, kHistoryEntries - 1));
    EXPECT_EQ(form.Label2.Caption, u"2");
    EXPECT_EQ(form.Label1.Caption, u"4.40924");
    EXPECT_EQ(session.stepsTaken(), steps + 1) << "a restore is one step";
    EXPECT_EQ(tape.size(), kHistoryEntries) << "and makes no entry";
    EXPECT_FALSE(restoreEntry(session, tape, kHistoryEntries));
}

}  // namespace
}  // namespace quantivex
