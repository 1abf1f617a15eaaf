#include "core/MessageSink.h"
#include "core/StringTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

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

TEST(StringTable, TranslationsReplaceTextsByNumberAndKeepTheRest) {
    strings::useTranslations({{9102, "Zeile %1"}, {5001, "Ger\xC3\xA4t l\xC3\xA4uft nicht."}});
    EXPECT_EQ(strings::text(5001), "Ger\xC3\xA4t l\xC3\xA4uft nicht.");
    EXPECT_EQ(strings::format(9102, {"7"}), "Zeile 7");
    EXPECT_EQ(strings::text(5000).substr(0, 13), "Device error,") << "a number the module lacks";
    EXPECT_EQ(strings::baseText(9102), "Row %1") << "the program's own text stays at hand";
    strings::useTranslations({});
    EXPECT_EQ(strings::format(9102, {"7"}), "Row 7");
}

namespace {

// The translations of a Qt Linguist file by message id, read as plain text:
// enough for the files this project writes.
std::map<int, std::string> translationsIn(const std::string& path) {
    std::ifstream file(path);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string ts = bytes.str();
    std::map<int, std::string> texts;
    for (std::size_t at = ts.find("<message id=\""); at != std::string::npos;
         at = ts.find("<message id=\"", at + 1)) {
        const int id = std::stoi(ts.substr(at + 13));
        const std::size_t end = ts.find("</message>", at);
        const std::size_t open = ts.find("<translation", at);
        if (open > end)
            continue;
        const std::size_t textStart = ts.find('>', open) + 1;
        const bool unfinished = ts.substr(open, textStart - open).find("unfinished") != std::string::npos;
        if (!unfinished)
            texts[id] = ts.substr(textStart, ts.find("</translation>", textStart) - textStart);
    }
    return texts;
}

std::multiset<std::string> placeholdersIn(const std::string& text) {
    std::multiset<std::string> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] != '%')
            found.insert(text.substr(i, 2));
    }
    return found;
}

}  // namespace

TEST(StringTable, TheGermanModuleTranslatesEveryEntryWithItsPlaceholders) {
    const std::map<int, std::string> german = translationsIn(VORELIN_TRANSLATIONS_DIR "/vorelin_deu.ts");
    ASSERT_FALSE(german.empty()) << "the German module's source is missing";
    for (int number : strings::numbers()) {
        const auto it = german.find(number);
        if (it == german.end() || it->second.empty()) {
            ADD_FAILURE() << "no German text for " << number << " \"" << strings::text(number) << "\"";
            continue;
        }
        EXPECT_EQ(placeholdersIn(it->second), placeholdersIn(std::string(strings::text(number)))) << number;
    }
}
