// The windows, driven offscreen through their widgets, with the opener
// replaced by a recorder.
#include "catalogue/catalogue.h"
#include "catalogue/reference.h"
#include "core/aboutnet.h"
#include "core/addresses.h"
#include "core/catalogueexport.h"
#include "core/catalogueindex.h"
#include "core/lookup.h"
#include "widgets/browse/categorywindow.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/qtstrings.h"
#include "widgets/shell/forms.h"
#include "widgets/shell/mainwindow.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace benchlist;

namespace {

QWidget *Window(const char *name)
{
    return dynamic_cast<QWidget *>(Forms().Find(name));
}

template <class T = QWidget> T *Control(const char *window, const char *name)
{
    QWidget *form = Window(window);
    return form ? form->findChild<T *>(QLatin1String(name)) : nullptr;
}

// Lets deferred deletions of unloaded windows happen.
void Flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QPoint OuterCorner(QWidget *window)
{
    return window->frameGeometry().topLeft();
}

// Waits for the window to become the active one; a window that never opened
// fails the check instead of crashing the suite.
bool BecomesActive(QWidget *window)
{
    return window && QTest::qWaitForWindowActive(window);
}

// The focused control's name, then the name of each one that Tab moves on to:
// `count` names in all, fewer when the focus goes nowhere.
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

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private:
    QStringList opened_;
    QStringList unloaded_;
    int ends_ = 0;
    int openResult_ = 42;

    void ClickButton(const char *window, const char *name);
    QStringList Opened() { return std::exchange(opened_, {}); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mainWindowStartsInPlace();
    void categoryTabOrder_data();
    void categoryTabOrder();
    void mainWindowHandlers_data();
    void mainWindowHandlers();
    void bannersWorkFromTheKeyboard_data();
    void bannersWorkFromTheKeyboard();
    void shortcutsShowWindows_data();
    void shortcutsShowWindows();
    void categoryButtonsOpenTheirWindow_data();
    void categoryButtonsOpenTheirWindow();
    void openWindowIsOnlyBroughtForward();
    void refreshRebuildsWindow_data();
    void refreshRebuildsWindow();
    void closingCategoryWindowActivatesMain();
    void dropDownReportsUserActions_data();
    void dropDownReportsUserActions();
    void everyItemOpensItsPage();
    void closingSequence_data();
    void closingSequence();
    void farewellWindow();
    void helpWindowsAreSingle_data();
    void helpWindowsAreSingle();
    void fixedOuterSize_data();
    void fixedOuterSize();
    void instructionsTakeNoInput();
    void everyControlHasAnAccessibleName();
    void findWindowByKeyboard();
    void foundAddressesAreWhatDropDownsOpen();
    void exportAsBookmarks();
};

// The offscreen platform cannot raise windows or grab the keyboard and says so
// at every popup; those notes are noise here.
static QtMessageHandler previousHandler = nullptr;

static void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext &context,
                                const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"))
        return;
    previousHandler(type, context, message);
}

void WindowsTest::initTestCase()
{
    previousHandler = qInstallMessageHandler(QuietOffscreenNotes);
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterForms(Forms());
    AboutNet::SetHandOff([this](const std::string &address, int show) {
        if (show != AboutNet::ShowNormal)
            qWarning("unexpected show command %d", show);
        opened_.append(QString::fromStdString(address));
        return openResult_;
    });
    Forms().SetUnloadObserver([this](std::string_view name) { unloaded_.append(ToQString(name)); });
    Forms().SetLastWindowGone([this] { ++ends_; });
}

void WindowsTest::init()
{
    opened_.clear();
    unloaded_.clear();
    ends_ = 0;
    openResult_ = 42;
    Forms().Show("frmMain");
    QVERIFY(BecomesActive(Window("frmMain")));
}

void WindowsTest::cleanup()
{
    Forms().DestroyAll();
    Flush();
}

