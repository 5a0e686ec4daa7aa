// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's end: the closing sequence from each of its starts, and the
// farewell window.
#include "windows/fixtures.h"

#include "core/addresses.h"
#include "widgets/forms/qtstrings.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>

using namespace benchlist;
using namespace benchlist::testing;

class ClosingTest : public WindowsFixture {
    Q_OBJECT

private slots:
    void closingSequence_data();
    void closingSequence();
    void farewellWindow();
};

void ClosingTest::closingSequence_data()
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

void ClosingTest::closingSequence()
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

void ClosingTest::farewellWindow()
{
    Window("frmMain")->close();
    QWidget *farewell = Window("frmExit");
    QVERIFY(farewell);
    QCOMPARE(farewell->windowTitle(), QStringLiteral("Thankyou for using Wishtrail"));
    ClickButton("frmExit", "cmdGO");
    ClickButton("frmExit", "cmdGO");
    handedOver_ = false; // a failing opener is said over the window, which stays
    ClickButton("frmExit", "cmdGO");
    QCOMPARE(Opened(), QStringList(3, ToQString(HomePageUrl)));
    const auto *note = farewell->findChild<QWidget *>(QStringLiteral("msgPageNotOpened"));
    QVERIFY(note && note->isVisible());
    QVERIFY(Forms().Find("frmExit"));
    QCOMPARE(ends_, 0);

    farewell->close();
    QCOMPARE(unloaded_, (QStringList{"frmMain", "frmExit"}));
    QCOMPARE(ends_, 1);
    QCOMPARE(Forms().LoadedCount(), 0);
}

QTEST_MAIN(ClosingTest)
#include "tst_closing.moc"
