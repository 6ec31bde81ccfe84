#include "ui/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace marovane {

namespace {

const QString kEnglish = "en";
// The program's catalogues are compiled into its resources under this folder.
const QString kCatalogueFolder = ":/i18n";

struct Installed {
    QString language = kEnglish;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

} // namespace

QStringList InstalledLanguages() {
    QStringList codes;
    const QStringList files =
        QDir(kCatalogueFolder).entryList({"marovane_*.qm"}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        codes << file.mid(9, file.size() - 9 - 3);
    return codes;
}

QString LanguageName(const QString& code) {
    if (code == kEnglish)
        return "English";
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

QString LanguageToUse(const QString& chosen, const QString& systemLanguage) {
    const QStringList installed = InstalledLanguages();
    if (chosen == kEnglish || installed.contains(chosen))
        return chosen;
    return installed.contains(systemLanguage) ? systemLanguage : kEnglish;
}

QString InstallLanguage(const QString& code) {
    Installed& current = Current();
    for (const auto& translator : current.translators)
        QCoreApplication::removeTranslator(translator.get());
    current.translators.clear();
    current.language = kEnglish;
    if (code == kEnglish)
        return kEnglish;

    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(kCatalogueFolder + "/marovane_" + code + ".qm"))
        return kEnglish;
    // Qt's texts (the buttons of message boxes, the file dialog) come from Qt's own catalogue;
    // without it they stay English, and the game's own texts are still translated.
    auto qts = std::make_unique<QTranslator>();
    if (qts->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qts.get());
        current.translators.push_back(std::move(qts));
    }
    QCoreApplication::installTranslator(ours.get());
    current.translators.push_back(std::move(ours));
    current.language = code;
    return code;
}

QString InstallStartLanguage(const QString& chosen) {
    return InstallLanguage(LanguageToUse(chosen, QLocale::system().name().section('_', 0, 0)));
}

QString CurrentLanguage() {
    return Current().language;
}

} // namespace marovane