void WindowsTest::ClickButton(const char *window, const char *name)
{
    auto *button = Control<QPushButton>(window, name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowsTest::mainWindowStartsInPlace()
{
    QWidget *main = Window("frmMain");
    QCOMPARE(main->windowTitle(), QStringLiteral("The Benchlist"));
    QVERIFY(!main->windowIcon().isNull());
    QCOMPARE(OuterCorner(main), QPoint(67, 67));
    QTRY_COMPARE(main->frameGeometry().size(), QSize(690, 338));
    QCOMPARE(QApplication::focusWidget(), Control("frmMain", "cmdApple"));

    // Tab runs through the nine buttons in their order, then the two banners,
    // and round again.
    QStringList order;
    for (const cases::ReferenceControl &window : cases::ReferenceWindows())
        order.append(QString::fromLatin1(window.name));
    order += QStringList{"Image3", "Image2", "cmdApple"};
    QCOMPARE(TabWalk(order.size()), order);
}

void WindowsTest::categoryTabOrder_data()
{
    QTest::addColumn<QString>("window");
    for (const CategoryData *data : catalogue::kWindows)
        QTest::newRow(data->name.data()) << ToQString(data->name);
}

// Tab runs through the drop-downs and the refresh button in the order of their
// tab indexes, as the reference catalogue gives them, and round again.
void WindowsTest::categoryTabOrder()
{
    QFETCH(QString, window);
    std::vector<std::pair<int, QString>> controls;
    for (const cases::ReferenceControl &control : cases::Reference()) {
        if (control.window == window.toLatin1()
            && (control.kind == "dropDown" || control.kind == "button"))
            controls.emplace_back(control.tabIndex, QString::fromLatin1(control.name));
    }
    QVERIFY(!controls.empty());
    std::sort(controls.begin(), controls.end());
    QStringList order;
    for (const auto &control : controls)
        order.append(control.second);
    order.append(order.first());
    Forms().Show(window.toStdString());
    QVERIFY(BecomesActive(Window(window.toLatin1().constData())));
    QCOMPARE(TabWalk(order.size()), order);
}

void WindowsTest::mainWindowHandlers_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::newRow("gift banner") << "Image2" << ToQString(GiftCertificateOfferUrl);
    QTest::newRow("auction banner") << "Image3" << ToQString(AuctionBannerOfferUrl);
    QTest::newRow("sign-up item") << "mnuSignup" << ToQString(SignUpOfferUrl);
    QTest::newRow("updates item") << "mnuUpdates" << ToQString(VersionPageUrl);
    QTest::newRow("tell-a-friend item") << "mnuSendWishtrail" << ToQString(TellAFriendUrl);
    QTest::newRow("sign-up label does nothing") << "lblSantaAd" << QString();
    QTest::newRow("gift label does nothing") << "lblEbayGift" << QString();
    QTest::newRow("title picture does nothing") << "Image4" << QString();
}

void WindowsTest::mainWindowHandlers()
{
    QFETCH(QString, control);
    QFETCH(QString, address);
    QWidget *main = Window("frmMain");
    if (auto *action = main->findChild<QAction *>(control)) {
        action->trigger();
    } else {
        auto *label = main->findChild<QLabel *>(control);
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QCOMPARE(Opened(), address.isEmpty() ? QStringList() : QStringList{address});
    QVERIFY(Forms().IsLoaded("frmMain"));
}

void WindowsTest::bannersWorkFromTheKeyboard_data()
{
    QTest::addColumn<QString>("banner");
    QTest::addColumn<QString>("address");
    QTest::newRow("auction banner") << "Image3" << ToQString(AuctionBannerOfferUrl);
    QTest::newRow("gift banner") << "Image2" << ToQString(GiftCertificateOfferUrl);
}

void WindowsTest::bannersWorkFromTheKeyboard()
{
    QFETCH(QString, banner);
    QFETCH(QString, address);
    auto *picture = Control<QLabel>("frmMain", banner.toLatin1().constData());
    const QImage unfocused = picture->grab().toImage();
    picture->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), picture);
    QVERIFY2(picture->grab().toImage() != unfocused, "no focus frame");

    QTest::keyClick(picture, Qt::Key_Return);
    QTest::keyClick(picture, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(picture, Qt::Key_Space);
    QTest::sendKeyEvent(QTest::Press, picture, Qt::Key_Space, ' ', {}); // held down:
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(picture, &repeat); // opens once
    QTest::keyClick(picture, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(Opened(), QStringList(4, address));

    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(picture);
    QCOMPARE(heard->role(), QAccessible::Button);
    QVERIFY(!heard->text(QAccessible::Name).isEmpty());
    heard->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(Opened(), QStringList{address});
}

void WindowsTest::shortcutsShowWindows_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("window");
    QTest::newRow("Ctrl+H") << int(Qt::Key_H) << "frmInstructions";
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << "frmAbout";
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << "frmExit";
    QTest::newRow("Ctrl+F") << int(Qt::Key_F) << "frmFind";
}

void WindowsTest::shortcutsShowWindows()
{
    QFETCH(int, key);
    QFETCH(QString, window);
    QTest::keyClick(Window("frmMain"), Qt::Key(key), Qt::ControlModifier);
    QWidget *shown = Window(window.toLatin1().constData());
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QVERIFY(Opened().isEmpty());
}

void WindowsTest::categoryButtonsOpenTheirWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    for (const cases::ReferenceControl &window : cases::ReferenceWindows())
        QTest::newRow(window.window.constData())
            << QString::fromUtf8(window.name) << QString::fromUtf8(window.window)
            << QString::fromUtf8(window.text);
}

