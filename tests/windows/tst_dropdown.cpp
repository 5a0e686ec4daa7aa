// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A category window's drop-down: which user actions open a page, and which one.
#include "windows/fixtures.h"

#include "core/addresses.h"
#include "usage/sharedusage.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/qtstrings.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

using namespace benchlist;
using namespace benchlist::testing;

class DropDownTest : public WindowsFixture {
    Q_OBJECT

private slots:
    void dropDownReportsUserActions_data();
    void dropDownReportsUserActions();
    void arrivalSelectsNothing_data();
    void arrivalSelectsNothing();
};

// Steps, separated by ";": type:TEXT, clear (select all, delete), paste:TEXT,
// down, up, enter, wheel, leave (focus moves away), pick:N (chosen in the open list),
// keypick:N (N highlighted in the open list and chosen with Enter),
// escape:N (list opened, N highlighted, closed with Escape).
void DropDownTest::dropDownReportsUserActions_data()
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
    // Not handed over: said over the window, which goes on taking keys; nothing is kept.
    QTest::newRow("no opener") << "cbFlat"
                               << "noopener;down;down"
                               << QStringList{"/bl/cm/LCD-Flat-Panel.html",
                                              "/bl/cm/15-inch-Smaller-LCD.html"}
                               << "15-inch Smaller LCD";
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
    QTest::newRow("enter after an item's text opens it no second time")
        << "cbAccessories"
        << "clear;type:Cables;enter;leave"
        << QStringList{err, err, err, err, err, err, "/bl/cm/Cables.html"} << "Cables";
    QTest::newRow("enter after the start of an item completes nothing")
        << "cbAccessories"
        << "clear;type:Cab;enter;leave" << QStringList(4, err) << "Cab";
    QTest::newRow("enter on the caption chooses nothing")
        << "cbFlat"
        << "enter;leave" << QStringList{} << "LCD & FlatScreen Monitors";
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

void DropDownTest::dropDownReportsUserActions()
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
        } else if (verb == u"noopener") {
            handedOver_ = false;
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
    QVERIFY(Forms().Find("frmMonitors"));
    const auto *note = window->findChild<QMessageBox *>(QStringLiteral("msgPageNotOpened"));
    QCOMPARE(note && note->isVisible(), !handedOver_);
    SharedUsageStore().Flush();
    QVERIFY(handedOver_ || RecentRecords().empty());
    // Screen readers go on hearing the caption; the text is the value.
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(heard->text(QAccessible::Name), caption);
    QCOMPARE(heard->text(QAccessible::Value), finalText);
}

// However the focus comes, the text is left unselected, so that a screen reader
// hears no selection on the way in and none cleared on the way out.
void DropDownTest::arrivalSelectsNothing_data()
{
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::newRow("Tab") << Qt::TabFocusReason;
    QTest::newRow("Shift+Tab") << Qt::BacktabFocusReason;
    QTest::newRow("shortcut") << Qt::ShortcutFocusReason;
    QTest::newRow("mouse") << Qt::MouseFocusReason;
}

void DropDownTest::arrivalSelectsNothing()
{
    QFETCH(Qt::FocusReason, reason);
    ClickButton("frmMain", "cmdMonitors");
    QVERIFY(BecomesActive(Window("frmMonitors")));
    auto *box = Control<DropDown>("frmMonitors", "cbStandard");
    QVERIFY(box);
    box->setFocus(reason);
    QTRY_VERIFY(box->hasFocus());
    QVERIFY(!box->lineEdit()->hasSelectedText());
    // The field shows the text from its start, and typed keys go on from its end.
    QCOMPARE(box->lineEdit()->cursorPosition(), 0);
    const QString text = box->currentText();
    QTest::keyClick(box, Qt::Key_X);
    QCOMPARE(box->currentText(), text + QLatin1Char('x'));
}

QTEST_MAIN(DropDownTest)
#include "tst_dropdown.moc"
