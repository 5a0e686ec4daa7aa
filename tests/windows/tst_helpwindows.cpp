// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The About and Instructions windows, and what holds for every window: fixed
// outer sizes, a name for every control a screen reader reaches, and texts
// that fit their controls in every language.
#include "windows/fixtures.h"

#include "catalogue/catalogue.h"
#include "core/addresses.h"
#include "find/resultids.h"
#include "translation/language.h"
#include "usage/sharedusage.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/formwidget.h"
#include "widgets/forms/qtstrings.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocumentFragment>

using namespace benchlist;
using namespace benchlist::testing;

class HelpWindowsTest : public WindowsFixture {
    Q_OBJECT

private slots:
    void helpWindowsAreSingle_data();
    void helpWindowsAreSingle();
    void fixedOuterSize_data();
    void fixedOuterSize();
    void fixedSizeLeavesTheCompositorsSizes_data();
    void fixedSizeLeavesTheCompositorsSizes();
    void instructionsTakeNoInput();
    void aboutLinesFitTheirLabels_data();
    void aboutLinesFitTheirLabels();
    void everyControlHasAnAccessibleName();
    void textsFitInEveryLanguage_data();
    void textsFitInEveryLanguage();
};

void HelpWindowsTest::helpWindowsAreSingle_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::newRow("about") << "mnuAbout"
                           << "frmAbout"
                           << "About Wishtrail";
    QTest::newRow("instructions") << "mnuInstructions"
                                  << "frmInstructions"
                                  << "Instructions";
}

void HelpWindowsTest::helpWindowsAreSingle()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(QString, title);
    auto *action = Window("frmMain")->findChild<QAction *>(item);
    action->trigger();
    QWidget *first = Window(window.toLatin1().constData());
    QVERIFY(BecomesActive(first));
    QCOMPARE(first->windowTitle(), title);
    Window("frmMain")->activateWindow();
    QVERIFY(BecomesActive(Window("frmMain")));
    action->trigger();
    QCOMPARE(Window(window.toLatin1().constData()), first);
    QVERIFY(BecomesActive(first));

    if (window == u"frmAbout") {
        QCOMPARE(QApplication::focusWidget(), Control("frmAbout", "cmdGoDT"));
        ClickButton("frmAbout", "cmdGoDT");
        QCOMPARE(Opened(), QStringList{ToQString(HomePageUrl)});
        QVERIFY(Forms().Find("frmAbout"));
    }
    first->close();
    QVERIFY(!Forms().Find(window.toStdString()));
    QVERIFY(Forms().Find("frmMain"));
    QCOMPARE(unloaded_, QStringList{window});
}

void HelpWindowsTest::fixedOuterSize_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<bool>("canMaximise");
    QTest::newRow("main") << "frmMain" << QSize(690, 338) << true;
    QTest::newRow("about") << "frmAbout" << QSize(604, 187) << true;
    QTest::newRow("apple") << "frmApple" << QSize(625, 239) << false;
}

void HelpWindowsTest::fixedOuterSize()
{
    QFETCH(QString, window);
    QFETCH(QSize, outer);
    QFETCH(bool, canMaximise);
    Forms().Show(window.toStdString());
    QWidget *form = Window(window.toLatin1().constData());
    QVERIFY(form && QTest::qWaitForWindowExposed(form));
    QTRY_COMPARE(form->frameGeometry().size(), outer);
    const QList<QWidget *> controls = form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QList<QRect> places;
    for (QWidget *control : controls)
        places.append(control->geometry());

    form->resize(form->size() + QSize(120, 80));
    QTRY_COMPARE(form->frameGeometry().size(), outer);

    if (canMaximise) {
        form->showMaximized();
        QTRY_VERIFY(form->frameGeometry().width() > outer.width());
        form->showMinimized();
        QTRY_VERIFY(form->isMinimized());
        form->showNormal();
        QTRY_COMPARE(form->frameGeometry().size(), outer);
    }
    for (qsizetype i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->geometry(), places[i]);
}

void HelpWindowsTest::fixedSizeLeavesTheCompositorsSizes_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("category window maximised") << "frmApple" << false;
    QTest::newRow("category window in full screen") << "frmApple" << true;
    QTest::newRow("instructions maximised") << "frmInstructions" << false;
}

