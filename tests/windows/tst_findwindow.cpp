// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The find window, driven from the keyboard, and the addresses it finds.
#include "windows/fixtures.h"

#include "storefile.h"

#include "core/addresses.h"
#include "find/catalogueindex.h"
#include "find/resultids.h"
#include "service/desktopresults.h"
#include "settings/settings.h"
#include "usage/sharedusage.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/openpage.h"
#include "widgets/forms/qtstrings.h"
#include "widgets/shell/findwindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <set>

using namespace benchlist;
using namespace benchlist::testing;

class FindWindowTest : public WindowsFixture {
    Q_OBJECT

private slots:
    void findWindowByKeyboard();
    void partialResults_data();
    void partialResults();
    void oneOrderEverywhere();
    void marksFallOnTheMatchedWords_data();
    void marksFallOnTheMatchedWords();
    void rightClickBesideTheResults();
    void foundAddressesAreWhatDropDownsOpen();
    void openedPagesComeFirstAndBack();
};

namespace {

QListView *ShownResults(const QString &words)
{
    Forms().Show("frmFind");
    auto *field = Control<QLineEdit>("frmFind", "txtFind");
    if (!field || !BecomesActive(Window("frmFind")))
        return nullptr;
    field->setText(words);
    return Control<QListView>("frmFind", "lstResults");
}

// The parts of `text` that `marks` (QPoint(start, length) pairs) cover.
QStringList Marked(const QString &text, const QVariantList &marks)
{
    QStringList parts;
    for (const QVariant &mark : marks)
        parts.append(text.mid(mark.toPoint().x(), mark.toPoint().y()));
    return parts;
}

} // namespace

void FindWindowTest::findWindowByKeyboard()
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
    QCOMPARE(first.data(FindTextMarksRole).toList(),
             (QVariantList{QPoint(0, 3), QPoint(8, 7), QPoint(16, 6)}));
    QCOMPARE(first.data(FindLocationMarksRole).toList().size(), 0);
    QVERIFY(Opened().isEmpty());
    QTest::keyClick(field, Qt::Key_Down);
    // A screen reader hears the list take the focus, and then the result it is
    // on: the list's own news would otherwise cover the result's.
    static QList<int> heard; // the list's focus news: -1 for the list itself, else a row
    heard.clear();
    field->setFocus();
    QPlatformAccessibility *accessibility =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    accessibility->setActive(true);
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() == QAccessible::Focus
                && event->object()->objectName() == QLatin1String("lstResults"))
                heard.append(event->child());
        });
    list->setFocus();
    QTRY_COMPARE(heard, (QList<int>{-1, 1}));
    QAccessible::installUpdateHandler(previous);
    accessibility->setActive(false);
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
    QVERIFY(!Forms().Find("frmFind"));
    QVERIFY(Opened().isEmpty());
}

void FindWindowTest::partialResults_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("text"); // of the first result
    QTest::addColumn<QString>("missing");
    const QString partly =
        QStringLiteral("No category has every word; showing those with most of them");
    QTest::newRow("every word") << "usb hubs"
                                << "1 category"
                                << "USB Hubs and Cables"
                                << "";
    QTest::newRow("a word no category has") << "usb hubs zebra" << partly << "USB Hubs and Cables"
                                            << "without: zebra";
    QTest::newRow("two of them") << "quux usb hubs zebra" << partly << "USB Hubs and Cables"
                                 << "without: quux, zebra";
}

// A result that lacks words says which, on the screen and to a screen reader,
// and so does the line below the list.
void FindWindowTest::partialResults()
{
    QFETCH(QString, words);
    QFETCH(QString, status);
    QFETCH(QString, text);
    QFETCH(QString, missing);
    ShowFindWindow(words);
    auto *count = Control<QLabel>("frmFind", "lblCount");
    auto *list = Control<QListView>("frmFind", "lstResults");
    QVERIFY(count && list && list->model()->rowCount() > 0);
    QCOMPARE(count->text(), status);
    QCOMPARE(QAccessible::queryAccessibleInterface(count)->text(QAccessible::Name), status);
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        QCOMPARE(index.data(FindMissingRole).toString().isEmpty(), missing.isEmpty());
    }
    const QModelIndex first = list->model()->index(0, 0);
    QCOMPARE(first.data().toString(), text);
    QCOMPARE(first.data(FindMissingRole).toString(), missing);
    const QString location = first.data(FindLocationRole).toString();
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->child(0)->text(QAccessible::Name),
             text + ", " + location + (missing.isEmpty() ? QString() : ", " + missing));
}