void WindowsTest::categoryButtonsOpenTheirWindow()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, title);
    ClickButton("frmMain", button.toLatin1().constData());
    QWidget *shown = Window(window.toLatin1().constData());
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QCOMPARE(shown->windowTitle(), title);
    QCOMPARE(OuterCorner(shown), QPoint(67, 67));
    QVERIFY(
        !(shown->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(Forms().IsLoaded("frmMain"));
    QVERIFY(Opened().isEmpty()); // filling the drop-downs opens nothing
}

void WindowsTest::openWindowIsOnlyBroughtForward()
{
    ClickButton("frmMain", "cmdMonitors");
    ClickButton("frmMain", "cmdLaptops");
    QWidget *monitors = Window("frmMonitors");
    QVERIFY(monitors);
    QVERIFY(BecomesActive(Window("frmLaptops")));
    auto *flat = Control<DropDown>("frmMonitors", "cbFlat");
    QVERIFY(flat);
    flat->setEditText(QStringLiteral("kept"));
    monitors->move(200, 150);

    ClickButton("frmMain", "cmdMonitors");
    QCOMPARE(Window("frmMonitors"), monitors);
    QVERIFY(QTest::qWaitForWindowActive(monitors));
    QCOMPARE(flat->currentText(), QStringLiteral("kept"));
    QCOMPARE(OuterCorner(monitors), QPoint(200, 150));
    QVERIFY(Forms().IsLoaded("frmLaptops"));
    QVERIFY(unloaded_.isEmpty());
}

void WindowsTest::refreshRebuildsWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("firstFocus");
    QTest::newRow("monitors") << "frmMonitors"
                              << "cmdMonitors"
                              << "cbFlat";
    // The refresh button stands first on screen but comes last in tab order.
    QTest::newRow("desktops") << "frmDeskTops"
                              << "cmdDeskTops"
                              << "cb366";
    // The title label holds a tab index among the drop-downs but takes no focus.
    QTest::newRow("printers") << "frmPrinters"
                              << "cmdPrinters"
                              << "cbMultiFunction";
    QTest::newRow("apple") << "frmApple"
                           << "cmdApple"
                           << "cbDesktops";
}

void WindowsTest::refreshRebuildsWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, firstFocus);
    const QByteArray name = window.toLatin1();
    ClickButton("frmMain", button.toLatin1().constData());
    QWidget *before = Window(name);
    QVERIFY(BecomesActive(before));
    const CategoryData &data = static_cast<CategoryWindow *>(before)->category();
    for (DropDown *box : before->findChildren<DropDown *>())
        box->setEditText(QStringLiteral("changed"));
    before->move(300, 200);

    ClickButton(name, "Command1");
    Flush();
    QWidget *after = Window(name);
    QVERIFY(after && after != before);
    QCOMPARE(unloaded_, QStringList{window});
    QVERIFY(QTest::qWaitForWindowActive(after));
    QCOMPARE(OuterCorner(after), QPoint(67, 67));
    QCOMPARE(QApplication::focusWidget()->objectName(), firstFocus);
    for (const DropDownData &box : data.dropDowns) {
        auto *field = after->findChild<DropDown *>(ToQString(box.name));
        QVERIFY(field);
        QCOMPARE(field->currentText(), ToQString(box.initialText));
        QCOMPARE(field->count(), qsizetype(box.items.size()));
    }
    QVERIFY(Window("frmMain")->isVisible());
    QVERIFY(Opened().isEmpty());
}