// What a Wayland compositor may do to any window: a window of fixed size that it
// maximised or put in full screen asks to be normal again and takes back its size.
void HelpWindowsTest::fixedSizeLeavesTheCompositorsSizes()
{
    QFETCH(QString, window);
    QFETCH(bool, fullScreen);
    Forms().Show(window.toStdString());
    QWidget *form = Window(window.toLatin1().constData());
    QVERIFY(form && QTest::qWaitForWindowExposed(form));
    const QSize size = form->size();
    QCOMPARE(form->minimumSize(), size);
    QCOMPARE(form->maximumSize(), size);

    form->setWindowState(fullScreen ? Qt::WindowFullScreen : Qt::WindowMaximized);
    FollowCompositor(form, QEvent::WindowStateChange);
    QTRY_COMPARE(form->windowState(), Qt::WindowNoState);
    // Back from full screen, the platform window may come back taller by the
    // title bar it lost there.
    form->windowHandle()->resize(size + QSize(0, 30));
    FollowCompositor(form, QEvent::Resize);
    QTRY_COMPARE(form->windowHandle()->size(), size);
    QCOMPARE(form->size(), size);
    QVERIFY(Forms().Find(window.toStdString()));
}

void HelpWindowsTest::instructionsTakeNoInput()
{
    Forms().Show("frmInstructions");
    QWidget *window = Window("frmInstructions");
    QVERIFY(BecomesActive(window));
    for (QWidget *child : window->findChildren<QWidget *>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(
        !(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // Clicks all over the window, pictures and text included, and keys that
    // mean something elsewhere in the program open, close and change nothing.
    const QSize size = window->size();
    QList<QPoint> places;
    for (QWidget *child : window->findChildren<QWidget *>())
        places.append(child->mapTo(window, child->rect().center()));
    for (int x = 4; x < size.width(); x += 32) {
        for (int y = 4; y < size.height(); y += 32)
            places.append(QPoint(x, y));
    }
    for (const QPoint &place : places) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, place);
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, place);
    }
    for (const QKeyCombination keys :
         {Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_H, Qt::CTRL | Qt::Key_A, Qt::ALT | Qt::Key_F,
          Qt::ALT | Qt::Key_H, QKeyCombination(Qt::Key_Space), QKeyCombination(Qt::Key_Return),
          QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::Key_Tab),
          QKeyCombination(Qt::Key_F1)})
        QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
    QCOMPARE(Opened(), QStringList());
    QCOMPARE(unloaded_, QStringList());
    QCOMPARE(Forms().LoadedCount(), 2);
    QCOMPARE(Window("frmInstructions"), window);
    QVERIFY(BecomesActive(window));
    QCOMPARE(window->size(), size);
}

void HelpWindowsTest::aboutLinesFitTheirLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("saying");
    QTest::newRow("version") << "lbvVersion"
                             << "Version";
    QTest::newRow("licence") << "lblCopy"
                             << "GNU GPL 3 or later";
    QTest::newRow("jingle") << "lblJingle"
                            << "Shopping";
}

// One line each, at the label's own font: a longer text would be cut off.
void HelpWindowsTest::aboutLinesFitTheirLabels()
{
    QFETCH(QString, label);
    QFETCH(QString, saying);
    Forms().Show("frmAbout");
    auto *line = Control<QLabel>("frmAbout", label.toLatin1().constData());
    QVERIFY(line->text().contains(saying));
    const int width = QFontMetrics(line->font()).horizontalAdvance(line->text());
    QVERIFY2(width <= line->contentsRect().width(),
             qPrintable(QStringLiteral("%1 px for %2 px").arg(width).arg(line->width())));
}

void HelpWindowsTest::everyControlHasAnAccessibleName()
{
    QStringList windows = {"frmMain", "frmAbout", "frmInstructions", "frmFind"};
    for (const CategoryData *data : catalogue::kWindows)
        windows.append(ToQString(data->name));
    for (const QString &name : windows)
        Forms().Show(name.toStdString());
    Window("frmMain")->close(); // brings up the farewell window too
    Forms().Show("frmMain");
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible())
            QCOMPARE(QAccessible::queryAccessibleInterface(top)->role(), QAccessible::Window);
        for (QWidget *control : top->findChildren<QWidget *>()) {
            if (control->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
    }
}

