// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The session's language: the program's own translation and Qt's, chosen from
// the locale at start. English is the language the program is written in and
// needs none; a language the program does not speak falls back to English.
#pragma once

#include "base/message.h"
#include "find/catalogueindex.h"

#include <QLocale>
#include <QString>

#include <string>
#include <string_view>

namespace benchlist {

// The session's locale for messages, as gettext and the rest of the desktop
// read it: where the first of LC_ALL, LC_MESSAGES and LANG that is set names
// the C (or POSIX) locale, or none is set, messages are English whatever
// LANGUAGE says, so that a script's LC_ALL=C gets the same words every time.
// Otherwise the system's.
QLocale SessionLocale();

// Loads the translations for the first of the locale's languages that the
// program speaks, in place of any loaded before, and gives them to the
// application object, now or as soon as there is one. Returns the language
// chosen ("de"), or an empty string for English.
QString LoadTranslations(const QLocale &locale = SessionLocale());

// The language loaded, as LoadTranslations returned it ("de"; empty for English).
QString LoadedLanguage();

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

// A line of the layers without translations in the language loaded; its
// arguments stay as they are.
QString Said(const Message &message);

// Sends those lines to standard error in the language loaded, from now on.
void SayInSessionLanguage();

// "Window title › drop-down caption", as CatalogueText gives both.
QString ResultDescription(const FindRecord &record);

} // namespace benchlist