void WindowsTest::closingCategoryWindowActivatesMain()
{
    ClickButton("frmMain", "cmdMonitors");
    ClickButton("frmMain", "cmdPDA");
    QVERIFY(BecomesActive(Window("frmPDA")));
    QVERIFY(Window("frmMonitors"));
    Window("frmMonitors")->close();
    QCOMPARE(unloaded_, QStringList{"frmMonitors"});
    QVERIFY(BecomesActive(Window("frmMain")));
    QVERIFY(Forms().IsLoaded("frmPDA"));
    Window("frmPDA")->close();
    QVERIFY(BecomesActive(Window("frmMain")));
    QCOMPARE(unloaded_, (QStringList{"frmMonitors", "frmPDA"}));
}

// Steps, separated by ";": type:TEXT, clear (select all, delete), paste:TEXT,
// down, up, enter, wheel, leave (focus moves away), pick:N (chosen in the open list),
// keypick:N (N highlighted in the open list and chosen with Enter),
// escape:N (list opened, N highlighted, closed with Escape).
void WindowsTest::dropDownReportsUserActions_data()
{
    QTest::addColumn<QString>("dropDown");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("pages"); // "" for the error page
    QTest::addColumn<QString>("finalText");

    const QString err;
    QTest::newRow("typing an item letter by letter")
        << "cbAccessories"
        << "clear;type:Cables" << QStringList{err, err, err, err, err, err, "/bl/cm/Cables.html"}
        << "Cables";
    QTest::newRow("typing a page that is no item")
        << "cbAccessories"
        << "clear;type:Glare Filters" << (QStringList(13, err) << "/bl/cm/Glare-Filters.html")
        << "Glare Filters";
    QTest::newRow("typing the caption back") << "cbFlat"
                                             << "clear;type:LCD & FlatScreen Monitors"
                                             << QStringList(26, err) << "LCD & FlatScreen Monitors";
    QTest::newRow("pasting opens once")
        << "cbAccessories"
        << "clear;paste:Cables" << QStringList{err, "/bl/cm/Cables.html"} << "Cables";
    QTest::newRow("first down from a caption chooses the first item")
        << "cbFlat"
        << "down" << QStringList{"/bl/cm/LCD-Flat-Panel.html"} << "LCD Flat Panel";
    QTest::newRow("down steps one item per press")
        << "cbFlat"
        << "down;down;down"
        << QStringList{"/bl/cm/LCD-Flat-Panel.html", "/bl/cm/15-inch-Smaller-LCD.html",
                       "/bl/cm/17-inch-LCD.html"}
        << "17-inch LCD";
    // An initial text equal to an item is no choice yet: the first Down or Up chooses item 0.
    QTest::newRow("down from an initial text that is the first item")
        << "cbAccessories"
        << "down;down"
        << QStringList{"/bl/cm/Monitor-Accessories.html", "/bl/cm/Arms-and-Wall-Mounts.html"}
        << "Arms and Wall Mounts";
    QTest::newRow("up from an initial text, then up at the first item")
        << "cbAccessories"
        << "up;up" << QStringList{"/bl/cm/Monitor-Accessories.html"} << "Monitor Accessories";
    QTest::newRow("down in a one-item list, then past its end")
        << "cbWholesale"
        << "down;down" << QStringList{"/bl/cm/Wholesale-Lots.html"} << "Wholesale Lots";
    QTest::newRow("up after down")
        << "cbStandard"
        << "down;down;up"
        << QStringList{"/bl/cm/Standard-CRT.html", "/bl/cm/16-inch-Smaller-CRT.html",
                       "/bl/cm/Standard-CRT.html"}
        << "Standard CRT";
    QTest::newRow("enter neither chooses nor adds")
        << "cbAccessories"
        << "clear;type:cables;enter;leave" << QStringList(7, err) << "cables";
    QTest::newRow("leaving keeps a typed text's case")
        << "cbFlat"
        << "clear;type:17-inch lcd;leave" << QStringList(12, err) << "17-inch lcd";
    QTest::newRow("alt+down opens the list and chooses nothing")
        << "cbFlat"
        << "altdown;leave" << QStringList{} << "LCD & FlatScreen Monitors";
    QTest::newRow("wheel chooses nothing")
        << "cbFlat"
        << "wheel;wheel" << QStringList{} << "LCD & FlatScreen Monitors";
    QTest::newRow("choosing in the list opens one page")
        << "cbStandard"
        << "pick:2" << QStringList{"/bl/cm/17-inch-CRT.html"} << "17-inch CRT";
    QTest::newRow("choosing the shown item again opens it again")
        << "cbStandard"
        << "pick:2;pick:2" << QStringList{"/bl/cm/17-inch-CRT.html", "/bl/cm/17-inch-CRT.html"}
        << "17-inch CRT";
    QTest::newRow("enter in the open list chooses")
        << "cbFlat"
        << "keypick:4" << QStringList{"/bl/cm/19-inch-LCD.html"} << "19-inch LCD";
    QTest::newRow("escape closes the list without a choice")
        << "cbStandard"
        << "escape:3;enter;leave" << QStringList{} << "Standard CRT Monitors";
    QTest::newRow("down after typing an item text")
        << "cbFlat"
        << "clear;type:LCD Flat Panel;down"
        << (QStringList(14, err) << "/bl/cm/LCD-Flat-Panel.html"
                                 << "/bl/cm/LCD-Flat-Panel.html")
        << "LCD Flat Panel";
    QTest::newRow("non-ascii text")
        << "cbAccessories"
        << "clear;type:C\u00e2bles" << QStringList(7, err) << "C\u00e2bles";
}

