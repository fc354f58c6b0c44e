#include <gtest/gtest.h>

#include "AutoplayNotice.h"
#include "MemorySettingsStore.h"
#include "PlayerName.h"
#include "PlayerRecordStore.h"
#include "QStringPrinter.h"

namespace kestrel {
namespace {

TEST(AutoplayNotice, MissingOrNonNumericValueKeepsTheFlag) {
    test::MemorySettingsStore memory;
    const AutoplayNotice notice{memory};
    EXPECT_FALSE(notice.shown(false));
    EXPECT_TRUE(notice.shown(true));
    memory.setValue("notice", "autoplay", "yes");
    EXPECT_FALSE(notice.shown(false));
    memory.setValue("notice", "autoplay", "0");
    EXPECT_FALSE(notice.shown(true));
    memory.setValue("notice", "autoplay", "5");
    EXPECT_TRUE(notice.shown(false));
}

TEST(AutoplayNotice, ShownOnceForEverySlot) {
    test::MemorySettingsStore memory;
    PlayerRecordStore records{memory};
    AutoplayNotice notice{memory};
    ASSERT_TRUE(notice.markShown());
    EXPECT_EQ(memory.value("notice", "autoplay"), "-1");
    records.switchTo(5, PlayerRecord{});
    EXPECT_TRUE(notice.shown(false));

    memory.setWritable(false);
    EXPECT_FALSE(notice.markShown());
}

TEST(PlayerName, EntryHoldsOneToTwelveCharactersCountedAsCodePoints) {
    EXPECT_EQ(checkName(u""), NameCheck::NothingEntered);
    EXPECT_EQ(checkName(u"abcdefghijkl"), NameCheck::Accepted);
    EXPECT_EQ(checkName(u"abcdefghijklm"), NameCheck::TooLong);
    EXPECT_EQ(checkName(u"ÄÖÜäöüßéèêëç"), NameCheck::Accepted);
    EXPECT_EQ(checkName(u"🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰"), NameCheck::Accepted);
    EXPECT_EQ(checkName(u"🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰🎰"), NameCheck::TooLong);
}

}  // namespace
}  // namespace kestrel
