#include "app/widgets/QtLanguageModules.h"

#include "core/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kDataFolder = QStringLiteral("vorelin");

// Loads the module at `path` or of that name in the data folders.
bool loadTranslator(QTranslator& module, const std::string& path) {
    const QString file = findLanguageModule(path);
    return !file.isEmpty() && module.load(file);
}

QString moduleText(const QTranslator& module, int number) {
    return module.translate(nullptr, QByteArray::number(number).constData());
}

}  // namespace

QString findLanguageModule(const std::string& path) {
    const QString file = QFile::decodeName(path.c_str());
    if (QFileInfo(file).isFile())
        return file;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, kDataFolder + u'/' + QFileInfo(file).fileName());
}

std::vector<LanguageId> moduleLanguages(const std::string& executablePath) {
    // Any three characters where the abbreviation goes.
    const QFileInfo pattern(QFile::decodeName(languageModulePath(executablePath, "???").c_str()));
    QStringList folders{pattern.absolutePath()};
    folders += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, kDataFolder,
                                         QStandardPaths::LocateDirectory);
    QStringList seen;
    std::vector<LanguageId> languages;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList({pattern.fileName()}, QDir::Files, QDir::Name)) {
            if (seen.contains(name))
                continue;
            seen += name;
            QTranslator module;
            languages.push_back(module.load(dir.filePath(name)) ? languageOfLocale(module.language().toStdString())
                                                                : LanguageId(0));
        }
    }
    return languages;
}

bool LanguageTextProbe::loadModule(const std::string& path) {
    QTranslator module;
    if (!loadTranslator(module, path))
        return false;
    const QString text = moduleText(module, number_);
    text_ = text.isEmpty() ? std::string(strings::baseText(number_)) : text.toStdString();
    return true;
}

void LanguageTextProbe::releaseModule() { text_ = strings::baseText(number_); }

bool QtLanguageModules::loadModule(const std::string& path) {
    QTranslator module;
    if (!loadTranslator(module, path))
        return false;
    std::vector<std::pair<int, std::string>> texts;
    for (int number : strings::numbers()) {
        const QString text = moduleText(module, number);
        if (!text.isEmpty())
            texts.emplace_back(number, text.toStdString());
    }
    strings::useTranslations(std::move(texts));

    releaseQtTexts();
    auto qtTexts = std::make_unique<QTranslator>();
    if (qtTexts->load(QLocale(module.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts.get());
        qtTexts_ = std::move(qtTexts);
    }
    return true;
}

void QtLanguageModules::releaseModule() {
    strings::useTranslations({});
    releaseQtTexts();
}

void QtLanguageModules::releaseQtTexts() {
    if (qtTexts_)
        QCoreApplication::removeTranslator(qtTexts_.get());
    qtTexts_.reset();
}

std::vector<LanguageId> startupLanguageCandidates(const QSettings& settings) {
    std::vector<LanguageId> candidates{LanguageId(settings.value(QStringLiteral("LanguageId")).toUInt())};
    const QLocale system = QLocale::system();
    for (const QString& language : system.uiLanguages())
        candidates.push_back(languageOfLocale(language.toStdString()));
    candidates.push_back(languageOfLocale(system.name().toStdString()));
    return candidates;
}