void WindowsTest::dropDownReportsUserActions()
{
    QFETCH(QString, dropDown);
    QFETCH(QString, steps);
    QFETCH(QStringList, pages);
    QFETCH(QString, finalText);

    ClickButton("frmMain", "cmdMonitors");
    QWidget *window = Window("frmMonitors");
    QVERIFY(BecomesActive(window));
    auto *box = Control<DropDown>("frmMonitors", dropDown.toLatin1().constData());
    QVERIFY(box);
    box->setFocus();
    const int items = box->count();
    const QString caption = box->currentText();

    for (const QString &step : steps.split(u';')) {
        const QString verb = step.section(u':', 0, 0);
        const QString argument = step.section(u':', 1);
        if (verb == u"type") {
            for (QChar c : argument)
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), {});
        } else if (verb == u"clear") {
            box->lineEdit()->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
        } else if (verb == u"paste") {
            QApplication::clipboard()->setText(argument);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else if (verb == u"down" || verb == u"up") {
            QTest::keyClick(box, verb == u"down" ? Qt::Key_Down : Qt::Key_Up);
        } else if (verb == u"enter") {
            QTest::keyClick(box, Qt::Key_Return);
        } else if (verb == u"altdown") {
            QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
            QTRY_VERIFY(box->view()->isVisible());
            QTest::keyClick(box->view(), Qt::Key_Escape);
            QTRY_VERIFY(!box->view()->isVisible());
        } else if (verb == u"wheel") {
            QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(),
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(box, &wheel);
        } else if (verb == u"leave") {
            Control("frmMonitors", "Command1")->setFocus();
        } else if (verb == u"pick" || verb == u"keypick" || verb == u"escape") {
            box->showPopup();
            QAbstractItemView *view = box->view();
            QTRY_VERIFY(view->isVisible());
            // The list is made when first opened, named by the caption all the same.
            QCOMPARE(view->accessibleName(), box->accessibleName());
            const QModelIndex index = view->model()->index(argument.toInt(), 0);
            if (verb == u"pick") {
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  view->visualRect(index).center());
            } else if (verb == u"keypick") {
                view->setCurrentIndex(index);
                QTest::keyClick(view, Qt::Key_Return);
            } else {
                view->setCurrentIndex(index);
                QTest::keyClick(view, Qt::Key_Escape);
            }
            QTRY_VERIFY(!view->isVisible());
            box->setFocus();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }

    QStringList expected;
    for (const QString &page : pages)
        expected.append(page.isEmpty() ? ToQString(ErrorPageUrl) : ToQString(SiteBase) + page);
    QCOMPARE(Opened(), expected);
    QCOMPARE(box->currentText(), finalText);
    QCOMPARE(box->count(), items); // nothing is ever added to the list
    QVERIFY(Forms().IsLoaded("frmMonitors"));
    // Screen readers go on hearing the caption; the text is the value.
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(heard->text(QAccessible::Name), caption);
    QCOMPARE(heard->text(QAccessible::Value), finalText);
}

