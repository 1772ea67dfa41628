#include "DesktopEntry.h"

#include <gtest/gtest.h>

namespace {

// Values come from installers and file systems: whatever they hold, the file gives them back
// unchanged and no value can add a key or a group of its own.
TEST(DesktopEntryTest, EveryValueSurvivesTheFile) {
    const char* values[] = {
        "plain",
        "/opt/Quelta Brovel/",
        " leading space",
        "trailing space ",
        "line\nExec=/bin/evil",
        "\n[Desktop Action evil]\nExec=/bin/evil",
        "tab\tand\rreturn",
        "back\\slash\\s\\n",
        "a=b=c",
        "",
    };
    for (const char* value : values) {
        DesktopEntry entry;
        entry.set(DesktopEntry::mainGroup, "Name", value);
        entry.set(DesktopEntry::mainGroup, "Exec", "/bin/game");
        const auto back = DesktopEntry::parse(entry.text());
        ASSERT_TRUE(back) << entry.text();
        EXPECT_EQ(back->get(DesktopEntry::mainGroup, "Name"), value);
        EXPECT_EQ(back->get(DesktopEntry::mainGroup, "Exec"), "/bin/game") << value;
        EXPECT_EQ(back->get("Desktop Action evil", "Exec"), "") << value;
        EXPECT_EQ(back->text(), entry.text());
    }
}

TEST(DesktopEntryTest, GroupsKeepTheirOrderAndKeysTheirPlace) {
    DesktopEntry entry;
    entry.set("Desktop Entry", "Name", "A");
    entry.set("Desktop Action x", "Name", "X");
    entry.set("Desktop Entry", "Exec", "a");
    entry.set("Desktop Entry", "Name", "B");
    EXPECT_EQ(entry.text(), "[Desktop Entry]\nName=B\nExec=a\n\n[Desktop Action x]\nName=X\n");
    entry.keepOnly("Desktop Entry");
    entry.remove("Desktop Entry", "Exec");
    EXPECT_EQ(entry.text(), "[Desktop Entry]\nName=B\n");
}

TEST(DesktopEntryTest, ReadsCommentsAndSpacesAroundTheSeparator) {
    const auto entry = DesktopEntry::parse("# made by hand\n[Desktop Entry]\nName = Game\n\n");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->get("Desktop Entry", "Name"), "Game");
    EXPECT_FALSE(DesktopEntry::parse("Name=before any group\n"));
    EXPECT_FALSE(DesktopEntry::parse("[Desktop Entry]\nno separator\n"));
}

} // namespace
