// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translation/language.h"

#include "catalogue/catalogue.h"
#include "find/resultids.h"
#include "translation/cataloguetexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <cstdio>

namespace benchlist {

namespace {

constexpr bool IsCatalogueText(std::string_view text)
{
    return std::any_of(std::begin(kCatalogueTexts), std::end(kCatalogueTexts),
                       [text](const char *listed) { return text == listed; });
}

// A title or caption missing from the list would stay English in every language.
constexpr bool CatalogueTextsAreListed()
{
    for (const CategoryData *window : catalogue::kWindows) {
        if (!IsCatalogueText(window->title) || !IsCatalogueText(window->titleCaption))
            return false;
        for (const DropDownData &dropDown : window->dropDowns)
            if (!IsCatalogueText(dropDown.initialText))
                return false;
    }
    return true;
}
static_assert(CatalogueTextsAreListed(), "every title and caption is in kCatalogueTexts");

// The program's own translation, then Qt's for its standard menus and dialogs.
std::array<QTranslator *, 2> &Translators()
{
    static std::array<QTranslator *, 2> translators = {new QTranslator, new QTranslator};
    return translators;
}

void GiveToApplication()
{
    for (QTranslator *translator : Translators())
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator);
}

QString &Chosen()
{
    static QString chosen;
    return chosen;
}

// The first of the locale's languages that the program speaks. English ends
// the search: it is the language the program is written in.
QString ChosenLanguage(const QLocale &locale)
{
    for (const QString &name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English)
            return {};
        const QString code = QLocale::languageToCode(language.language());
        if (language.language() != QLocale::C
            && QFile::exists(QStringLiteral(":/i18n/benchlist_%1.qm").arg(code)))
            return code;
    }
    return {};
}

// "C", "POSIX", and either with a codeset or modifier: "C.UTF-8".
bool NamesTheCLocale(const QByteArray &value)
{
    const QByteArray name = value.split('.').front().split('@').front();
    return name == "C" || name == "POSIX";
}

} // namespace

QLocale SessionLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            continue;
        return NamesTheCLocale(value) ? QLocale::c() : QLocale::system();
    }
    // None set is the C locale too.
    return QLocale::c();
}

QString LoadTranslations(const QLocale &locale)
{
    static const bool handedOver = [] {
        // An application object made later takes them as it starts.
        qAddPreRoutine(GiveToApplication);
        return true;
    }();
    Q_UNUSED(handedOver);
    std::array<QTranslator *, 2> &translators = Translators();
    for (QTranslator *&translator : translators) {
        if (QCoreApplication::instance())
            QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = new QTranslator;
    }
    const QString language = ChosenLanguage(locale);
    Chosen() = language;
    // The program's own is built in; English has one too, of its plurals
    // alone. Qt's is optional (qt6-translations-l10n), and English needs none.
    (void)translators[0]->load(QStringLiteral("benchlist_")
                                   + (language.isEmpty() ? QStringLiteral("en") : language),
                               QStringLiteral(":/i18n"));
    if (!language.isEmpty())
        (void)translators[1]->load(QStringLiteral("qtbase_") + language,
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (QCoreApplication::instance())
        GiveToApplication();
    return language;
}

QString LoadedLanguage()
{
    return Chosen();
}

std::string ShopperLanguage()
{
    return Chosen().isEmpty() ? std::string("en") : Chosen().toStdString();
}

QString Translated(const char *context, const char *text, const char *disambiguation, int n)
{
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, text, disambiguation, n);
    const QString translated = Translators()[0]->translate(context, text, disambiguation, n);
    return translated.isEmpty()
               ? QString::fromUtf8(text).replace(QLatin1String("%n"), QString::number(n))
               : translated;
}

QString Translated(const char *context, const char *text)
{
    if (QCoreApplication::instance())
        return QCoreApplication::translate(context, text);
    const QString translated = Translators()[0]->translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString CatalogueText(std::string_view english)
{
    const QByteArray text(english.data(), qsizetype(english.size()));
    return Translated("Catalogue", text.constData());
}

QString Said(const Message &message)
{
    QString line = Translated("Messages", message.text);
    for (const std::string &argument : message.arguments)
        line = line.arg(QString::fromLocal8Bit(argument.data(), qsizetype(argument.size())));
    return line;
}

void SayInSessionLanguage()
{
    SetReporter([](const Message &message) {
        std::fprintf(stderr, "benchlist: %s\n", Said(message).toLocal8Bit().constData());
    });
}

QString ResultDescription(const FindRecord &record)
{
    return CatalogueText(record.windowTitle) + QStringLiteral(" \u203a ")
           + CatalogueText(record.caption);
}

} // namespace benchlist