// Chooses every item of every drop-down of every window in its open list.
void WindowsTest::everyItemOpensItsPage()
{
    int choices = 0;
    for (const CategoryData *data : catalogue::kWindows) {
        Forms().Show(data->name);
        auto *window = Window(std::string(data->name).c_str());
        QVERIFY(window);
        for (const DropDownData &boxData : data->dropDowns) {
            auto *box = window->findChild<DropDown *>(ToQString(boxData.name));
            QVERIFY(box);
            QCOMPARE(box->count(), qsizetype(boxData.items.size()));
            for (int i = 0; i < box->count(); ++i) {
                QCOMPARE(box->itemText(i), ToQString(boxData.items[std::size_t(i)]));
                box->showPopup();
                QAbstractItemView *view = box->view();
                QTRY_VERIFY(view->isVisible());
                const QModelIndex index = view->model()->index(i, 0);
                view->scrollTo(index);
                QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                  view->visualRect(index).center());
                const QString expected = ToQString(
                    LookupPage(boxData.pages, std::string(boxData.items[std::size_t(i)])));
                QCOMPARE(Opened(), QStringList{expected});
                QCOMPARE(box->currentText(), box->itemText(i));
                ++choices;
            }
        }
        Forms().Unload(data->name);
    }
    QVERIFY(choices > 900);
}

void WindowsTest::closingSequence_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("open");
    const QStringList categories = {"frmApple",      "frmComponents", "frmDeskTops",
                                    "frmDrives",     "frmLaptops",    "frmMonitors",
                                    "frmNetworking", "frmPDA",        "frmPrinters"};
    // A fixed seed keeps failures reproducible while the order stays arbitrary.
    QRandomGenerator random(20261207);
    for (const char *start : {"exit item", "close box", "Ctrl+X"}) {
        QTest::addRow("%s, nothing else open", start) << start << QStringList{};
        for (int round = 0; round < 3; ++round) {
            QStringList open = categories;
            std::shuffle(open.begin(), open.end(), random);
            open = open.mid(0, 2 + round * 3);
            open.insert(random.bounded(open.size() + 1), "frmAbout");
            if (round > 0)
                open.insert(random.bounded(open.size() + 1), "frmInstructions");
            if (round == 2)
                open.append("frmFind");
            QTest::addRow("%s, %s", start, qPrintable(open.join(u','))) << start << open;
        }
    }
}

void WindowsTest::closingSequence()
{
    QFETCH(QString, start);
    QFETCH(QStringList, open);
    for (const QString &name : open)
        Forms().Show(name.toStdString());
    QWidget *main = Window("frmMain");
    QPointer<QAction> exitItem = main->findChild<QAction *>(QStringLiteral("mnuExit"));
    QVERIFY(exitItem);
    if (start == u"exit item")
        exitItem->trigger();
    else if (start == u"close box")
        main->close();
    else
        QTest::keyClick(main, Qt::Key_X, Qt::ControlModifier);
    // Asking again, from the exit item of the main window on its way out,
    // changes nothing: no window goes twice, none comes back or is created.
    QVERIFY(exitItem);
    exitItem->trigger();
    Flush();

    const QStringList closingOrder = {"frmFind",       "frmAbout",      "frmInstructions",
                                      "frmApple",      "frmComponents", "frmDeskTops",
                                      "frmDrives",     "frmLaptops",    "frmMonitors",
                                      "frmNetworking", "frmPDA",        "frmPrinters"};
    QStringList expected;
    for (const QString &name : closingOrder)
        if (open.contains(name))
            expected.append(name);
    expected.append("frmMain");
    QCOMPARE(unloaded_, expected);

    QCOMPARE(Forms().LoadedCount(), 1);
    QWidget *farewell = Window("frmExit");
    QVERIFY(farewell && farewell->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(farewell));
    QCOMPARE(QApplication::focusWidget(), Control("frmExit", "cmdGO"));
    QCOMPARE(ends_, 0);
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible() || top == farewell, qPrintable(top->objectName()));
    QVERIFY(Opened().isEmpty());
}

