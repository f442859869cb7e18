#include "ui/translations.h"

#include "model/programfolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace quill {
namespace {

QString chosenLanguage;
// The translators installed last, taken out again when the language changes.
QTranslator* installedTranslators[2] = {nullptr, nullptr};

void removeTranslators()
{
    for (QTranslator*& translator : installedTranslators) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
            translator = nullptr;
        }
    }
}

// "de-DE" gives "de_DE" and then "de"; file names use the underscore.
QStringList candidates(const QString& uiLanguage)
{
    QString name = uiLanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList names{name};
    const qsizetype cut = name.indexOf(QLatin1Char('_'));
    if (cut > 0)
        names << name.left(cut);
    return names;
}

void installQtTranslation(const QString& language)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : candidates(language)) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QStringLiteral("qtbase_") + name, folder)) {
            QCoreApplication::installTranslator(translator);
            installedTranslators[1] = translator;
            return;
        }
        delete translator;
    }
}

}  // namespace

QString translationsFolder(const QString& programFolder)
{
    return joinPath(programFolder, QStringLiteral("translations"));
}

QString installTranslations(const QString& programFolder, const QLocale& locale)
{
    chosenLanguage.clear();
    removeTranslators();
    const QString folder = translationsFolder(programFolder);
    for (const QString& uiLanguage : locale.uiLanguages()) {
        // English comes first for this player: the texts as written.
        if (uiLanguage == QLatin1String("C") || uiLanguage == QLatin1String("en")
            || uiLanguage.startsWith(QLatin1String("en-")))
            return {};
        for (const QString& name : candidates(uiLanguage)) {
            const QString file = joinPath(folder, QStringLiteral("quillmere_%1.qm").arg(name));
            if (!QFileInfo(file).isFile())
                continue;
            auto* translator = new QTranslator(QCoreApplication::instance());
            if (!translator->load(file)) {
                delete translator;
                continue;
            }
            QCoreApplication::installTranslator(translator);
            installedTranslators[0] = translator;
            installQtTranslation(name);
            chosenLanguage = name;
            return chosenLanguage;
        }
    }
    return {};
}

QString translationLanguage()
{
    return chosenLanguage;
}

}  // namespace quill
