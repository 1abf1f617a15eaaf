#include "app/RecentFileList.h"

#include <gtest/gtest.h>

using Paths = std::vector<std::string>;

TEST(RecentFileList, NewestFirstWithoutRepeatsAndAtMostFour) {
    RecentFileList list(4);
    for (const char* path : {"/a.orx", "/b.orx", "/c.orx", "/d.orx"})
        list.add(path);
    EXPECT_EQ(list.paths(), (Paths{"/d.orx", "/c.orx", "/b.orx", "/a.orx"}));
    list.add("/b.orx");
    EXPECT_EQ(list.paths(), (Paths{"/b.orx", "/d.orx", "/c.orx", "/a.orx"})) << "a reopened file moves up";
    list.add("/e.orx");
    EXPECT_EQ(list.paths(), (Paths{"/e.orx", "/b.orx", "/d.orx", "/c.orx"})) << "the oldest falls off";
    list.remove("/d.orx");
    EXPECT_EQ(list.paths(), (Paths{"/e.orx", "/b.orx", "/c.orx"}));
    list.remove("/missing.orx");
    EXPECT_EQ(list.paths().size(), 3u);
}