void WindowsTest::farewellWindow()
{
    Window("frmMain")->close();
    QWidget *farewell = Window("frmExit");
    QVERIFY(farewell);
    QCOMPARE(farewell->windowTitle(), QStringLiteral("Thankyou for using Wishtrail"));
    ClickButton("frmExit", "cmdGO");
    ClickButton("frmExit", "cmdGO");
    openResult_ = 2; // a failing opener is ignored
    ClickButton("frmExit", "cmdGO");
    QCOMPARE(Opened(), QStringList(3, ToQString(HomePageUrl)));
    QVERIFY(Forms().IsLoaded("frmExit"));
    QCOMPARE(ends_, 0);

    farewell->close();
    QCOMPARE(unloaded_, (QStringList{"frmMain", "frmExit"}));
    QCOMPARE(ends_, 1);
    QCOMPARE(Forms().LoadedCount(), 0);
}

void WindowsTest::helpWindowsAreSingle_data()
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

void WindowsTest::helpWindowsAreSingle()
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
        QVERIFY(Forms().IsLoaded("frmAbout"));
    }
    first->close();
    QVERIFY(!Forms().IsLoaded(window.toStdString()));
    QVERIFY(Forms().IsLoaded("frmMain"));
    QCOMPARE(unloaded_, QStringList{window});
}

void WindowsTest::fixedOuterSize_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<bool>("canMaximise");
    QTest::newRow("main") << "frmMain" << QSize(690, 338) << true;
    QTest::newRow("about") << "frmAbout" << QSize(604, 187) << true;
    QTest::newRow("apple") << "frmApple" << QSize(625, 239) << false;
}

void WindowsTest::fixedOuterSize()
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

void WindowsTest::instructionsTakeNoInput()
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

void WindowsTest::everyControlHasAnAccessibleName()
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

void WindowsTest::findWindowByKeyboard()
{
    const QList<QAction *> file =
        Window("frmMain")->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions();
    QCOMPARE(file.first()->objectName(), QStringLiteral("mnuFind"));
    QCOMPARE(file.first()->text(), QStringLiteral("&Find a Category..."));
    QCOMPARE(file.first()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    QCOMPARE(file.last()->objectName(), QStringLiteral("mnuExit"));

    QTest::keyClick(Window("frmMain"), Qt::Key_F, Qt::ControlModifier);
    QWidget *find = Window("frmFind");
    QVERIFY(find && QTest::qWaitForWindowActive(find));
    auto *field = Control<QLineEdit>("frmFind", "txtFind");
    auto *count = Control<QLabel>("frmFind", "lblCount");
    auto *list = Control<QListView>("frmFind", "lstResults");
    QCOMPARE(QApplication::focusWidget(), field);

    // Typing only searches; Down moves to the second result, Enter opens it.
    QTest::keyClicks(field, QStringLiteral("printer usb cables"));
    QCOMPARE(count->text(), QStringLiteral("2 categories"));
    QVERIFY(list->model()
                ->index(0, 0)
                .data(Qt::AccessibleTextRole)
                .toString()
                .endsWith(QStringLiteral(
                    "Prnters And Printer Supplies \u203a Printer Supplies and Accessories")));
    // The matched words are marked; "Printer Supplies" of the caption too.
    const QModelIndex first = list->model()->index(0, 0);
    QCOMPARE(first.data().toString(), QStringLiteral("USB 1.0 Printer Cables"));
    QCOMPARE(first.data(Qt::UserRole + 1).toList(),
             (QVariantList{QPoint(0, 3), QPoint(8, 7), QPoint(16, 6)}));
    QCOMPARE(first.data(Qt::UserRole + 2).toList().size(), 0);
    QVERIFY(Opened().isEmpty());
    QTest::keyClick(field, Qt::Key_Down);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             ToQString(SiteBase) + "/bl/ps/USB-2-Printer-Cables.html");
    QApplication::clipboard()->clear();
    auto *menu = find->findChild<QMenu *>(QStringLiteral("mnuResult"));
    QVERIFY(menu);
    QStringList items;
    for (QAction *item : menu->actions())
        items.append(item->text());
    QCOMPARE(items, (QStringList{"&Open", "&Show in its window", "&Copy address"}));
    menu->actions().last()->trigger();
    QCOMPARE(QApplication::clipboard()->text(),
             ToQString(SiteBase) + "/bl/ps/USB-2-Printer-Cables.html");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down); // stays on the last
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Opened(), QStringList{ToQString(SiteBase) + "/bl/ps/USB-2-Printer-Cables.html"});

    field->setText(QString(1 << 20, u'\x01') + QStringLiteral("usb"));
    QCOMPARE(count->text(), QStringLiteral("No category matches these words."));
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("zebra"));
    QTest::keyClick(field, Qt::Key_Return);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("usb hubs"));
    QCOMPARE(count->text(), QStringLiteral("1 category"));
    // Blanks alone are no words yet: the prompt for words, not "no match".
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("   "));
    QCOMPARE(count->text(), QStringLiteral("Type words of the category you look for."));
    field->setText(QStringLiteral("usb hubs"));

    // Shown in its window: the text in its drop-down, which has the focus, and no page.
    QTest::keyClick(field, Qt::Key_Return, Qt::AltModifier);
    QWidget *components = Window("frmComponents");
    QVERIFY(components && QTest::qWaitForWindowActive(components));
    auto *box = qobject_cast<DropDown *>(QApplication::focusWidget());
    QVERIFY(box && box->window() == components);
    QCOMPARE(box->currentText(), QStringLiteral("USB Hubs and Cables"));
    QVERIFY(Opened().isEmpty());
    QTest::keyClick(box, Qt::Key_Down); // steps on from the item shown
    QCOMPARE(Opened(), QStringList{ToQString(SiteBase) + "/bl/cc/PCI-Cards.html"});

    // Back to the open find window: what is typed replaces the old words.
    QTest::keyClick(box, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(QTest::qWaitForWindowActive(find));
    QCOMPARE(QApplication::focusWidget(), field);
    QTest::keyClicks(field, QStringLiteral("glare"));
    QCOMPARE(field->text(), QStringLiteral("glare"));
    QCOMPARE(count->text(), QStringLiteral("1 category"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!Forms().IsLoaded("frmFind"));
    QVERIFY(Opened().isEmpty());
}

// Sixty-odd records from all nine windows, each pasted into its drop-down.
void WindowsTest::foundAddressesAreWhatDropDownsOpen()
{
    const std::span<const FindRecord> records = CatalogueIndex::Catalogue().Records();
    QSet<QString> windows;
    int checked = 0;
    for (std::size_t i = 0; i < records.size(); i += 15) {
        const FindRecord &record = records[i];
        Forms().Show(record.windowName);
        auto *box = Control<DropDown>(std::string(record.windowName).c_str(),
                                      std::string(record.dropDownName).c_str());
        QVERIFY(box);
        box->setFocus();
        QApplication::clipboard()->setText(ToQString(record.text));
        box->lineEdit()->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Opened(), QStringList{QString::fromStdString(record.address)});
        windows.insert(ToQString(record.windowName));
        ++checked;
    }
    QCOMPARE(windows.size(), 9);
    QVERIFY(checked >= 50);
}