namespace {

// A window's labels and buttons that show text, by name or else by place.
QMap<QString, QWidget *> TextControls(QWidget *window)
{
    QMap<QString, QWidget *> controls;
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (qsizetype i = 0; i < children.size(); ++i) {
        auto *label = qobject_cast<QLabel *>(children[i]);
        if ((label && !label->text().isEmpty()) || qobject_cast<QPushButton *>(children[i]))
            controls[children[i]->objectName().isEmpty() ? QString::number(i)
                                                         : children[i]->objectName()] = children[i];
    }
    return controls;
}

// A control's text as it is drawn.
QString Text(QWidget *control)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        return QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    return Drawn(qobject_cast<QPushButton *>(control)->text());
}

// Where a control draws its text, and how: the category windows' Refresh
// button wraps its caption, a picture button draws it over its whole face.
QRect TextBox(QWidget *control, int &flags)
{
    if (auto *label = qobject_cast<QLabel *>(control)) {
        flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->contentsRect();
    }
    auto *button = qobject_cast<QPushButton *>(control);
    flags = Qt::AlignCenter | (button->objectName() == u"Command1" ? Qt::TextWordWrap : 0);
    if (button->inherits("benchlist::PictureButton"))
        return button->rect();
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

// A label that sizes itself to its text may grow where no other control is.
bool InFreeRoom(QWidget *control, const QSize &needed)
{
    const QRect wanted(control->pos(), needed);
    QWidget *parent = control->parentWidget();
    if (!parent->rect().contains(wanted))
        return false;
    for (QWidget *other : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (other != control && other->isVisible() && other->geometry().intersects(wanted))
            return false;
    return true;
}

// The room `text` needs in `control` at its font, and no less than its box.
QSize Needed(QWidget *control, const QString &text)
{
    int flags = 0;
    const QRect box = TextBox(control, flags);
    return QFontMetrics(control->font())
        .boundingRect(box, flags, text)
        .size()
        .expandedTo(box.size());
}

// How far left of where an empty field starts its caret the field's first
// character stands: 0 when the field shows its text from the start.
int HiddenStart(QLineEdit *field)
{
    static DropDown empty({}, {});
    (void)empty.grab();
    const auto caretAt = [](QLineEdit *line) {
        return line->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    };
    // The field settles what it shows as it is drawn.
    (void)field->grab();
    const QString before = field->text().left(field->cursorPosition());
    return caretAt(empty.lineEdit()) - caretAt(field)
           + QFontMetrics(field->font()).horizontalAdvance(before);
}

// Fails on two captions of one level that take the same mnemonic, and on one
// that takes a key other than a letter or digit ("& " would take Alt+Space).
void CheckMnemonics(const QString &where, const QStringList &captions)
{
    QMap<int, QString> taken;
    for (const QString &caption : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (key.isEmpty())
            continue;
        const QChar character(key[0].key());
        QVERIFY2(character.isLetterOrNumber(), qPrintable(where + QStringLiteral(": ") + caption));
        QVERIFY2(!taken.contains(key[0].key()),
                 qPrintable(where + QStringLiteral(": ") + caption + QStringLiteral(" and ")
                            + taken.value(key[0].key())));
        taken[key[0].key()] = caption;
    }
}

// A window's buttons, labels with a buddy and menu titles share one level of
// mnemonics; each menu's items, as it shows them when opened, are another.
// File, Recent Pages holds a page whose text has an "&".
void CheckWindowMnemonics(QWidget *window)
{
    RecordUsage(*SearchResults::Catalogue().Record("frmApple/cbDesktops/G4 1.0GHz & Higher"));
    QStringList level;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        level.append(button->text());
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy())
            level.append(label->text());
    if (auto *main = qobject_cast<QMainWindow *>(window))
        for (QAction *title : main->menuBar()->actions())
            level.append(title->text());
    CheckMnemonics(window->objectName(), level);
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        emit menu->aboutToShow();
        QStringList items;
        for (QAction *item : menu->actions())
            items.append(item->text());
        CheckMnemonics(window->objectName() + QStringLiteral(" menu ") + menu->title(), items);
    }
}

