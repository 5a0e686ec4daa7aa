// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: its place, its banners, menu items and shortcuts, the
// category buttons, and the export of the catalogue as bookmarks.
#include "windows/fixtures.h"

#include "catalogue/catalogue.h"
#include "catalogue/reference.h"
#include "core/addresses.h"
#include "core/catalogueexport.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/qtstrings.h"
#include "widgets/shell/mainwindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace benchlist;
using namespace benchlist::testing;

class MainWindowTest : public WindowsFixture {
    Q_OBJECT

private slots:
    void mainWindowStartsInPlace();
    void mainWindowHandlers_data();
    void mainWindowHandlers();
    void bannersWorkFromTheKeyboard_data();
    void bannersWorkFromTheKeyboard();
    void shortcutsShowWindows_data();
    void shortcutsShowWindows();
    void categoryButtonsOpenTheirWindow_data();
    void categoryButtonsOpenTheirWindow();
    void openWindowIsOnlyBroughtForward();
    void exportAsBookmarks();
};

void MainWindowTest::mainWindowStartsInPlace()
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

void MainWindowTest::mainWindowHandlers_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("handedOver");
    QTest::newRow("gift banner") << "Image2" << ToQString(GiftCertificateOfferUrl) << true;
    QTest::newRow("auction banner") << "Image3" << ToQString(AuctionBannerOfferUrl) << true;
    QTest::newRow("sign-up item") << "mnuSignup" << ToQString(SignUpOfferUrl) << true;
    QTest::newRow("updates item") << "mnuUpdates" << ToQString(VersionPageUrl) << true;
    QTest::newRow("tell-a-friend item") << "mnuSendWishtrail" << ToQString(TellAFriendUrl) << true;
    QTest::newRow("sign-up label does nothing") << "lblSantaAd" << QString() << true;
    QTest::newRow("gift label does nothing") << "lblEbayGift" << QString() << true;
    QTest::newRow("title picture does nothing") << "Image4" << QString() << true;
    QTest::newRow("banner with no opener") << "Image3" << ToQString(AuctionBannerOfferUrl) << false;
    QTest::newRow("item with no opener") << "mnuUpdates" << ToQString(VersionPageUrl) << false;
}

// A page that could not be opened is said in a note over the window, which
// goes on taking clicks: the next one tries again.
void MainWindowTest::mainWindowHandlers()
{
    QFETCH(QString, control);
    QFETCH(QString, address);
    QFETCH(bool, handedOver);
    handedOver_ = handedOver;
    QWidget *main = Window("frmMain");
    for (int click = 0; click < 2; ++click) {
        if (auto *action = main->findChild<QAction *>(control)) {
            action->trigger();
        } else {
            auto *label = main->findChild<QLabel *>(control);
            QVERIFY(label);
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(Opened(), address.isEmpty() ? QStringList() : QStringList{address});
        const auto *note = main->findChild<QMessageBox *>(QStringLiteral("msgPageNotOpened"));
        QCOMPARE(note && note->isVisible(), !handedOver);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QApplication::activeWindow(), main);
    }
    QVERIFY(Forms().Find("frmMain"));
}

void MainWindowTest::bannersWorkFromTheKeyboard_data()
{
    QTest::addColumn<QString>("banner");
    QTest::addColumn<QString>("address");
    QTest::newRow("auction banner") << "Image3" << ToQString(AuctionBannerOfferUrl);
    QTest::newRow("gift banner") << "Image2" << ToQString(GiftCertificateOfferUrl);
}

void MainWindowTest::bannersWorkFromTheKeyboard()
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

void MainWindowTest::shortcutsShowWindows_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("window");
    QTest::newRow("Ctrl+H") << int(Qt::Key_H) << "frmInstructions";
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << "frmAbout";
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << "frmExit";
    QTest::newRow("Ctrl+F") << int(Qt::Key_F) << "frmFind";
}

void MainWindowTest::shortcutsShowWindows()
{
    QFETCH(int, key);
    QFETCH(QString, window);
    QTest::keyClick(Window("frmMain"), Qt::Key(key), Qt::ControlModifier);
    QWidget *shown = Window(window.toLatin1().constData());
    QVERIFY(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QVERIFY(Opened().isEmpty());
}

void MainWindowTest::categoryButtonsOpenTheirWindow_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    for (const cases::ReferenceControl &window : cases::ReferenceWindows())
        QTest::newRow(window.window.constData())
            << QString::fromUtf8(window.name) << QString::fromUtf8(window.window)
            << QString::fromUtf8(window.text);
}

void MainWindowTest::categoryButtonsOpenTheirWindow()
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
    QVERIFY(Forms().Find("frmMain"));
    QVERIFY(Opened().isEmpty()); // filling the drop-downs opens nothing
}

void MainWindowTest::openWindowIsOnlyBroughtForward()
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
    QVERIFY(Forms().Find("frmLaptops"));
    QVERIFY(unloaded_.isEmpty());
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

void MainWindowTest::exportAsBookmarks()
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
    // As readable as any new file of the user's, not private as its temporary name was.
    struct stat made {};
    QVERIFY(stat(QFile::encodeName(fileName).constData(), &made) == 0);
    const mode_t mask = umask(0);
    umask(mask);
    QCOMPARE(made.st_mode & 0777, 0666 & ~mask);

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

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