namespace {

// Runs `answer` on the next modal window to come up, once it has.
void AnswerNextModal(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->deleteLater();
            timer->stop();
            answer(modal);
        }
    });
    timer->start(20);
}

} // namespace

void WindowsTest::exportAsBookmarks()
{
    auto *main = dynamic_cast<MainWindow *>(Window("frmMain"));
    QVERIFY(main);
    const QList<QAction *> items = main->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions();
    QVERIFY(items.size() >= 2);
    QCOMPARE(items.last()->objectName(), QStringLiteral("mnuExit"));
    QCOMPARE(items.last()->text(), QStringLiteral("E&xit"));
    QCOMPARE(items.last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction *exportItem = items[items.size() - 2];
    QCOMPARE(exportItem->text(), QStringLiteral("&Export as Bookmarks..."));

    // The dialog offers the user's home; taking its choice writes the file.
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString fileName = home.filePath(QStringLiteral("benchlist-bookmarks.html"));
    QString offered;
    AnswerNextModal([&offered](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        offered = dialog ? dialog->selectedFiles().value(0) : QString();
        static_cast<QDialog *>(modal)->accept();
    });
    exportItem->trigger();
    qputenv("HOME", oldHome);
    QCOMPARE(offered, fileName);
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string html = BookmarksHtml(catalogue::kButtonOrder);
    QCOMPARE(file.readAll(), QByteArray::fromStdString(html));
    QVERIFY(!QApplication::activeModalWidget());

    // A failure is told in a message box.
    QString told;
    AnswerNextModal([&told](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        told = box ? box->text() : QString();
        modal->close();
    });
    main->ExportBookmarksTo(home.path());
    QVERIFY2(told.startsWith("Could not write " + home.path() + ": "), qPrintable(told));
    QVERIFY(Opened().isEmpty());
}

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
