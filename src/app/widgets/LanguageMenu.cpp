#include "app/widgets/LanguageMenu.h"

#include "app/CommandIds.h"
#include "app/LanguageChoice.h"
#include "app/Languages.h"
#include "app/widgets/QtLanguageModules.h"
#include "core/MessageSink.h"
#include "core/StringTable.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QSettings>

#include <utility>

LanguageMenu::LanguageMenu(QAction* languageCommand, AppEnvironment environment, MessageSink& messages,
                           QWidget* owner)
    : QObject(owner), environment_(std::move(environment)), messages_(messages), menu_(new QMenu(owner)) {
    menu_->setObjectName(QStringLiteral("languageMenu"));
    languageCommand->setMenu(menu_);
    connect(menu_, &QMenu::aboutToShow, this, &LanguageMenu::rebuild);
}

void LanguageMenu::rebuild() {
    // The entries belong to their group: deleting it takes them out of the menu.
    delete entries_;
    entries_ = new QActionGroup(this);
    const std::vector<LanguageId> modules = moduleLanguages(environment_.executablePath);
    const std::vector<LanguageId> available = availableLanguages(kBaseLanguage, modules, command::kLanguageCount);
    for (std::size_t i = 0; i < available.size(); ++i) {
        const LanguageId language = available[i];
        auto* entry = new QAction(QString::fromStdString(languageDisplayName(language)), entries_);
        entry->setObjectName(QStringLiteral("command%1").arg(command::kLanguageFirst + int(i)));
        entry->setCheckable(true);
        entry->setChecked(language == environment_.language);
        menu_->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, language] { choose(language); });
    }
}

void LanguageMenu::choose(LanguageId language) {
    QSettings(environment_.userSettingsFile, QSettings::IniFormat).setValue(QStringLiteral("LanguageId"), language);
    // The message comes from the chosen language's module, read on the side:
    // the texts in use stay as they are until the next start.
    LanguageTextProbe probe(strings::kRestartToChangeLanguage);
    LanguageChoice chosen(environment_.executablePath, probe);
    const std::string pattern =
        chosen.tryLanguage(language) ? probe.text() : std::string(strings::text(strings::kRestartToChangeLanguage));
    const std::string_view appName = strings::text(strings::kAppTitle);
    messages_.show(Message{strings::kRestartToChangeLanguage, strings::formatText(pattern, {appName}),
                           MessageIcon::Information, std::string(appName), nullptr});
}