// Every drop-down of the window shows its text from the first character.
void CheckDropDownsShowTheirStart(QWidget *window)
{
    for (DropDown *box : window->findChildren<DropDown *>())
        QVERIFY2(HiddenStart(box->lineEdit()) <= 2,
                 qPrintable(box->objectName() + QStringLiteral(": ") + box->currentText()));
}

} // namespace

void HelpWindowsTest::textsFitInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    QStringList windows = {"frmMain", "frmAbout", "frmInstructions", "frmExit", "frmFind"};
    for (const CategoryData *data : catalogue::kWindows)
        windows.append(ToQString(data->name));
    // Every language built in, "benchlist_de.qm" and the like; English, whose
    // file holds its plurals alone, is each row's first pass.
    for (QString language : QDir(QStringLiteral(":/i18n")).entryList()) {
        language = language.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
        if (language == u"en")
            continue;
        for (const QString &window : windows)
            QTest::addRow("%s %s", qPrintable(language), qPrintable(window)) << language << window;
    }
}

void HelpWindowsTest::textsFitInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    const std::string name = window.toStdString();
    const auto english = qScopeGuard([] { LoadTranslations(QLocale::c()); });
    Forms().DestroyAll();
    Forms().Show(name);
    CheckDropDownsShowTheirStart(Window(name.c_str()));
    CheckWindowMnemonics(Window(name.c_str()));
    const QMap<QString, QString> saidInEnglish = Sayings(Window(name.c_str()));
    // The room each text takes in English, where that is more than its box.
    QMap<QString, QString> inEnglish;
    QMap<QString, QSize> room;
    for (auto [key, control] : TextControls(Window(name.c_str())).asKeyValueRange()) {
        inEnglish[key] = Text(control);
        // Controls a layout places have the room it gives them.
        if (!control->parentWidget()->layout())
            room[key] = Needed(control, inEnglish[key]);
    }
    Forms().DestroyAll();
    QCOMPARE(LoadTranslations(QLocale(language)), language);
    TranslationWitness witness(language);
    QCoreApplication::installTranslator(&witness);
    QCOMPARE(ShopperLanguage(), language.toStdString()); // find weighs the same language
    Forms().Show(name);
    QWidget *form = Window(name.c_str());
    QVERIFY(QTest::qWaitForWindowExposed(form));
    CheckWindowMnemonics(form); // opens the menus, which fill some of theirs
    // No line is left in English, but where the translation says it alike, and
    // key names, which Qt's own translation gives ("Alt+Enter" in German too).
    const auto keyName = [](const QString &text) {
        return text.contains(QLatin1Char('+'))
               && QKeySequence::fromString(text, QKeySequence::PortableText)
                          .toString(QKeySequence::NativeText)
                      == text;
    };
    for (auto [key, text] : Sayings(form).asKeyValueRange())
        QVERIFY2(text != saidInEnglish.value(key) || witness.Gave(text) || keyName(text),
                 qPrintable(QStringLiteral("English left: ") + key + QStringLiteral(": ") + text));
    QCoreApplication::removeTranslator(&witness);
    const QMap<QString, QWidget *> controls = TextControls(form);
    QCOMPARE(controls.keys(), inEnglish.keys());
    bool translated = false;
    for (auto [key, control] : controls.asKeyValueRange()) {
        const QString text = Text(control);
        translated = translated || text != inEnglish[key];
        const QSize needed = Needed(control, text);
        if (!room.contains(key))
            room[key] = control->size();
        QVERIFY2(
            !control->isVisible()
                || (needed.width() <= room[key].width() && needed.height() <= room[key].height())
                || InFreeRoom(control, needed),
            qPrintable(key + QStringLiteral(": ") + text));
    }
    QVERIFY2(translated, "nothing is translated");
    CheckDropDownsShowTheirStart(form);
    // Qt's own menus follow, as a drop-down's Undo.
    QVERIFY(QCoreApplication::translate("QLineEdit", "&Undo") != u"&Undo");
    if (form->layout())
        QVERIFY(form->layout()->minimumSize().width() <= form->width());
    // Menus the bar cannot show whole would hide behind an arrow.
    if (auto *main = qobject_cast<QMainWindow *>(form))
        QVERIFY(main->menuBar()->sizeHint().width() <= main->width());
}

QTEST_MAIN(HelpWindowsTest)
#include "tst_helpwindows.moc"
