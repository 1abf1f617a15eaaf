#include "app/LanguageChoice.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <string>
#include <vector>

namespace {

constexpr const char* kExecutable = "/opt/vorelin/vorelin";

// Module files that exist, and every load and release in order.
class FakeModules : public LanguageModules {
public:
    explicit FakeModules(std::set<std::string> present) : present_(std::move(present)) {}
    bool loadModule(const std::string& path) override {
        calls.push_back(path);
        return present_.count(path) > 0;
    }
    void releaseModule() override { calls.push_back("release"); }

    std::vector<std::string> calls;

private:
    std::set<std::string> present_;
};

const std::string kGerman = "/opt/vorelin/vorelinDEU.qm";
const std::string kSwissGerman = "/opt/vorelin/vorelinDES.qm";
const std::string kFrench = "/opt/vorelin/vorelinFRA.qm";

}  // namespace

TEST(Languages, IdentifiersLocalesAndNames) {
    EXPECT_EQ(languageOfLocale("de_DE"), 0x0407);
    EXPECT_EQ(languageOfLocale("de-AT"), 0x0C07);
    EXPECT_EQ(languageOfLocale("de_AT.UTF-8"), 0x0C07);
    EXPECT_EQ(languageOfLocale("de_BE"), 0x0007) << "an unknown region gives the neutral language";
    EXPECT_EQ(languageOfLocale("de"), 0x0007);
    EXPECT_EQ(languageOfLocale("tlh"), 0);
    EXPECT_EQ(languageDisplayName(0x0407), "German (DEU)");
    EXPECT_EQ(languageDisplayName(0x0809), "English (ENG)");
    EXPECT_EQ(languageDisplayName(0x7FFF), "32767 - ???");
    EXPECT_EQ(languageModulePath("/opt/vorelin/vorelin", "DEU"), kGerman);
    EXPECT_EQ(languageModulePath("/opt/v.1/vorelin", "DEU"), "/opt/v.1/vorelinDEU.qm");
    EXPECT_EQ(languageModulePath("/opt/v/vorelin.bin", "FRA"), "/opt/v/vorelinFRA.qm");
}

TEST(Languages, TheMenuListsTheBaseFirstThenTheModulesThatDeclareALanguage) {
    const std::vector<LanguageId> modules{0x0407, 0, 0x040C};
    EXPECT_EQ(availableLanguages(0x0409, modules, 256), (std::vector<LanguageId>{0x0409, 0x0407, 0x040C}));
    EXPECT_EQ(availableLanguages(0, modules, 256), (std::vector<LanguageId>{0x0407, 0x040C}));
    EXPECT_EQ(availableLanguages(0x0409, {}, 256), (std::vector<LanguageId>{0x0409}));
    EXPECT_EQ(availableLanguages(0x0409, modules, 2), (std::vector<LanguageId>{0x0409, 0x0407}));
}

TEST(LanguageChoice, StartUpTakesTheFirstCandidateThatLoads) {
    struct Row {
        const char* name;
        std::set<std::string> present;
        std::vector<LanguageId> candidates;  // stored, the user's, the system's
        LanguageId chosen;
        std::vector<std::string> calls;
    };
    const Row rows[] = {
        {"stored language", {kGerman, kFrench}, {0x0407, 0x040C}, 0x0407, {kGerman}},
        {"nothing stored: the user's language", {kGerman, kFrench}, {0, 0x040C}, 0x040C, {kFrench}},
        {"stored module deleted: falls back down the list", {kFrench}, {0x0407, 0x040C}, 0x040C,
         {kGerman, kGerman, kFrench}},
        {"a regional language takes the neutral module", {kGerman}, {0x0807}, 0x0007, {kSwissGerman, kGerman}},
        {"a neutral language without its module takes the default sublanguage's", {"/opt/vorelin/vorelinCHT.qm"},
         {0x0004}, 0x0404, {"/opt/vorelin/vorelinCHS.qm", "/opt/vorelin/vorelinCHT.qm"}},
        {"no module at all: the base language", {}, {0x0407, 0x040C}, 0x0409,
         {kGerman, kGerman, kFrench, kFrench, "release"}},
        {"a regional base language is the base", {}, {0x0809}, 0x0409,
         {"/opt/vorelin/vorelinENG.qm", "/opt/vorelin/vorelinENU.qm", "release"}},
    };
    for (const Row& row : rows) {
        FakeModules modules(row.present);
        LanguageChoice choice(kExecutable, modules);
        EXPECT_EQ(choice.chooseAtStartup(row.candidates), row.chosen) << row.name;
        EXPECT_EQ(choice.current(), row.chosen) << row.name;
        EXPECT_EQ(modules.calls, row.calls) << row.name;
    }
}
