// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/fixtures.h"

#include "translation/language.h"

#include "catalogue/catalogue.h"
#include "core/aboutnet.h"
#include "core/lookup.h"
#include "usage/sharedusage.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/qtstrings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

namespace benchlist::testing {

QWidget *Window(const char *name)
{
    return dynamic_cast<QWidget *>(Forms().Find(name));
}

void Flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QPoint OuterCorner(QWidget *window)
{
    return window->frameGeometry().topLeft();
}

bool BecomesActive(QWidget *window)
{
    return window && QTest::qWaitForWindowActive(window);
}

QStringList TabWalk(qsizetype count)
{
    QStringList names;
    while (names.size() < count) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            break;
        names.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return names;
}

namespace {

// The offscreen platform cannot raise windows or grab the keyboard and says so
// at every popup; those notes are noise here.
QtMessageHandler previousHandler = nullptr;

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"))
        return;
    previousHandler(type, context, message);
}

// Settings and opened pages of this suite's own, fresh for every test.
QTemporaryDir &Home()
{
    static QTemporaryDir home;
    return home;
}

} // namespace

void WindowsFixture::initTestCase()
{
    previousHandler = qInstallMessageHandler(QuietOffscreenNotes);
    qputenv("XDG_STATE_HOME", QFile::encodeName(Home().filePath(QStringLiteral("state"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Home().filePath(QStringLiteral("config"))));
    QApplication::setQuitOnLastWindowClosed(false);
    LoadTranslations(
        QLocale::c()); // English, with its plurals ("1 category"), as the program starts

    RegisterForms(Forms());
    AboutNet::SetHandOff([this](std::string_view address) {
        opened_.append(ToQString(address));
        return handedOver_;
    });
    Forms().SetUnloadObserver([this](std::string_view name) { unloaded_.append(ToQString(name)); });
    Forms().SetLastWindowGone([this] { ++ends_; });
}

void WindowsFixture::init()
{
    opened_.clear();
    unloaded_.clear();
    ends_ = 0;
    handedOver_ = true;
    CloseSharedUsageStore();
    QVERIFY(QDir(Home().path()).removeRecursively());
    Forms().Show("frmMain");
    QVERIFY(BecomesActive(Window("frmMain")));
}

void WindowsFixture::cleanup()
{
    Forms().DestroyAll();
    Flush();
}

namespace {

// A caption whose translation would open another page than the English one
// (typed back, a caption is looked up) stays English.
bool CaptionStaysEnglish(QWidget *window, QWidget *box)
{
    for (const CategoryData *category : catalogue::kWindows)
        for (const DropDownData &dropDown : category->dropDowns)
            if (window->objectName() == ToQString(category->name)
                && box->objectName() == ToQString(dropDown.name)) {
                const std::string english(dropDown.initialText);
                return WinningEntry(dropDown.pages, english)
                       != WinningEntry(dropDown.pages, CatalogueText(english).toStdString());
            }
    return false;
}

} // namespace

QMap<QString, QString> Sayings(QWidget *window)
{
    QMap<QString, QString> said{{QStringLiteral("title"), window->windowTitle()}};
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (qsizetype i = 0; i < children.size(); ++i) {
        QWidget *control = children[i];
        if (qobject_cast<DropDown *>(control->parentWidget()))
            continue;
        if (qobject_cast<DropDown *>(control) && CaptionStaysEnglish(window, control))
            continue;
        const QString name =
            control->objectName().isEmpty() ? QString::number(i) : control->objectName();
        if (auto *label = qobject_cast<QLabel *>(control))
            said[name] = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            said[name] = Drawn(button->text());
        if (auto *field = qobject_cast<QLineEdit *>(control))
            said[name + QStringLiteral(" placeholder")] = field->placeholderText();
        said[name + QStringLiteral(" tooltip")] = control->toolTip();
        said[name + QStringLiteral(" name")] = control->accessibleName();
        said[name + QStringLiteral(" description")] = control->accessibleDescription();
        if (auto *menu = qobject_cast<QMenu *>(control); menu && name != u"mnuRecent")
            for (QAction *item : menu->actions())
                said[name + QStringLiteral(" ") + item->objectName() + item->text()] =
                    Drawn(item->text());
    }
    said.removeIf([](const auto &entry) { return entry.value().trimmed().isEmpty(); });
    return said;
}

TranslationWitness::TranslationWitness(const QString &language)
{
    (void)own_.load(QStringLiteral("benchlist_") + language, QStringLiteral(":/i18n"));
}

QString TranslationWitness::translate(const char *context, const char *source,
                                      const char *disambiguation, int n) const
{
    const QString text = own_.translate(context, source, disambiguation, n);
    if (!text.isEmpty())
        given_ << text << Drawn(text);
    return {};
}

bool TranslationWitness::Gave(const QString &text) const
{
    for (const QString &given : given_) {
        QStringList pieces = given.split(QRegularExpression(QStringLiteral("%[0-9n]")));
        for (QString &piece : pieces)
            piece = QRegularExpression::escape(piece);
        const QRegularExpression pattern(
            QRegularExpression::anchoredPattern(pieces.join(QStringLiteral(".*"))),
            QRegularExpression::DotMatchesEverythingOption);
        if (pattern.match(text).hasMatch())
            return true;
    }
    return false;
}

void WindowsFixture::ClickButton(const char *window, const char *name)
{
    auto *button = Control<QPushButton>(window, name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace benchlist::testing
