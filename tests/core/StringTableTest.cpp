#include "core/MessageSink.h"
#include "core/StringTable.h"

#include <gtest/gtest.h>

TEST(MessageSink, ApplicationBoxesCarryTheTitleAndDialogBoxesTheirOwnCaption) {
    const Message application = applicationMessage(5001, MessageIcon::None);
    EXPECT_EQ(application.caption, "Vorelin");
    EXPECT_EQ(application.owner, nullptr);
    EXPECT_EQ(application.text, "Can't run device,\nPlease try it again.");

    int dialog = 0;
    const Message owned = dialogMessage(&dialog, 5000, MessageIcon::Stop);
    EXPECT_EQ(owned.caption, "");
    EXPECT_EQ(owned.owner, &dialog);
    EXPECT_EQ(owned.number, 5000);
}

TEST(StringTable, FormatFillsNumberedPlaceholdersInOrder) {
    EXPECT_EQ(strings::format(9253, {"250"}), "250kbps");
    EXPECT_EQ(strings::format(9102, {"7"}), "Row 7");
    EXPECT_EQ(strings::format(9102, {}), "Row %1") << "a placeholder without an argument stays";
    EXPECT_FALSE(strings::contains(4999));
    EXPECT_EQ(strings::format(9360, {"/etc/x.ini", "Permission denied"}),
              "The settings could not be saved in\n/etc/x.ini\n\nPermission denied");
}