namespace {

// Queries of every kind the shopper may type: every word of the catalogue and
// its first letters, neighbouring words of a text, words of two far-apart
// texts (mostly no category has both), numbers and numbers with units.
QStringList GeneratedQueries()
{
    std::set<std::string> queries;
    const std::span<const FindRecord> records = CatalogueIndex::Catalogue().Records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const FindRecord &record = records[i];
        for (std::string_view field : {record.text, record.caption, record.windowTitle}) {
            for (const std::string &word : FindWords(field)) {
                queries.insert(word);
                for (std::size_t length = 1; length < word.size() && length <= 3; ++length)
                    queries.insert(word.substr(0, length));
            }
        }
        const std::vector<std::string> words = FindWords(record.text);
        for (std::size_t w = 0; w + 1 < words.size(); ++w)
            queries.insert(words[w] + ' ' + words[w + 1]);
        const std::vector<std::string> far = FindWords(records[(i * 7 + 11) % records.size()].text);
        if (!words.empty() && !far.empty())
            queries.insert(words.front() + ' ' + far.back());
    }
    for (int number = 0; number <= 120; ++number)
        queries.insert(std::to_string(number));
    for (const char *unit : {" mhz", "ghz", " gb", "mb", " inch", " ft"})
        for (const char *number : {"1", "2.4", "17", "20", "500", "1000"})
            queries.insert(std::string(number) + unit);
    QStringList list;
    for (const std::string &query : queries)
        list.append(QString::fromStdString(query));
    return list;
}

} // namespace

// The find window, --find, GNOME Shell's ids and KRunner's sort of its matches
// list the same results in the same order.
void FindWindowTest::oneOrderEverywhere()
{
    const CatalogueIndex &index = CatalogueIndex::Catalogue();
    ShowFindWindow({});
    auto *field = Control<QLineEdit>("frmFind", "txtFind");
    auto *list = Control<QListView>("frmFind", "lstResults");
    QVERIFY(field && list);
    const QStringList queries = GeneratedQueries();
    QVERIFY(queries.size() > 3000);
    int partial = 0;
    for (const QString &query : queries) {
        const std::vector<FindHit> hits = index.Find(query.toStdString());
        QVERIFY2(std::adjacent_find(
                     hits.begin(), hits.end(),
                     [](const FindHit &a, const FindHit &b) { return !(a.rank < b.rank); })
                     == hits.end(),
                 qPrintable(query));
        QStringList expected, lines, ids;
        for (const FindHit &hit : hits) {
            const FindRecord &record = *hit.record;
            expected.append(ToQString(record.text) + '\t' + ToQString(record.windowTitle) + '\t'
                            + ToQString(record.caption) + '\t'
                            + QString::fromStdString(record.address));
            if (ids.size() < qsizetype(kMaxSearchResults))
                ids.append(QString::fromStdString(SearchResultId(record)));
        }
        partial += !hits.empty() && hits.front().Partial();

        // The window: each row's text, where it lives, and its address.
        field->setText(query);
        QStringList rows;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QModelIndex at = list->model()->index(row, 0);
            const QStringList location = at.data(FindLocationRole)
                                             .toString()
                                             .section(QStringLiteral("  ("), 0, 0)
                                             .split(QStringLiteral(" \u203a "));
            rows.append(at.data().toString() + '\t' + location.value(0) + '\t' + location.value(1)
                        + '\t' + at.data(Qt::ToolTipRole).toString());
        }
        QCOMPARE(rows, expected);

        const FindAnswer listing = AnswerFind(index, query.toStdString());
        lines = QString::fromStdString(FindListing(listing.hits)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines, expected);
        QCOMPARE(listing.Status(), hits.empty()             ? kFoundNothing
                                   : hits.front().Partial() ? kFoundPartly
                                                            : 0);

        std::vector<std::string> terms;
        for (const QString &term : query.split(' '))
            terms.push_back(term.toStdString());
        const std::vector<FindHit> found = DesktopSearch(index, terms);
        QStringList gnome;
        for (const FindHit &hit : found)
            gnome.append(QString::fromStdString(SearchResultId(*hit.record)));
        QCOMPARE(gnome, ids);

        // KRunner sorts by type, then relevance: both fall strictly down the list.
        const std::vector<KRunnerRank> krunner = KRunnerRanks(found);
        for (std::size_t i = 0; i < krunner.size(); ++i) {
            QVERIFY2(krunner[i].relevance > 0 && krunner[i].relevance <= 1, qPrintable(query));
            if (i > 0)
                QVERIFY2(krunner[i - 1].type > krunner[i].type
                             || (krunner[i - 1].type == krunner[i].type
                                 && krunner[i - 1].relevance > krunner[i].relevance),
                         qPrintable(query));
        }
    }
    QVERIFY(partial > 100);
    qInfo("%lld queries, %d with partial results", qlonglong(queries.size()), partial);
}

// The bold parts of the best result, in its text and in the line below it that
// names its window and drop-down around a non-ASCII "›".
void FindWindowTest::marksFallOnTheMatchedWords_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("inText");
    QTest::addColumn<QStringList>("inLocation");
    QTest::newRow("text only") << "printer usb cables"
                               << "USB 1.0 Printer Cables"
                               << QStringList{"USB", "Printer", "Cables"} << QStringList{};
    QTest::newRow("drop-down caption")
        << "hubs adapter"
        << "USB Hubs and Cables" << QStringList{"Hubs"} << QStringList{"Adapter"};
    QTest::newRow("window title") << "networking routers"
                                  << "HP Routers" << QStringList{"Routers"}
                                  << QStringList{"Networking"};
    QTest::newRow("the catalogue's words an everyday word stands for")
        << "notebook battery"
        << "Laptop Batteries" << QStringList{"Laptop", "Batteries"} << QStringList{};
    QTest::newRow("both words an everyday word stands for")
        << "hdd"
        << "Hard Drives" << QStringList{"Hard", "Drives"} << QStringList{};
}

