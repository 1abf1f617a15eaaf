#include "app/widgets/QtLanguageModules.h"

#include "core/StringTable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

QString findLanguageModule(const std::string& path) {
    const QString file = QFile::decodeName(path.c_str());
    if (QFileInfo(file).isFile())
        return file;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("vorelin/") + QFileInfo(file).fileName());
}

bool QtLanguageModules::loadModule(const std::string& path) {
    const QString file = findLanguageModule(path);
    QTranslator module;
    if (file.isEmpty() || !module.load(file))
        return false;
    std::vector<std::pair<int, std::string>> texts;
    for (int number : strings::numbers()) {
        const QString text = module.translate(nullptr, QByteArray::number(number).constData());
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
