#include "core/MessageSink.h"
#include "core/StringTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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

// What a module lacks: each entry without a text, or whose text has other
// placeholders than the program's own.
std::vector<std::string> moduleFaults(const std::map<int, std::string>& module) {
    std::vector<std::string> faults;
    for (int number : strings::numbers()) {
        const auto it = module.find(number);
        const std::string own(strings::text(number));
        if (it == module.end() || it->second.empty())
            faults.push_back("no text for " + std::to_string(number) + " \"" + own + "\"");
        else if (placeholdersIn(it->second) != placeholdersIn(own))
            faults.push_back("other placeholders in " + std::to_string(number) + " \"" + it->second + "\"");
    }
    return faults;
}

std::vector<std::filesystem::path> moduleSources() {
    std::vector<std::filesystem::path> sources;
    for (const auto& entry : std::filesystem::directory_iterator(VORELIN_TRANSLATIONS_DIR)) {
        if (entry.path().extension() == ".ts")
            sources.push_back(entry.path());
    }
    return sources;
}

}  // namespace

TEST(StringTable, EveryLanguageModuleTranslatesEveryEntryWithItsPlaceholders) {
    const std::vector<std::filesystem::path> sources = moduleSources();
    ASSERT_FALSE(sources.empty());
    for (const std::filesystem::path& source : sources) {
        const std::map<int, std::string> module = translationsIn(source.string());
        ASSERT_FALSE(module.empty()) << source;
        EXPECT_EQ(moduleFaults(module), std::vector<std::string>{}) << source;
    }
}

TEST(StringTable, AnEntryMissingEmptyOrWithOtherPlaceholdersIsCaught) {
    std::map<int, std::string> german = translationsIn(VORELIN_TRANSLATIONS_DIR "/vorelin_deu.ts");
    german.erase(strings::kSetupFailed);
    german[strings::kFramesLost] = "Frames verloren";
    german[strings::kAppTitle] = "";
    EXPECT_EQ(moduleFaults(german).size(), 3u);
    EXPECT_EQ(moduleFaults(german).front(), "no text for 128 \"Vorelin\"");
}
