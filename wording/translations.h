#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace velandry {

// Shows every text in the first of `languages` that Velandry is translated
// into ("ja", "pt-BR", "de-CH" as QLocale::uiLanguages() names them), with
// Qt's own texts (dialogs, buttons, --help's headings) in the same language
// where Qt has them, English's plural forms beneath all, and that language's
// QLocale the default, for numbers and sizes. English where none matches.
// Right to left where the language reads so: the translation says. A
// translation in the folder $VELANDRY_TRANSLATIONS (velandry_ja.qm, as
// lrelease makes it) comes before the built-in one: a translator tries their
// work without building the program. Returns
// the language shown, as "ja" or "pt_BR". May be called again; each call
// replaces what the one before installed.
QString installTranslations(const QStringList &languages = QLocale::system().uiLanguages());

// The languages Velandry is translated into, English first.
QStringList translatedLanguages();

} // namespace velandry
