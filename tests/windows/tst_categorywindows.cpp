// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The nine category windows: tab order, refresh, closing, and every item of
// every drop-down.
#include "windows/fixtures.h"

#include "storefile.h"

#include "catalogue/catalogue.h"
#include "catalogue/reference.h"
#include "core/lookup.h"
#include "find/resultids.h"
#include "usage/sharedusage.h"
#include "widgets/browse/categorywindow.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/qtstrings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMenu>
#include <QTest>

using namespace benchlist;
using namespace benchlist::testing;

class CategoryWindowsTest : public WindowsFixture {
    Q_OBJECT

private slots:
    void categoryTabOrder_data();
    void categoryTabOrder();
    void refreshRebuildsWindow_data();
    void refreshRebuildsWindow();
    void closingCategoryWindowActivatesMain();
    void everyItemOpensItsPage();
};

void CategoryWindowsTest::categoryTabOrder_data()
{
    QTest::addColumn<QString>("window");
    for (const CategoryData *data : catalogue::kWindows)
        QTest::newRow(data->name.data()) << ToQString(data->name);
}

// Tab runs through the drop-downs and the refresh button in the order of their
// tab indexes, as the reference catalogue gives them, and round again.
void CategoryWindowsTest::categoryTabOrder()
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

void CategoryWindowsTest::refreshRebuildsWindow_data()
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

void CategoryWindowsTest::refreshRebuildsWindow()
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

void CategoryWindowsTest::closingCategoryWindowActivatesMain()
{
    ClickButton("frmMain", "cmdMonitors");
    ClickButton("frmMain", "cmdPDA");
    QVERIFY(BecomesActive(Window("frmPDA")));
    QVERIFY(Window("frmMonitors"));
    Window("frmMonitors")->close();
    QCOMPARE(unloaded_, QStringList{"frmMonitors"});
    QVERIFY(BecomesActive(Window("frmMain")));
    QVERIFY(Forms().Find("frmPDA"));
    Window("frmPDA")->close();
    QVERIFY(BecomesActive(Window("frmMain")));
    QCOMPARE(unloaded_, (QStringList{"frmMonitors", "frmPDA"}));
}

// Chooses every item of every drop-down of every window in its open list.
// Each page of an item is remembered, under the id the desktop's search uses.
void CategoryWindowsTest::everyItemOpensItsPage()
{
    int choices = 0;
    std::int64_t pages = 0;
    const FindRecord *last = nullptr;
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
                const std::string text(boxData.items[std::size_t(i)]);
                if (WinningEntry(boxData.pages, text)) {
                    ++pages;
                    last = SearchResults::Catalogue().Record(
                        std::string(data->name) + "/" + std::string(boxData.name) + "/" + text);
                }
            }
        }
        Forms().Unload(data->name);
    }
    QVERIFY(choices > 900);
    SharedUsageStore().Flush();
    QCOMPARE(UsesKept(QString::fromStdString(UsageStore::DefaultPath())), pages);
    QVERIFY(last);
    QCOMPARE(RecentRecords().front(), last);
    auto *recent = Window("frmMain")->findChild<QMenu *>(QStringLiteral("mnuRecent"));
    QVERIFY(recent);
    emit recent->aboutToShow();
    QCOMPARE(recent->actions().size(), 10 + 2); // ten pages, a separator, Clear Recent Pages
}

QTEST_MAIN(CategoryWindowsTest)
#include "tst_categorywindows.moc"