void FindWindowTest::marksFallOnTheMatchedWords()
{
    QFETCH(QString, words);
    QFETCH(QString, text);
    QFETCH(QStringList, inText);
    QFETCH(QStringList, inLocation);
    QListView *list = ShownResults(words);
    QVERIFY(list);
    const QModelIndex best = list->model()->index(0, 0);
    QCOMPARE(best.data().toString(), text);
    QCOMPARE(Marked(text, best.data(FindTextMarksRole).toList()), inText);
    QCOMPARE(
        Marked(best.data(FindLocationRole).toString(), best.data(FindLocationMarksRole).toList()),
        inLocation);
}

// A right-click where no result stands opens no menu and leaves the current
// result as it was; on a result it makes that one current and opens the menu.
void FindWindowTest::rightClickBesideTheResults()
{
    QListView *list = ShownResults(QStringLiteral("printer usb cables"));
    QVERIFY(list && list->model()->rowCount() == 2);
    list->setCurrentIndex(list->model()->index(1, 0));
    auto *menu = Window("frmFind")->findChild<QMenu *>(QStringLiteral("mnuResult"));
    QVERIFY(menu);
    const auto rightClick = [list](const QPoint &at) {
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &event);
    };

    const QRect last = list->visualRect(list->model()->index(1, 0));
    const QPoint empty(last.center().x(), last.bottom() + 4);
    QVERIFY(list->viewport()->rect().contains(empty) && !list->indexAt(empty).isValid());
    rightClick(empty);
    QVERIFY(!menu->isVisible());
    QCOMPARE(list->currentIndex().row(), 1);

    const QModelIndex first = list->model()->index(0, 0);
    rightClick(list->visualRect(first).center());
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(list->currentIndex().row(), 0);
    menu->close();
    QVERIFY(Opened().isEmpty());
}

// Sixty-odd records from all nine windows, each pasted into its drop-down.
void FindWindowTest::foundAddressesAreWhatDropDownsOpen()
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

// A page chosen lower down comes first the next time, even while the words
// are still being typed; with no words the window and File, Recent Pages list
// it; clearing forgets it, and with the switch off nothing is kept.
void FindWindowTest::openedPagesComeFirstAndBack()
{
    ShowFindWindow({});
    auto *field = Control<QLineEdit>("frmFind", "txtFind");
    auto *list = Control<QListView>("frmFind", "lstResults");
    auto *count = Control<QLabel>("frmFind", "lblCount");
    QCOMPARE(count->text(), QStringLiteral("Type words of the category you look for."));
    field->setText(QStringLiteral("printer usb cables"));
    const QString second = list->model()->index(1, 0).data().toString();
    QTest::keyClick(field, Qt::Key_Down);
    handedOver_ = false; // not opened: the status line says so, and nothing is kept
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(count->text(), PageNotOpened::Line());
    SharedUsageStore().Flush();
    QVERIFY(RecentRecords().empty());
    handedOver_ = true;
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Opened().size(), 2);
    SharedUsageStore().Flush();
    for (const QString &typed : {QStringLiteral("print"), QStringLiteral("printer usb cables")}) {
        field->setText(typed);
        QCOMPARE(list->model()->index(0, 0).data().toString(), second);
    }
    field->clear();
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->model()->index(0, 0).data().toString(), second);
    QCOMPARE(count->text(), QStringLiteral("Type words of the category you look for."));

    auto *recent = Window("frmMain")->findChild<QMenu *>(QStringLiteral("mnuRecent"));
    QVERIFY(recent);
    emit recent->aboutToShow();
    const QList<QAction *> items = recent->actions();
    QCOMPARE(items.size(), 3); // the page, a separator, Clear Recent Pages
    QCOMPARE(items.first()->text(), second);
    items.first()->trigger();
    QCOMPARE(Opened().size(), 1);
    QCOMPARE(items.last()->text(), QStringLiteral("&Clear Recent Pages"));
    items.last()->trigger();
    QCOMPARE(UsesKept(QString::fromStdString(UsageStore::DefaultPath())), 0);

    auto *remember = Window("frmMain")->findChild<QAction *>(QStringLiteral("mnuRemember"));
    QVERIFY(remember && remember->isCheckable() && remember->isChecked());
    remember->trigger();
    QVERIFY(!RememberOpenedPages());
    field->setText(QStringLiteral("printer usb cables"));
    QTest::keyClick(field, Qt::Key_Return);
    SharedUsageStore().Flush();
    QCOMPARE(UsesKept(QString::fromStdString(UsageStore::DefaultPath())), 0);
    remember->trigger();
    QVERIFY(RememberOpenedPages());
}

QTEST_MAIN(FindWindowTest)
#include "tst_findwindow.moc"
