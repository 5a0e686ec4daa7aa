// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The session's language: the program's own translation and Qt's, chosen from
// the locale at start. English is the language the program is written in and
// needs none; a language the program does not speak falls back to English.
#pragma once

#include "find/catalogueindex.h"

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

namespace benchlist {

// Loads the translations for the first of the locale's languages that the
// program speaks, in place of any loaded before, and gives them to the
// application object, now or as soon as there is one. Returns the language
// chosen ("de"), or an empty string for English.
QString LoadTranslations(const QLocale &locale = QLocale::system());

// The language LoadTranslations chose last, by its code ("de", or "en" for
// English): the one language of the windows, the command line, the desktop's
// search and of the words find weighs as the shopper's own.
std::string ShopperLanguage();

// `text` of `context` in the language loaded, also before the application
// object exists (the command line answers without one).
QString Translated(const char *context, const char *text);
// The same in the plural form for `n`, with "%n" as `n`, as
// QCoreApplication::translate takes them.
QString Translated(const char *context, const char *text, const char *disambiguation, int n);

// A window title, drop-down caption or title label of the catalogue in the
// language loaded. The catalogue's items and addresses are never translated:
// they are the keys that pages are looked up by.
QString CatalogueText(std::string_view english);

// "Window title › drop-down caption", as CatalogueText gives both.
QString ResultDescription(const FindRecord &record);

} // namespace benchlist
