// The About and Instructions windows, and what holds for every window: fixed
// outer sizes and a name for every control a screen reader reaches.
#include "windows/fixtures.h"

#include "catalogue/catalogue.h"
#include "core/addresses.h"
#include "widgets/forms/formwidget.h"
#include "widgets/forms/qtstrings.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTest>

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
    void everyControlHasAnAccessibleName();
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

QTEST_MAIN(HelpWindowsTest)
#include "tst_helpwindows.moc"
