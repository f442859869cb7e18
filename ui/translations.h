#pragma once

#include <QLocale>
#include <QString>

namespace quill {

// Installs, for the first of `locale`'s languages that Quillmere speaks,
// the translation of the programs' texts from `programFolder`/translations
// and Qt's own (the buttons of standard dialogs). English, or a language
// with no translation, installs nothing: the texts stay as written.
// Returns the language installed ("de", "pt_BR"), or an empty string.
QString installTranslations(const QString& programFolder, const QLocale& locale = QLocale::system());

// The language installTranslations chose last; empty for English.
QString translationLanguage();

// The folder of the programs' .qm files within `programFolder`.
QString translationsFolder(const QString& programFolder);

}  // namespace quill
