// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The parts that need no display and start no process: lookup, addresses,
// catalogue data, window model rules, the find index, the desktop search's
// results and the export.
#include "catalogue/catalogue.h"
#include "core/addresses.h"
#include "core/catalogueexport.h"
#include "core/lookup.h"
#include "core/windowmodel.h"
#include "find/catalogueindex.h"
#include "find/resultids.h"
#include "find/vocabulary.h"

#include "catalogue/apple_cases.h"
#include "catalogue/components_cases.h"
#include "catalogue/desktops_cases.h"
#include "catalogue/drives_cases.h"
#include "catalogue/laptops_cases.h"
#include "catalogue/monitors_cases.h"
#include "catalogue/networking_cases.h"
#include "catalogue/pda_cases.h"
#include "catalogue/printers_cases.h"
#include "catalogue/reference.h"
#include "findoracle.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <set>
#include <vector>

using namespace benchlist;

namespace {

const CategoryData *WindowNamed(std::string_view name)
{
    for (const CategoryData *window : catalogue::kWindows)
        if (window->name == name)
            return window;
    return nullptr;
}

const DropDownData *FindDropDown(const CategoryData &window, std::string_view name)
{
    for (const DropDownData &dropDown : window.dropDowns)
        if (dropDown.name == name)
            return &dropDown;
    return nullptr;
}

std::string Page(std::string_view path)
{
    return path.empty() ? std::string(ErrorPageUrl) : std::string(SiteBase) + std::string(path);
}

QByteArray Bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// A window that only writes down what the model does to it.
class FakeForm : public Form {
public:
    FakeForm(std::string name, std::vector<std::string> &log, std::function<void()> onUnload = {})
        : name_(std::move(name)), log_(log), onUnload_(std::move(onUnload))
    {
    }
    ~FakeForm() override { log_.push_back("destroy " + name_); }
    void Form_Load() override { log_.push_back("load " + name_); }
    void Form_Unload() override
    {
        log_.push_back("unload " + name_);
        if (onUnload_)
            onUnload_();
    }
    void MakeVisible() override { log_.push_back("visible " + name_); }
    void GiveFocus() override { log_.push_back("focus " + name_); }

private:
    std::string name_;
    std::vector<std::string> &log_;
    std::function<void()> onUnload_;
};

struct WindowCases {
    const char *window;
    std::span<const cases::LookupCase> rows;
};

const WindowCases kAllCases[] = {
    {"frmApple", cases::kApple},           {"frmComponents", cases::kComponents},
    {"frmDeskTops", cases::kDeskTops},     {"frmDrives", cases::kDrives},
    {"frmLaptops", cases::kLaptops},       {"frmMonitors", cases::kMonitors},
    {"frmNetworking", cases::kNetworking}, {"frmPDA", cases::kPDA},
    {"frmPrinters", cases::kPrinters},
};

} // namespace

class CoreTest : public QObject {
    Q_OBJECT

private slots:
    void lookupRule_data();
    void lookupRule();
    void lookupSurvivesAnyText_data();
    void lookupSurvivesAnyText();
    void fixedAddresses_data();
    void fixedAddresses();
    void catalogueCases_data();
    void catalogueCases();
    void catalogueListsAndTables();
    void catalogueMatchesReference_data();
    void catalogueMatchesReference();
    void modelLoadsOnce();
    void modelUnloadRules();
    void modelUnloadIsNotReentrant();
    void modelEndsWithLastWindow();
    void findRanking_data();
    void findRanking();
    void findRecords_data();
    void findRecords();
    void findCatalogue();
    void findOnTheCatalogue_data();
    void findOnTheCatalogue();
    void findAsShoppersMean_data();
    void findAsShoppersMean();
    void findTiers_data();
    void findTiers();
    void findKeepsTheWinningEntry();
    void findRecall_data();
    void findRecall();
    void findBadInput_data();
    void findBadInput();
    void findUsage_data();
    void findUsage();
    void findOrderOverManyQueries();
    void everydayWordsLeadSomewhere();
    void searchIds();
    void escapeHtml_data();
    void escapeHtml();
    void exportOfASmallCatalogue();
};

// A table with the traps the rule must get right: duplicates, near misses, prefixes.
static constexpr PageEntry kTraps[] = {
    {"Cables", "/bl/cm/first.html"},    {"Glare Filters", "/bl/cm/glare.html"},
    {"Cables", "/bl/cm/second.html"},   {"Stands & Risers", "/bl/cm/Stands & Risers.html"},
    {"Other ", "/bl/cm/trailing.html"}, {"Two  Blanks", "/bl/cm/two.html"},
};

void CoreTest::lookupRule_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("last equal entry wins")
        << QByteArray("Cables") << QByteArray("/bl/cm/second.html");
    QTest::newRow("single entry") << QByteArray("Glare Filters") << QByteArray("/bl/cm/glare.html");
    QTest::newRow("letter case counts") << QByteArray("Glare filters") << QByteArray();
    QTest::newRow("leading blank") << QByteArray(" Cables") << QByteArray();
    QTest::newRow("trailing blank missing") << QByteArray("Other") << QByteArray();
    QTest::newRow("trailing blank kept")
        << QByteArray("Other ") << QByteArray("/bl/cm/trailing.html");
    QTest::newRow("double blank kept")
        << QByteArray("Two  Blanks") << QByteArray("/bl/cm/two.html");
    QTest::newRow("double blank collapsed") << QByteArray("Two Blanks") << QByteArray();
    QTest::newRow("prefix") << QByteArray("Cable") << QByteArray();
    QTest::newRow("longer") << QByteArray("Cables2") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("ampersand and blanks in path")
        << QByteArray("Stands & Risers") << QByteArray("/bl/cm/Stands & Risers.html");
}

void CoreTest::lookupRule()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, path);
    QCOMPARE(Bytes(LookupPage(kTraps, text.toStdString())), Bytes(Page(path.toStdString())));
}

void CoreTest::lookupSurvivesAnyText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("one megabyte") << QByteArray(1 << 20, 'C');
    QTest::newRow("control characters") << QByteArray("Cab\0les\t\r\n\x1b", 11);
    QTest::newRow("non-ascii") << QString::fromUtf8("C\u00e2bles \u2603").toUtf8();
    QTest::newRow("entry followed by nul") << QByteArray("Cables\0", 7);
}

void CoreTest::lookupSurvivesAnyText()
{
    QFETCH(QByteArray, text);
    QCOMPARE(Bytes(LookupPage(kTraps, std::string(text.constData(), text.size()))),
             Bytes(ErrorPageUrl));
}

void CoreTest::fixedAddresses_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray site = Bytes(SiteBase);
    const QByteArray click = Bytes(AffiliateBase) + "/click-" + Bytes(PublisherNumber) + "-";
    QTest::newRow("home page is the bare base") << Bytes(HomePageUrl) << site;
    QTest::newRow("error page") << Bytes(ErrorPageUrl) << site + "/error.html";
    QTest::newRow("tell a friend") << Bytes(TellAFriendUrl) << site + "/tellafriend.html";
    QTest::newRow("version page") << Bytes(VersionPageUrl) << site + "/bl/version1.html";
    QTest::newRow("gift banner") << Bytes(GiftCertificateOfferUrl) << click + "10304392";
    QTest::newRow("auction banner") << Bytes(AuctionBannerOfferUrl) << click + "10296229";
    QTest::newRow("sign up") << Bytes(SignUpOfferUrl) << click + "2202641";
    QTest::newRow("catalogue page kept as stored")
        << Bytes(CataloguePageUrl("/bl/lt/2.0 GHz & More.html"))
        << site + "/bl/lt/2.0 GHz & More.html";
}

void CoreTest::fixedAddresses()
{
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, expected);
    QCOMPARE(address, expected);
    QVERIFY(address.startsWith("http://"));
    QVERIFY(!address.endsWith('/'));
}

void CoreTest::catalogueCases_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("dropDown");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("path");
    for (const WindowCases &window : kAllCases) {
        for (const cases::LookupCase &row : window.rows) {
            QTest::addRow("%s: %s", window.window, Bytes(row.what).constData())
                << QByteArray(window.window) << Bytes(row.dropDown) << Bytes(row.text)
                << Bytes(row.path);
        }
    }
}

void CoreTest::catalogueCases()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, dropDown);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, path);
    const CategoryData *data = WindowNamed(window.toStdString());
    QVERIFY(data);
    const DropDownData *box = FindDropDown(*data, dropDown.toStdString());
    QVERIFY2(box, dropDown.constData());
    QCOMPARE(Bytes(LookupPage(box->pages, text.toStdString())), Bytes(Page(path.toStdString())));
}

// Whole-catalogue properties that no single case shows.
void CoreTest::catalogueListsAndTables()
{
    std::set<std::string_view> names;
    int items = 0;
    for (const CategoryData *window : catalogue::kWindows) {
        QVERIFY(names.insert(window->name).second);
        std::set<int> tabIndexes = {window->refreshTabIndex, window->titleTabIndex};
        for (const DropDownData &box : window->dropDowns) {
            QVERIFY2(tabIndexes.insert(box.tabIndex).second, box.name.data());
            QVERIFY(!box.items.empty());
            items += static_cast<int>(box.items.size());
        }
        QCOMPARE(tabIndexes.size(), window->dropDowns.size() + 2);
    }
    // Nearly a thousand finer categories in all.
    QVERIFY(items > 900 && items < 1000);
    QVERIFY(catalogue::PageCount() > 900 && catalogue::PageCount() < 1000);
}

namespace {

// Names the first place where two lists differ; empty when they agree.
QByteArray FirstDifference(const char *what, const QList<QByteArray> &expected,
                           const QList<QByteArray> &actual)
{
    const auto quoted = [](const QList<QByteArray> &list, qsizetype i) {
        return i < list.size() ? '"' + list[i] + '"' : QByteArray("nothing");
    };
    for (qsizetype i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        if (quoted(expected, i) != quoted(actual, i))
            return what + (' ' + QByteArray::number(i + 1)) + ": expected " + quoted(expected, i)
                   + ", found " + quoted(actual, i);
    }
    return {};
}

} // namespace

void CoreTest::catalogueMatchesReference_data()
{
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<int>("index"); // into the reference; -1 when it lacks the control
    const QList<cases::ReferenceControl> &reference = cases::Reference();
    QTest::newRow("reference read") << QByteArray() << QByteArray() << -1;
    for (qsizetype i = 0; i < reference.size(); ++i) {
        QTest::addRow("%s %s", reference[i].window.constData(), reference[i].name.constData())
            << reference[i].window << reference[i].name << int(i);
    }
    for (const CategoryData *window : catalogue::kWindows) {
        for (const DropDownData &box : window->dropDowns) {
            const auto known = [&](const cases::ReferenceControl &control) {
                return control.window == Bytes(window->name) && control.name == Bytes(box.name);
            };
            if (std::none_of(reference.begin(), reference.end(), known))
                QTest::addRow("%s %s", window->name.data(), Bytes(box.name).constData())
                    << Bytes(window->name) << Bytes(box.name) << -1;
        }
    }
}

void CoreTest::catalogueMatchesReference()
{
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, control);
    QFETCH(int, index);
    if (window.isEmpty()) {
        QVERIFY2(cases::Reference().size() > 100, "the reference data could not be read");
        return;
    }
    QVERIFY2(index >= 0, "a drop-down that the reference does not have");
    const cases::ReferenceControl &expected = cases::Reference()[index];
    const CategoryData *data = WindowNamed(window.toStdString());
    QVERIFY2(data, "no such window in the catalogue");
    if (expected.kind == "window") {
        QCOMPARE(Bytes(data->title), expected.text);
        return;
    }
    if (expected.kind == "label") {
        QCOMPARE(Bytes(data->titleName), expected.name);
        QCOMPARE(Bytes(data->titleCaption), expected.text);
        QCOMPARE(data->titleTabIndex, expected.tabIndex);
        return;
    }
    if (expected.kind == "button") {
        QCOMPARE(data->refreshTabIndex, expected.tabIndex);
        return;
    }
    const DropDownData *box = FindDropDown(*data, control.toStdString());
    QVERIFY2(box, "no such drop-down in the catalogue");
    QCOMPARE(Bytes(box->initialText), expected.text);
    QCOMPARE(box->tabIndex, expected.tabIndex);
    QList<QByteArray> items;
    for (std::string_view item : box->items)
        items.append(Bytes(item));
    QList<QByteArray> pages;
    for (const PageEntry &entry : box->pages)
        pages.append(Bytes(entry.text) + " -> " + Bytes(entry.path));
    const QByteArray itemDifference = FirstDifference("list item", expected.items, items);
    QVERIFY2(itemDifference.isEmpty(), itemDifference.constData());
    const QByteArray pageDifference = FirstDifference("page-table entry", expected.pages, pages);
    QVERIFY2(pageDifference.isEmpty(), pageDifference.constData());
}

void CoreTest::modelLoadsOnce()
{
    // The log outlives the model, whose windows write to it as they go.
    std::vector<std::string> log;
    WindowModel model;
    model.Register("frmA", [&] { return std::make_unique<FakeForm>("frmA", log); });
    Form *first = model.Load("frmA");
    QCOMPARE(model.Load("frmA"), first);
    model.Show("frmA");
    const std::vector<std::string> expected = {"load frmA", "visible frmA", "focus frmA"};
    QCOMPARE(log, expected);
    QVERIFY(!model.Load("frmUnknown"));
}

void CoreTest::modelUnloadRules()
{
    std::vector<std::string> log;
    std::vector<std::string> unloaded;
    WindowModel model;
    model.SetUnloadObserver([&](std::string_view name) { unloaded.emplace_back(name); });
    model.Register("frmA", [&] { return std::make_unique<FakeForm>("frmA", log); });

    model.Unload("frmA"); // not loaded: nothing, and not created either
    QVERIFY(log.empty());
    QVERIFY(!model.Find("frmA"));

    model.Load("frmA");
    model.Unload("frmA");
    const std::vector<std::string> expected = {"load frmA", "unload frmA", "destroy frmA"};
    QCOMPARE(log, expected);
    QCOMPARE(unloaded, std::vector<std::string>{"frmA"});
    QVERIFY(!model.Find("frmA"));

    log.clear();
    model.Load("frmA"); // created afresh after an unload
    QCOMPARE(log, std::vector<std::string>{"load frmA"});
}

// A window that asks for its own unload, or for another's that asks back,
// while it is going still runs its Form_Unload exactly once.
void CoreTest::modelUnloadIsNotReentrant()
{
    WindowModel model;
    std::vector<std::string> log;
    model.Register("frmMain", [&] {
        return std::make_unique<FakeForm>("frmMain", log, [&] {
            model.Unload("frmMain");
            model.Show("frmMain");
            model.Show("frmExit");
            model.Unload("frmMain");
        });
    });
    model.Register("frmExit", [&] {
        return std::make_unique<FakeForm>("frmExit", log, [&] { model.Unload("frmExit"); });
    });
    model.Load("frmMain");
    model.Unload("frmMain");
    QCOMPARE(std::count(log.begin(), log.end(), "unload frmMain"), 1);
    QVERIFY(model.Find("frmExit"));
    QVERIFY(!model.Find("frmMain"));
    // Showing a window while it is on its way out finds it still loaded.
    QCOMPARE(std::count(log.begin(), log.end(), "load frmMain"), 1);
    model.Unload("frmExit");
    QCOMPARE(std::count(log.begin(), log.end(), "unload frmExit"), 1);
}

void CoreTest::modelEndsWithLastWindow()
{
    WindowModel model;
    std::vector<std::string> log;
    int ends = 0;
    model.SetLastWindowGone([&] { ++ends; });
    for (const char *name : {"frmA", "frmB"})
        model.Register(name, [&log, name] { return std::make_unique<FakeForm>(name, log); });
    model.Load("frmA");
    model.Load("frmB");
    model.Unload("frmA");
    QCOMPARE(ends, 0);
    model.Unload("frmB");
    QCOMPARE(ends, 1);
    QCOMPARE(model.LoadedCount(), 0);
}

void CoreTest::escapeHtml_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("html");
    QTest::newRow("plain, blanks kept")
        << QByteArray(" Two  Blanks ") << QByteArray(" Two  Blanks ");
    QTest::newRow("ampersand") << QByteArray("Stands & Risers")
                               << QByteArray("Stands &amp; Risers");
    QTest::newRow("all four") << QByteArray("<a href=\"x\">&</a>")
                              << QByteArray("&lt;a href=&quot;x&quot;&gt;&amp;&lt;/a&gt;");
    QTest::newRow("a reference is escaped again") << QByteArray("&amp;") << QByteArray("&amp;amp;");
    QTest::newRow("apostrophe left alone") << QByteArray("PDA's") << QByteArray("PDA's");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void CoreTest::escapeHtml()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, html);
    QCOMPARE(Bytes(EscapeHtml(text.toStdString())), html);
}

namespace {

constexpr std::string_view kSmallItems[] = {"Cables", "Stands & Risers"};
constexpr PageEntry kSmallPages[] = {
    {"Cables", "/bl/t/first.html"},
    {"Stands & Risers", "/bl/t/Stands & Risers.html"},
    {"Cables", "/bl/t/second.html"},
    {"Odd \"<one>\" ", "/bl/t/a\"b<c>.html"},
};
// Only what an export reads; the layout stays zero.
constexpr DropDownData SmallDropDown(std::string_view name, std::string_view caption,
                                     std::span<const std::string_view> items,
                                     std::span<const PageEntry> pages)
{
    DropDownData dropDown{};
    dropDown.name = name;
    dropDown.initialText = caption;
    dropDown.items = items;
    dropDown.pages = pages;
    return dropDown;
}

constexpr CategoryData SmallWindow(std::string_view name, std::string_view title,
                                   std::span<const DropDownData> dropDowns)
{
    CategoryData window{};
    window.name = name;
    window.title = title;
    window.dropDowns = dropDowns;
    return window;
}

constexpr DropDownData kSmallDropDowns[] = {
    SmallDropDown("cbOne", "One & <Two>", kSmallItems, kSmallPages),
    SmallDropDown("cbNone", "Nothing", {}, {}),
};
constexpr CategoryData kSmallWindow =
    SmallWindow("frmSmall", "Small \"&\" Window", kSmallDropDowns);
constexpr CategoryData kEmptyWindow = SmallWindow("frmEmpty", "Empty", {});
constexpr std::array<const CategoryData *, 2> kSmallCatalogue = {&kEmptyWindow, &kSmallWindow};

} // namespace

// Every rule at once on a catalogue small enough to write out by hand:
// duplicates left to the lookup, typed texts, blanks and markup characters.
void CoreTest::exportOfASmallCatalogue()
{
    const QByteArray site = Bytes(SiteBase);
    QCOMPARE(Bytes(BookmarksHtml(kSmallCatalogue)),
             R"(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<TITLE>Bookmarks</TITLE>
<H1>Bookmarks</H1>
<DL><p>
    <DT><H3>Empty</H3>
    <DL><p>
    </DL><p>
    <DT><H3>Small &quot;&amp;&quot; Window</H3>
    <DL><p>
        <DT><H3>One &amp; &lt;Two&gt;</H3>
        <DL><p>
            <DT><A HREF=")"
                 + site + R"(/bl/t/second.html">Cables</A>
            <DT><A HREF=")"
                 + site + R"(/bl/t/Stands &amp; Risers.html">Stands &amp; Risers</A>
            <DT><A HREF=")"
                 + site + R"(/bl/t/a&quot;b&lt;c&gt;.html">Odd &quot;&lt;one&gt;&quot; </A>
        </DL><p>
        <DT><H3>Nothing</H3>
        <DL><p>
        </DL><p>
    </DL><p>
</DL><p>
)");
    const QByteArray row = "frmSmall\tSmall \"&\" Window\tcbOne\tOne & <Two>\t";
    QCOMPARE(Bytes(CatalogueListing(kSmallCatalogue)),
             row + "Cables\t" + site + "/bl/t/first.html\tlisted\n" + row + "Stands & Risers\t"
                 + site + "/bl/t/Stands & Risers.html\tlisted\n" + row + "Cables\t" + site
                 + "/bl/t/second.html\tlisted\n" + row + "Odd \"<one>\" \t" + site
                 + "/bl/t/a\"b<c>.html\ttyped\n");
}

namespace find {

// Two small windows with the cases the index must get right.
constexpr std::string_view kHubItems[] = {"USB Hubs",         "Hubs USB", "USB",
                                          "Powered USB Hubs", "Other",    "No Page"};
constexpr PageEntry kHubPages[] = {
    {"Other", "/bl/x/other-first.html"},        {"USB Hubs", "/bl/x/usb-hubs.html"},
    {"Hubs USB", "/bl/x/hubs-usb.html"},        {"USB", "/bl/x/usb.html"},
    {"Powered USB Hubs", "/bl/x/powered.html"}, {"Glare Filters", "/bl/x/glare.html"},
    {"Other", "/bl/x/other-second.html"},
};
constexpr std::string_view kStandItems[] = {"Risers", "Cables"};
constexpr PageEntry kStandPages[] = {{"Risers", "/bl/y/risers.html"},
                                     {"Cables", "/bl/y/cables.html"}};
constexpr DropDownData kHubs[] = {{"cbHubs", {}, 1, "Cables and Adapters", kHubItems, kHubPages}};
constexpr DropDownData kStands[] = {
    {"cbStands", {}, 1, "Monitor Stands", kStandItems, kStandPages}};
constexpr CategoryData kFirst = SmallWindow("frmFirst", "Drives and Peripherals", kHubs);
constexpr CategoryData kSecond = SmallWindow("frmSecond", "Monitors", kStands);
constexpr const CategoryData *kWindows[] = {&kFirst, &kSecond};

// Two drop-downs whose captions hold the same words, one starting with them.
constexpr std::string_view kPrinterItems[] = {
    "Other Printers",    "Printers Other",          "Other Laser Printers",
    "USB Cables",        "Cables for the USB Port", "USB Adapters",
    "Laptop Bags",       "Parallel Long Name",      "Laptop Sleeves",
    "Hard Drive Cables", "Hard Cases for Drives",   "Notebook Covers and Sleeves",
    "Bürodrucker Cables"};
constexpr PageEntry kPrinterPages[] = {{"Other Printers", "/bl/p/a.html"},
                                       {"Printers Other", "/bl/p/b.html"},
                                       {"Other Laser Printers", "/bl/p/c.html"},
                                       {"USB Cables", "/bl/p/d.html"},
                                       {"Cables for the USB Port", "/bl/p/e.html"},
                                       {"USB Adapters", "/bl/p/f.html"},
                                       {"Laptop Bags", "/bl/p/g.html"},
                                       {"Parallel Long Name", "/bl/p/h.html"},
                                       {"Laptop Sleeves", "/bl/p/i.html"},
                                       {"Notebook Covers and Sleeves", "/bl/p/l.html"},
                                       {"Bürodrucker Cables", "/bl/p/m.html"},
                                       {"Hard Drive Cables", "/bl/p/j.html"},
                                       {"Hard Cases for Drives", "/bl/p/k.html"}};
constexpr std::string_view kSerialItems[] = {"Serial", "Parallel"};
constexpr PageEntry kSerialPages[] = {{"Parallel", "/bl/s/first.html"},
                                      {"Serial", "/bl/s/serial.html"},
                                      {"Parallel", "/bl/s/last.html"}};
constexpr DropDownData kPrinterDropDowns[] = {
    {"cbPrinter", {}, 1, "Printer Cables", kPrinterItems, kPrinterPages},
    {"cbSerial", {}, 1, "Cables for Printers", kSerialItems, kSerialPages}};
constexpr CategoryData kPrinters = SmallWindow("frmPrinters", "Shop", kPrinterDropDowns);
constexpr const CategoryData *kPrinterWindows[] = {&kPrinters};

// The texts found, each followed by the words it lacks: "USB -zebra".
QStringList Texts(const std::vector<FindHit> &hits)
{
    QStringList texts;
    for (const FindHit &hit : hits) {
        QString text =
            QString::fromUtf8(hit.record->text.data(), qsizetype(hit.record->text.size()));
        for (const std::string &word : hit.missing)
            text += " -" + QString::fromStdString(word);
        texts.append(text);
    }
    return texts;
}

// The tests' own judge, from the README's rules and the word files.
const findoracle::Oracle &Judge()
{
    static const findoracle::Oracle oracle(BENCHLIST_WORDS);
    return oracle;
}

// Empty when the judge agrees with every word a hit says it holds or lacks;
// else the first word they disagree on.
QString Disagreement(const FindHit &hit, std::string_view query)
{
    using findoracle::Verdict;
    const std::vector<std::string> words = Judge().Words(query);
    const std::vector<Verdict> held = Judge().Holds(*hit.record, query);
    for (std::size_t i = 0; i < words.size(); ++i) {
        // A word the index cuts otherwise (bytes no UTF-8 has, letters beyond
        // ASCII) cannot be told lacking or not.
        const std::vector<std::string> &named = hit.missing.Words();
        if (hit.Partial() && std::find(named.begin(), named.end(), words[i]) == named.end())
            continue;
        const bool lacks =
            std::find(hit.missing.begin(), hit.missing.end(), words[i]) != hit.missing.end();
        if (held[i] == (lacks ? Verdict::Yes : Verdict::No))
            return QString::fromStdString((lacks ? "lacks held \"" : "holds unheld \"") + words[i]
                                          + "\" in " + std::string(hit.record->text));
    }
    return {};
}

} // namespace find

void CoreTest::findRanking_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("whole, start, words in text")
        << QByteArray("usb") << QStringList{"USB", "USB Hubs", "Hubs USB", "Powered USB Hubs"};
    QTest::newRow("case ignored, word order counts")
        << QByteArray("HUBS usb") << QStringList{"Hubs USB", "USB Hubs", "Powered USB Hubs"};
    QTest::newRow("start of a word only") << QByteArray("sb") << QStringList{};
    QTest::newRow("text before caption and title")
        << QByteArray("cables")
        << QStringList{"Cables",   "USB",           "Other",           "USB Hubs",
                       "Hubs USB", "Glare Filters", "Powered USB Hubs"};
    QTest::newRow("caption only") << QByteArray("stands") << QStringList{"Risers", "Cables"};
    QTest::newRow("title and text") << QByteArray("monitors cab") << QStringList{"Cables"};
    QTest::newRow("a word nothing holds is left out")
        << QByteArray("usb zebra")
        << QStringList{"USB -zebra", "USB Hubs -zebra", "Hubs USB -zebra",
                       "Powered USB Hubs -zebra"};
    QTest::newRow("of partial matches, the shopper's own words before everyday words")
        << QByteArray("screen hubs")
        << QStringList{"Hubs USB -screen", "USB Hubs -screen", "Powered USB Hubs -screen",
                       "Risers -hubs", "Cables -hubs"};
    QTest::newRow("swapped letters") << QByteArray("glaer") << QStringList{"Glare Filters"};
    QTest::newRow("missing letter") << QByteArray("filtrs") << QStringList{"Glare Filters"};
    QTest::newRow("extra letter") << QByteArray("filterss") << QStringList{"Glare Filters"};
    QTest::newRow("wrong letter") << QByteArray("glate") << QStringList{"Glare Filters"};
    QTest::newRow("never the first letter") << QByteArray("xlare") << QStringList{};
    QTest::newRow("only the last word a start")
        << QByteArray("pow usb")
        << QStringList{"USB -pow", "USB Hubs -pow", "Hubs USB -pow", "Powered USB Hubs -pow"};
    QTest::newRow("a word cut off after the 32nd is no start")
        << QByteArray("usb ").repeated(31) + "pow hubs"
        << QStringList{"USB -pow", "USB Hubs -pow", "Hubs USB -pow", "Powered USB Hubs -pow"};
    QTest::newRow("joined words") << QByteArray("usbhubs")
                                  << QStringList{"USB Hubs", "Powered USB Hubs"};
    QTest::newRow("split word") << QByteArray("glare fil ters") << QStringList{"Glare Filters"};
    QTest::newRow("two words one")
        << QByteArray("hu bs usb") << QStringList{"Hubs USB", "USB Hubs", "Powered USB Hubs"};
    QTest::newRow("singular") << QByteArray("filter") << QStringList{"Glare Filters"};
    QTest::newRow("a slip in every word")
        << QByteArray("glaer fitlers") << QStringList{"Glare Filters"};
    QTest::newRow("two slips in one word") << QByteArray("gaelr") << QStringList{};
    QTest::newRow("short words take no slip") << QByteArray("hbus") << QStringList{};
    QTest::newRow("an accent is dropped")
        << QString::fromUtf8("gl\u00e2re").toUtf8() << QStringList{"Glare Filters"};
    QTest::newRow("a mark apart from its letter")
        << QString::fromUtf8("gla\u0301re").toUtf8() << QStringList{"Glare Filters"};
    QTest::newRow("full-width letters and a ligature")
        << QString::fromUtf8("ＧＬＡＲＥ \ufb01lters").toUtf8() << QStringList{"Glare Filters"};
    QTest::newRow("an umlaut as its vowel")
        << QString::fromUtf8("H\u00dcBS usb").toUtf8()
        << QStringList{"Hubs USB", "USB Hubs", "Powered USB Hubs"};
    QTest::newRow("half a character separates")
        << QByteArray("glare\xc3") << QStringList{"Glare Filters"};
    QTest::newRow("a byte no character starts splits a word, as a blank does")
        << QByteArray("gla\xffre") << QStringList{"Glare Filters"};
    QTest::newRow("apostrophe joins") << QByteArray("pow'ered") << QStringList{"Powered USB Hubs"};
    QTest::newRow("control characters separate")
        << QByteArray("glare\0filters\x1b", 14) << QStringList{"Glare Filters"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("blanks") << QByteArray(" \t\r\n ") << QStringList{};
    QTest::newRow("only symbols") << QByteArray("!!! --- &&&") << QStringList{};
    QTest::newRow("one megabyte word") << QByteArray(1 << 20, 'u') << QStringList{};
    QTest::newRow("one megabyte of words") // as if said once
        << QByteArray("usb hubs ").repeated((1 << 20) / 9)
        << QStringList{"USB Hubs", "Powered USB Hubs", "Hubs USB"};
    QTest::newRow("one megabyte of near words")
        << QByteArray("glare glaer glate filter ").repeated((1 << 20) / 25)
        << QStringList{"Glare Filters"};
}

void CoreTest::findRanking()
{
    QFETCH(QByteArray, query);
    QFETCH(QStringList, found);
    const CatalogueIndex index(find::kWindows);
    QCOMPARE(
        find::Texts(index.Find(std::string_view(query.constData(), std::size_t(query.size())))),
        found);
}

void CoreTest::findRecords_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("records");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("typed");
    QTest::newRow("listed") << QByteArray("USB Hubs") << 1 << QByteArray("/bl/x/usb-hubs.html")
                            << false;
    QTest::newRow("duplicates collapse to the last")
        << QByteArray("Other") << 1 << QByteArray("/bl/x/other-second.html") << false;
    QTest::newRow("typed only") << QByteArray("Glare Filters") << 1
                                << QByteArray("/bl/x/glare.html") << true;
    QTest::newRow("item without page left out")
        << QByteArray("No Page") << 0 << QByteArray() << false;
    QTest::newRow("caption is no record")
        << QByteArray("Cables and Adapters") << 0 << QByteArray() << false;
}

void CoreTest::findRecords()
{
    QFETCH(QByteArray, text);
    QFETCH(int, records);
    QFETCH(QByteArray, path);
    QFETCH(bool, typed);
    const CatalogueIndex index(find::kWindows);
    QCOMPARE(index.Records().size(), std::size_t(8));
    std::vector<const FindRecord *> same;
    for (const FindRecord &record : index.Records())
        if (record.text == text.toStdString())
            same.push_back(&record);
    QCOMPARE(int(same.size()), records);
    if (records == 1) {
        QCOMPARE(Bytes(same[0]->address), Bytes(Page(path.toStdString())));
        QCOMPARE(same[0]->typed, typed);
        QCOMPARE(same[0]->windowTitle, std::string_view("Drives and Peripherals"));
        QCOMPARE(same[0]->caption, std::string_view("Cables and Adapters"));
    }
}

// The whole catalogue: every page a drop-down can reach is found by its own
// text, and opens what the drop-down opens; nothing else is a record.
void CoreTest::findCatalogue()
{
    const CatalogueIndex &index = CatalogueIndex::Catalogue();
    std::size_t expected = 0;
    for (const CategoryData *window : catalogue::kWindows) {
        for (const DropDownData &box : window->dropDowns) {
            std::set<std::string_view> texts;
            for (const PageEntry &entry : box.pages)
                texts.insert(entry.text);
            expected += texts.size();
        }
    }
    QCOMPARE(index.Records().size(), expected);
    int typed = 0;
    for (const FindRecord &record : index.Records()) {
        const CategoryData *window = WindowNamed(record.windowName);
        QVERIFY(window && window->title == record.windowTitle);
        const DropDownData *box = FindDropDown(*window, record.dropDownName);
        QVERIFY(box && box->initialText == record.caption);
        QCOMPARE(Bytes(record.address), Bytes(LookupPage(box->pages, record.text)));
        typed += record.typed;
        const std::vector<FindHit> hits = index.Find(record.text);
        const bool foundItself = std::any_of(
            hits.begin(), hits.end(), [&](const FindHit &hit) { return hit.record == &record; });
        QVERIFY2(foundItself || FindWords(record.text).empty(), record.text.data());
    }
    QVERIFY(typed >= 3); // "Glare Filters", "Other Vintage", "Xerox Multi" among them
}

// What shoppers type, and the category they mean, among the first `within`.
void CoreTest::findAsShoppersMean_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("within");
    const std::pair<const char *, std::pair<const char *, int>> rows[] = {
        // The very text, whatever its case and punctuation.
        {"laser toner black", {"Laser Toner Black", 1}},
        {"usb hubs and cables", {"USB Hubs and Cables", 1}},
        {"cat 5 patch cables", {"Cat-5 Patch Cables", 1}},
        // The right spelling beats a slip.
        {"toner", {"Laser Toner Black", 1}},
        {"sdram memory", {"SDRAM", 1}},
        {"moniter stands", {"Stands and Risers", 1}},
        {"keybaord", {"Keyboards", 3}},
        {"scaners", {"Scanners", 3}},
        {"projecter", {"Projectors", 3}},
        {"speekers", {"Speakers", 3}},
        {"wireles routers", {"Other Wireless Routers", 3}},
        // Words side by side and in order.
        {"pentium 4", {"Intel Pentium 4", 3}},
        {"pentium 4 systems", {"Intel Pentium 4 Systems", 1}},
        {"usb 2.0 printer cables", {"USB 2.0 Printer Cables", 1}},
        {"car adapters dell", {"Dell Car Adapters", 1}},
        {"ink jet printers", {"Ink Jet Printers", 1}},
        // The text before the caption and the title, whole words before starts.
        {"cables", {"Cables", 1}},
        {"monitor accessories", {"Monitor Accessories", 1}},
        {"hubs", {"Hubs", 1}},
        {"memory", {"Memory", 1}},
        {"sony", {"Sony", 1}},
        {"mice", {"Mice", 1}},
        // The last word still being typed.
        {"flopp", {"Floppy Drives", 3}},
        {"docking stat", {"Docking Stations", 1}},
        {"thermal pa", {"Thermal Pastes & Compounds", 1}},
        {"laser toner c", {"Laser Toner Color", 1}},
        // Joined, split and hyphenated words.
        {"harddrive", {"Hard Drives", 1}},
        {"powersupply", {"Power Supplies", 1}},
        {"soundcard", {"Sound Cards", 1}},
        {"videocard", {"Video Cards", 1}},
        {"thermalpaste", {"Thermal Pastes & Compounds", 1}},
        {"inkjet", {"Ink Jet Printers", 3}},
        {"dvdrw", {"DVD-R, DVD-RW, DVD ROM", 3}},
        {"dvd rw", {"DVD-R, DVD-RW, DVD ROM", 3}},
        {"dvd-rw", {"DVD-R, DVD-RW, DVD ROM", 3}},
        {"ps2 keyboards", {"PS/2 Keyboards", 1}},
        {"cd rom", {"CD-ROM Drives", 3}},
        {"cdrom", {"CD-ROM Drives", 3}},
        {"cdrom", {"cdrom 20X Less", 3}},
        {"cd rom", {"Internal CDROM etc", 20}},
        {"flat screen", {"17-inch LCD", 3}},
        {"usb2 adapters", {"USB-2-Adapters", 1}},
        {"10/100 nics", {"10/100 Mbps NICS", 3}},
        {"cat5", {"Cat5 3Ft and Less", 3}},
        // Singular and plural.
        {"battery", {"Batteries", 1}},
        {"switch", {"Switches", 1}},
        {"laptop battery", {"Laptop Batteries", 1}},
        {"sound card", {"Sound Cards", 1}},
        // Everyday words.
        {"notebook battery", {"Laptop Batteries", 1}},
        {"wireless mouse", {"Wireless Mice", 1}},
        {"mouse", {"Mice", 3}},
        {"ps2 mouse", {"PS/2 Mice", 1}},
        {"hdd", {"Hard Drives", 1}},
        {"hard disk", {"Hard Drives", 1}},
        {"psu", {"Power Supplies", 1}},
        {"ram", {"RAM", 1}},
        {"amd processor", {"AMD CPUs", 1}},
        {"mobo", {"Motherboards", 1}},
        {"mainboard", {"Motherboards", 1}},
        {"screen filter", {"Glare Filters", 3}},
        {"headset", {"Headphones, Microphones", 1}},
        {"webcam", {"Video Conferencing", 1}},
        {"thumbdrive", {"Flash Memory Drives", 1}},
        {"memory stick", {"Flash Memory Drives", 1}},
        {"diskette drive", {"Floppy Drives", 3}},
        {"beamer", {"Projectors", 3}},
        {"retro pc", {"Vintage PCs", 1}},
        {"dialup modem", {"Internal 56k Modems", 3}},
        {"tft 17", {"17-inch LCD", 1}},
        {"palm pen", {"Palm Styluses", 1}},
        {"colour laser", {"Color Laser", 1}},
        {"fibre cables", {"Fiber Cables", 1}},
        {"voip", {"Voice Over IP VolP", 1}},
        // A word the catalogue lacks: the records with the other words.
        {"sound blaster card", {"Creative Labs, Sound Blaster", 1}},
        {"hp inkjet cartridges", {"HP Branded", 5}},
        {"epson printer paper", {"Epson Ink Jet", 3}},
        {"logitech speakers subwoofer", {"Logitech", 3}},
        {"wireless keyboard mouse", {"Wireless Mice", 3}},
        {"wireless keyboard mouse", {"Wireless Keyboards", 3}},
        {"cisco router 2600 series", {"Series 2600-2699 Routers", 3}},
        {"usb flash drive 256mb", {"256mb", 3}},
        {"ibm thinkpad battery", {"IBM", 3}},
        {"netgear wireless router n300", {"Netgear Routers", 1}},
        {"athlon xp 2400+", {"Athlon XP CPUs", 5}},
        // Numbers inside the catalogue's ranges, whatever their spelling and unit.
        {"2.4 ghz", {"Dell 2.0-2.4 GHz", 1}},
        {"2.4 ghz", {"2.1 to 2.6GHz Systems", 3}},
        {"2.4ghz", {"2.1 to 2.6GHz Systems", 3}},
        {"1000 mhz", {"Gateway 1GHz More", 10}},
        {"1000mhz systems", {"700MHz to 1GHz Systems", 3}},
        {"2650 routers", {"Series 2600-2699 Routers", 1}},
        {"catalyst 3500", {"Catalyst 3000-3599", 1}},
        {"catalyst 7000", {"Catalyst 6500 and Higher", 1}},
        {"scsi hard drive 36gb", {"SCSI 32.1 GB-50.0 GB", 1}},
        {"30gb hard drive", {"IDE 20.1 GB-40.0 GB", 3}},
        {"30 gb laptop drive", {"20 to 40GB", 1}},
        {"20000 mb", {"IDE 10.1 GB-20.0 GB", 5}},
        {"cat 5 75 ft", {"Cat-5 Raw 51 to 100Ft", 3}},
        {"cat5 20 feet", {"Cat 5 11-25Ft", 3}},
        {"19 inch lcd", {"19-inch LCD", 1}},
        {"19 inch crt", {"18-19-inch CRT", 1}},
        {"22 inch lcd", {"20-inch Larger LCD", 1}},
        {"hub 8 ports", {"Hubs 7-12 Ports", 1}},
        {"16 port hub", {"Hubs 13 Ports and Over", 1}},
        {"350 watt power supply", {"301 to 400 Watts", 1}},
        {"500w power supply", {"401+ Watts", 1}},
        {"128 mb sdram", {"128MB SDRAM", 1}},
        {"1gb ddr", {"DDR 512MB and Higher", 1}},
        {"ddr 128mb", {"DDR 256MB and Less", 1}},
        {"dell 1.7 ghz laptop", {"Dell 1.5-1.9 GHz", 1}},
        {"dell 450 mhz", {"Dell 400-466 MHz", 1}},
        {"ibm 300 mhz", {"IBM 266-333 MHz", 1}},
        {"g4 800mhz", {"G4 500-966MHz", 1}},
        {"3.2 ghz", {"3.0GHz And Higher Systems", 1}},
        {"40x cd drive", {"44X and Slower", 3}},
        {"802.11g", {"802.11 Wifi Wireless", 1}},
        {"hp 2 packs", {"HP 2 Packs", 1}},
        {"epson 4 pack", {"Epson Comp. 4 Packs", 1}},
        {"canon 3 pack black", {"Cannon Comp. 3-Packs Black", 1}},
        // Roman numerals in model names.
        {"pentium 2", {"Intel Pentium II CPUs", 3}},
        {"pentium 2", {"Pentium II, Pentium Pro", 3}},
        {"pentium 3 cpu", {"Intel Pentium III CPUs", 1}},
        {"pentium iv", {"Intel Pentium IV CPUs", 3}},
        {"pentium 4 cpu", {"Intel Pentium IV CPUs", 1}},
        {"pentium ii 400", {"Penitum II", 1}},
        // Small words need not match.
        {"cables and connectors", {"Cables, Connectors", 3}},
        {"routers and switches", {"Routers and Switches", 1}},
        {"the usb hubs", {"USB Hubs and Cables", 1}},
        {"cases for laptops", {"Cases, Bags", 3}},
        {"software for windows", {"Windows Software", 1}},
        {"switch box and cables", {"Switch Box And Cables", 1}},
        {"monitor with stand", {"Stands and Risers", 1}},
        // A text holding every word before one that needs its caption.
        {"routers switches", {"Routers and Switches", 1}},
        {"router switch", {"Routers and Switches", 3}},
        {"ink cartridges", {"Ink Cartridges Black", 3}},
        {"laser toner", {"Laser Toner Black", 3}},
        {"sony accessories", {"Sony Accessories", 1}},
        {"docking stations dell", {"Dell Docking Stations", 1}},
        {"keyboards dell", {"Dell Keyboards", 1}},
        // A word needed from the caption or the title counts wherever it stands.
        {"desktop lots", {"Desktop Components", 1}},
        {"networking cards", {"Home Networking Kits", 1}},
        // Two words side by side, in order, before the same two with a word between.
        {"cd drives", {"External CD Drives", 1}},
        {"usb adapters", {"USB Adapters and Nics", 1}},
        {"athlon systems", {"AMD Duron, Athlon Systems", 1}},
        // A gigabyte is 1,024 megabytes.
        {"0.5 gb sdram", {"512MB SDRAM", 1}},
        {"0.5gb ddr", {"DDR 512MB and Higher", 1}},
        {"0.5 gb flash", {"512mb and More", 1}},
        // What shoppers call a thing, where the catalogue says it otherwise.
        {"pen drive", {"Flash Memory Drives", 3}},
        {"thumb drive", {"Flash Memory Drives", 3}},
        {"usb stick", {"Flash Memory Drives", 3}},
        {"power brick", {"AC Standard Adapters", 3}},
        {"wall wart", {"AC Standard Adapters", 3}},
        {"notebook charger", {"Adapters and Chargers", 3}},
        {"graphics tablet", {"Tablets", 1}},
        {"drawing tablet", {"Tablets", 3}},
        {"graphics card", {"Video Cards", 1}},
        {"power cord", {"Power Cables", 1}},
        {"cpu cooler", {"Fans and Heatsinks", 3}},
        {"thermal grease", {"Thermal Pastes & Compounds", 1}},
        {"heat sink", {"Fans and Heatsinks", 3}},
        {"monitor arm", {"Arms and Wall Mounts", 1}},
        {"anti glare screen", {"Glare Filters", 3}},
        {"barcode reader", {"Barcode Scanners", 1}},
        {"tv card", {"TV Tuners", 3}},
        {"earphones", {"Headphones, Microphones", 1}},
        {"computer speakers", {"Speakers", 3}},
        {"patch cord", {"Cat-5 Patch Cables", 3}},
        {"crimper", {"Crimping Tools", 1}},
        {"server rack", {"Racks Mounts and Cabinets", 3}},
        {"toner cartridge", {"Laser Toner Black", 3}},
        {"print head", {"Printheads", 1}},
        {"laptop memory", {"Memory Upgrades", 3}},
        {"port replicator", {"Docking Stations", 3}},
        {"dial up modem", {"Internal 56k Modems", 3}},
        {"cd burner", {"CD-R and CD-RW Drives", 3}},
        {"laptop screen", {"Screens, LCD Panels", 3}},
        // Product lines, to their makers' pages.
        {"vaio", {"Sony", 3}},
        {"vaio laptop", {"Sony Laptops", 3}},
        {"latitude laptop", {"Dell Laptops", 3}},
        {"inspiron laptop", {"Dell Laptops", 3}},
        {"thinkpad", {"IBM Laptops", 3}},
        {"thinkpad keyboard", {"IBM Keyboards", 3}},
        {"satellite laptop", {"Toshiba Laptops", 3}},
        {"tecra", {"Toshiba Laptops", 3}},
        {"presario laptop", {"HP and Compaq Laptops", 3}},
        {"deskjet", {"HP Ink Jet", 3}},
        {"officejet", {"HP Multi", 3}},
        {"bubblejet", {"Canon Ink Jet", 3}},
        {"ipaq", {"HP Compaq Accessories", 3}},
        {"jornada", {"HP Compaq Accessories", 3}},
        {"clie", {"Sony Accessories", 3}},
        {"geforce", {"Nvidia", 3}},
        {"radeon", {"ATI", 3}},
        {"voodoo", {"3DFX", 3}},
        {"proliant", {"Compaq Servers", 3}},
        {"optiplex", {"Dell Systems", 5}},
        // Abbreviations written out, and the other way round.
        {"uninterruptible power supply", {"UPS, Battery Backups", 3}},
        {"keyboard video mouse switch", {"KVM Switch Boxes and Cables", 3}},
        {"network card", {"Network Interface Cards Wired", 3}},
        {"ethernet card", {"Ethernet NICS", 3}},
        {"power supply unit", {"Power Supplies", 3}},
        {"hard disk drive", {"Hard Drives", 3}},
        {"hdd 40gb", {"IDE 20.1 GB-40.0 GB", 3}},
        {"liquid crystal display", {"LCD Flat Panel", 3}},
        {"cathode ray tube", {"Standard CRT", 5}},
        {"personal digital assistant", {"PDAs and Handheld PCs", 3}},
        {"random access memory", {"Memory", 3}},
        {"central processing unit", {"CPUs", 3}},
        {"gpu", {"Video Cards", 3}},
        {"lan card", {"Network Interface Cards Wired", 3}},
        // German.
        {"grafikkarte", {"Video Cards", 3}},
        {"grafikkarten", {"Video Cards", 3}},
        {"netzteil", {"Power Supplies", 3}},
        {"tastatur", {"Keyboards", 3}},
        {"kabellose maus", {"Wireless Mice", 3}},
        {"drucker", {"Printers", 3}},
        {"laserdrucker", {"Laser Printers", 3}},
        {"festplatte", {"Hard Drives", 3}},
        {"arbeitsspeicher", {"Memory", 3}},
        {"bildschirm", {"Monitors", 3}},
        {"flachbildschirm", {"LCD Flat Panel", 3}},
        {"lautsprecher", {"Speakers", 3}},
        {"soundkarte", {"Sound Cards", 3}},
        {"netzwerkkarte", {"Network Interface Cards Wired", 3}},
        {"hauptplatine", {"Motherboards", 3}},
        {"prozessor", {"CPUs", 5}},
        {"tintenpatrone", {"Ink Cartridges Black", 3}},
        {"l\u00fcfter", {"Fans and Heatsinks", 3}},
        {"luefter", {"Fans and Heatsinks", 3}},
        {"k\u00fchlk\u00f6rper", {"Fans and Heatsinks", 3}},
        {"diskettenlaufwerk", {"Floppy Drives", 3}},
        {"notebook tasche", {"Cases, Bags", 3}},
        // French.
        {"clavier", {"Keyboards", 3}},
        {"souris", {"Mice", 3}},
        {"souris sans fil", {"Wireless Mice", 3}},
        {"\u00e9cran plat", {"LCD Flat Panel", 3}},
        {"ecran plat", {"LCD Flat Panel", 3}},
        {"imprimante", {"Printers", 3}},
        {"imprimante laser", {"Laser Printers", 3}},
        {"carte graphique", {"Video Cards", 3}},
        {"carte son", {"Sound Cards", 3}},
        {"carte r\u00e9seau", {"Network Interface Cards Wired", 3}},
        {"disque dur", {"Hard Drives", 3}},
        {"m\u00e9moire", {"Memory", 3}},
        {"memoire", {"Memory", 3}},
        {"alimentation", {"Power Supplies", 3}},
        {"haut-parleurs", {"Speakers", 3}},
        {"batterie portable", {"Laptop Batteries", 3}},
        {"cartouche d'encre", {"Ink Cartridges Black", 3}},
        {"ventilateur", {"Fans and Heatsinks", 3}},
        {"onduleur", {"UPS, Battery Backups", 3}},
        {"c\u00e2ble r\u00e9seau", {"Network Cables and Connectors", 3}},
        {"lecteur de disquette", {"Floppy Drives", 3}},
        {"carte mere", {"Motherboards", 3}},
        // Spanish.
        {"impresora l\u00e1ser", {"Laser Printers", 3}},
        {"impresora laser", {"Laser Printers", 3}},
        {"rat\u00f3n inal\u00e1mbrico", {"Wireless Mice", 3}},
        {"raton inalambrico", {"Wireless Mice", 3}},
        {"disco duro", {"Hard Drives", 3}},
        {"teclado", {"Keyboards", 3}},
        {"tarjeta gr\u00e1fica", {"Video Cards", 3}},
        {"tarjeta de sonido", {"Sound Cards", 3}},
        {"tarjeta de red", {"Network Interface Cards Wired", 3}},
        {"fuente de alimentaci\u00f3n", {"Power Supplies", 3}},
        {"altavoces", {"Speakers", 3}},
        {"memoria", {"Memory", 3}},
        {"pantalla plana", {"LCD Flat Panel", 3}},
        {"placa base", {"Motherboards", 3}},
        {"cartucho de tinta", {"Ink Cartridges Black", 3}},
        {"esc\u00e1ner", {"Scanners", 3}},
        {"ventilador", {"Fans and Heatsinks", 3}},
        {"cable de red", {"Network Cables and Connectors", 3}},
        // Languages mixed, as shoppers mix them.
        {"clavier usb", {"USB Keyboards", 3}},
        {"tastatur usb", {"USB Keyboards", 3}},
        // An umlaut typed as "oe" where the word file writes only the "ö".
        {"roehrenbildschirme", {"Other CRTs", 3}},
        {"rat\u00f3n usb", {"USB Mice", 3}},
    };
    for (const auto &[query, expected] : rows)
        QTest::addRow("%s: %s", query, expected.first)
            << QByteArray(query) << QByteArray(expected.first) << expected.second;
}

void CoreTest::findAsShoppersMean()
{
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, text);
    QFETCH(int, within);
    const std::vector<FindHit> hits = CatalogueIndex::Catalogue().Find(query.toStdString());
    const auto found = std::find_if(hits.begin(), hits.end(), [&](const FindHit &hit) {
        return hit.record->text == text.toStdString();
    });
    const QStringList first =
        find::Texts({hits.begin(), hits.begin() + std::min<std::ptrdiff_t>(3, std::ssize(hits))});
    QVERIFY2(found != hits.end() && found - hits.begin() < within, qPrintable(first.join(" | ")));
    QVERIFY(std::is_sorted(hits.begin(), hits.end(),
                           [](const FindHit &a, const FindHit &b) { return a.rank < b.rank; }));
}

// How the tiers of a match order records that differ in one thing.
void CoreTest::findTiers_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("side by side before one between")
        << QByteArray("other printers")
        << QStringList{"Other Printers", "Other Laser Printers", "Printers Other"};
    QTest::newRow("own text before caption, whatever the nearness")
        << QByteArray("usb cables")
        << QStringList{"USB Cables", "Cables for the USB Port", "USB Adapters"};
    QTest::newRow("a caption that starts with the word counts as any")
        << QByteArray("printer parallel") << QStringList{"Parallel", "Parallel Long Name"};
    QTest::newRow("everyday word") << QByteArray("notebook bag") << QStringList{"Laptop Bags"};
    QTest::newRow("everyday word, plural")
        << QByteArray("notebooks bags") << QStringList{"Laptop Bags"};
    QTest::newRow("the catalogue's own words apart before an everyday word beside")
        << QByteArray("notebook sleeves")
        << QStringList{"Notebook Covers and Sleeves", "Laptop Sleeves"};
    QTest::newRow("an everyday word for two catalogue words, together or apart")
        << QByteArray("hdd") << QStringList{"Hard Drive Cables", "Hard Cases for Drives"};
    QTest::newRow("small words between others")
        << QByteArray("cables for the usb") << QStringList{"Cables for the USB Port", "USB Cables"};
    QTest::newRow("nothing but small words") << QByteArray("for the") << QStringList{};
    QTest::newRow("an umlaut without its marks")
        << QByteArray("burodrucker") << QStringList{"Bürodrucker Cables"};
    QTest::newRow("an umlaut written with an e")
        << QByteArray("BUERODRUCKER") << QStringList{"Bürodrucker Cables"};
    QTest::newRow("an umlaut whose marks stand apart")
        << QString::fromUtf8("bu\u0308rodrucker").toUtf8() << QStringList{"Bürodrucker Cables"};
}

void CoreTest::findTiers()
{
    QFETCH(QByteArray, query);
    QFETCH(QStringList, found);
    const CatalogueIndex index(find::kPrinterWindows);
    QCOMPARE(find::Texts(index.Find(query.toStdString())).mid(0, found.size()), found);
}

// Of two entries with one text, the record is the one a drop-down opens, in
// its place.
void CoreTest::findKeepsTheWinningEntry()
{
    const CatalogueIndex index(find::kPrinterWindows);
    QStringList serial;
    for (const FindRecord &record : index.Records())
        if (record.dropDownName == "cbSerial")
            serial << QString::fromUtf8(record.text.data(), qsizetype(record.text.size()));
    QCOMPARE(serial, (QStringList{"Serial", "Parallel"}));
    QCOMPARE(Bytes(index.Find("parallel").front().record->address), Bytes(Page("/bl/s/last.html")));
}

// Input nobody types gives results in order, or none, and never a crash or a hang.
void CoreTest::findRecall_data()
{
    QTest::addColumn<QByteArray>("query");
    for (const char *query :
         {"1000 mhz", "2.4 ghz", "2.4ghz", "30gb hard drive", "hub 8 ports", "batteries", "mice",
          "laptop batteries", "usb hubs", "printer cables", "pentium 2", "pentium ii", "toner",
          "monitor stands", "grafikkarte", "17 inch", "box switch", "usb", "s"})
        QTest::newRow(query) << QByteArray(query);
}

// Every category the judge finds holding each word is among the full matches.
void CoreTest::findRecall()
{
    QFETCH(QByteArray, query);
    const std::string text = query.toStdString();
    const CatalogueIndex &index = CatalogueIndex::Catalogue();
    std::set<const FindRecord *> full;
    for (const FindHit &hit : index.Find(text))
        if (!hit.Partial())
            full.insert(hit.record);
    for (const FindRecord &record : index.Records()) {
        const std::vector<findoracle::Verdict> held = find::Judge().Holds(record, text);
        const bool all = !held.empty() && std::all_of(held.begin(), held.end(), [](auto verdict) {
            return verdict == findoracle::Verdict::Yes;
        });
        QVERIFY2(!all || full.contains(&record),
                 qPrintable(QString::fromStdString(text) + ": " + Bytes(record.windowName) + '/'
                            + Bytes(record.text) + " is left out"));
    }
}

void CoreTest::findBadInput_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::newRow("ten thousand digits") << QByteArray(10000, '9');
    QTest::newRow("ten thousand digits and a unit") << QByteArray(10000, '1') + " gb";
    QTest::newRow("a fraction of a thousand digits") << "0." + QByteArray(1000, '0') + "1 mhz";
    for (const char *query :
         {"1e999", "-0", "0x10", "1..2", "2699-2600", "2.6-2.1 ghz", "1.2.3.4", "a1b2c3", "12abc",
          "2400+", "802.11g", "3com 56k", "--1", "0 mb", "99999999999999999999 mhz", "ii iii iv",
          "usb zebra giraffe okapi", "and the of"})
        QTest::newRow(query) << QByteArray(query);
    QByteArray manyWords;
    for (int i = 0; i < 40; ++i)
        manyWords += QByteArray::number(i * 37) + " word" + QByteArray::number(i) + ' ';
    QTest::newRow("forty different words") << manyWords;
    for (const char *query :
         {"usb \u043a\u0430\u0431\u0435\u043b\u044c", "\u03ba\u03ac\u03c1\u03c4\u03b1 usb hub",
          "\u9375\u76e4 mouse \u30de\u30a6\u30b9", "\u0441d r\u03c9 dvd", "\u0301\u0308",
          "usb \u0301 hubs", "\u20dd\u0327", "\uff55\uff53\uff42 \uff48\uff55\uff42", "\ufb01lters",
          "\u2163 pentium", "ecra\u0301n plat"})
        QTest::addRow("foreign: %s", query) << QByteArray(query);
    const std::pair<const char *, QByteArray> invalid[] = {
        {"overlong slash", "usb\xc0\xaf hubs"},
        {"overlong three bytes", "\xe0\x80\xaf"},
        {"lone surrogate", "usb \xed\xa0\x80"},
        {"lone low surrogate in a word", "hu\xed\xb2\x80"
                                         "bs"},
        {"beyond the last code point", "\xf4\x90\x80\x80 hubs"},
        {"five bytes", "\xf8\x88\x80\x80\x80"},
        {"cut short", "cables \xe2\x82"},
        {"stray continuation byte in a word", "us\x80"
                                              "b hubs"},
        {"bytes no UTF-8 has", "\xff\xfe\xc1\xbf"}};
    for (const auto &[name, query] : invalid)
        QTest::newRow(name) << query;
    QTest::newRow("a word of 100,000 letters") << QByteArray(100000, 'q');
    QTest::newRow("a word of 100,000 accented letters") << QString(100000, QChar(0xe9)).toUtf8();
    QTest::newRow("100,000 combining marks on one letter")
        << "e" + QString(100000, QChar(0x301)).toUtf8();
    // Every phrase of the word files with one letter left out.
    for (const std::string &phrase : find::Judge().Phrases()) {
        QString typed = QString::fromStdString(phrase);
        typed.remove(typed.size() / 2, 1);
        QTest::addRow("a letter missing: %s", phrase.c_str()) << typed.toUtf8();
    }
}

void CoreTest::findBadInput()
{
    QFETCH(QByteArray, query);
    const CatalogueIndex &index = CatalogueIndex::Catalogue();
    const std::string text = query.toStdString();
    const std::vector<FindHit> hits = index.Find(text);
    bool partial = false;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const FindHit &hit = hits[i];
        QVERIFY(i == 0 || hits[i - 1].rank < hit.rank);
        QVERIFY2(!partial || hit.Partial(), "a full match after a partial one");
        partial = hit.Partial();
        QVERIFY(!hit.Partial() || hit.missing.size() < hit.missing.Words().size());
        const QString disagreement = find::Disagreement(hit, text);
        QVERIFY2(disagreement.isEmpty(), qPrintable(disagreement));
    }
}

// What a shopper chose before lifts a full, exact match; how often the page
// was used orders matches that are otherwise alike.
void CoreTest::findUsage_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("used");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("higher");
    QTest::addColumn<QByteArray>("lower");
    QTest::addColumn<QByteArray>("language"); // the shopper's, as the locale names it
    const auto row = [](const char *name, const char *query, const char *chosen, const char *used,
                        double value, const char *higher, const char *lower,
                        const char *language = "en") {
        QTest::newRow(name) << QByteArray(query) << QByteArray(chosen) << QByteArray(used) << value
                            << QByteArray(higher) << QByteArray(lower) << QByteArray(language);
    };
    row("without usage", "keyboards", "", "", 1, "IBM Keyboards", "Dell Keyboards");
    row("chosen before the very text", "keyboards", "Dell Keyboards", "", 1, "Dell Keyboards",
        "Keyboards");
    row("chosen among exact matches", "pentium ii", "Intel Pentium II CPUs", "", 1,
        "Intel Pentium II CPUs", "Pentium II, Pentium Pro");
    row("a slip stays below an exact match", "pentium ii", "Penitum II", "", 1,
        "Intel Pentium II CPUs", "Penitum II");
    row("a partial match stays below a fuller one", "sound blaster card", "Sound Cards", "", 1,
        "Creative Labs, Sound Blaster", "Sound Cards");
    row("used more, among alike matches", "keyboards", "", "Dell Keyboards", 1, "Dell Keyboards",
        "IBM Keyboards");
    row("used more, within its tier", "keyboards", "", "Dell Keyboards", 1, "Keyboards",
        "Dell Keyboards");
    row("used more, with a slip", "pentium ii", "", "Penitum II", 1, "Intel Pentium II CPUs",
        "Penitum II");
    row("unsound values", "keyboards", "Dell Keyboards", "Dell Keyboards",
        std::numeric_limits<double>::quiet_NaN(), "IBM Keyboards", "Dell Keyboards");
    row("negative values", "keyboards", "Dell Keyboards", "Dell Keyboards", -1, "IBM Keyboards",
        "Dell Keyboards");
    row("endless values", "keyboards", "Dell Keyboards", "Dell Keyboards",
        std::numeric_limits<double>::infinity(), "IBM Keyboards", "Dell Keyboards");
    // "Streamer" is a tape to the English, a tape drive to the German: each
    // shopper's own meaning first, the other's costing more.
    row("the English meaning for the English", "streamer", "", "", 1, "Tape Back-Up DLT",
        "Other Tape Drives");
    row("the German meaning for the German", "streamer", "", "", 1, "Other Tape Drives",
        "Tape Back-Up DLT", "de");
    row("the language of the locale's name", "streamer", "", "", 1, "Other Tape Drives",
        "Tape Back-Up DLT", "de_DE.UTF-8");
}

void CoreTest::findUsage()
{
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, used);
    QFETCH(double, value);
    QFETCH(QByteArray, higher);
    QFETCH(QByteArray, lower);
    QFETCH(QByteArray, language);
    const UsageScorer usage = [&](const FindRecord &record) {
        return UsageScore{Bytes(record.text) == chosen ? value : 0.0,
                          Bytes(record.text) == used ? value : 0.0};
    };
    const std::vector<FindHit> hits =
        CatalogueIndex::Catalogue().Find(query.toStdString(), usage, language.toStdString());
    const auto place = [&](const QByteArray &text) {
        return std::find_if(hits.begin(), hits.end(),
                            [&](const FindHit &hit) { return Bytes(hit.record->text) == text; })
               - hits.begin();
    };
    QVERIFY(place(higher) < std::ssize(hits) && place(lower) < std::ssize(hits));
    QVERIFY(std::is_sorted(hits.begin(), hits.end(),
                           [](const FindHit &a, const FindHit &b) { return a.rank < b.rank; }));
    QVERIFY2(place(higher) < place(lower), qPrintable(find::Texts(hits).mid(0, 5).join(" | ")));
}

// Queries made of the catalogue's own words, numbers and a word it lacks: the
// results come in rank order, with or without usage, full matches first, and
// the words a result lacks are those it does not hold.
void CoreTest::findOrderOverManyQueries()
{
    const CatalogueIndex &index = CatalogueIndex::Catalogue();
    const std::span<const FindRecord> records = index.Records();
    const UsageScorer usage = [](const FindRecord &record) {
        const auto spread = double(record.text.size() % 7);
        return UsageScore{spread > 4 ? spread : 0.0, double(record.address.size() % 5)};
    };
    const char *extras[] = {"", " zebra", " 2.4 ghz", " 2", " iv", " and the", " 30gb", " s"};
    for (std::size_t i = 0; i < records.size(); i += 3) {
        const std::vector<std::string> own = FindWords(records[i].text);
        const std::vector<std::string> other =
            FindWords(records[(i * 7 + 5) % records.size()].caption);
        if (own.empty() || other.empty())
            continue;
        const std::string query = own.front() + ' ' + other.back() + extras[i % std::size(extras)];
        for (const UsageScorer &use : {UsageScorer{}, usage}) {
            const std::vector<FindHit> hits = index.Find(query, use);
            for (std::size_t h = 0; h < hits.size(); ++h) {
                QVERIFY2(h == 0 || hits[h - 1].rank < hits[h].rank, query.c_str());
                QVERIFY2(h == 0 || hits[h - 1].Partial() <= hits[h].Partial(), query.c_str());
                if (h < 8)
                    QVERIFY2(find::Disagreement(hits[h], query).isEmpty(),
                             qPrintable(QString::fromStdString(query) + ": "
                                        + find::Disagreement(hits[h], query)));
            }
        }
    }
}

// Each English everyday word finds something, and so does each meaning it stands for.
void CoreTest::everydayWordsLeadSomewhere()
{
    const std::span<const VocabularyEntry> words = Languages()[LanguageOf("en")].words;
    QVERIFY(words.size() >= 40);
    const CatalogueIndex &index = CatalogueIndex::Catalogue();
    for (const VocabularyEntry &word : words) {
        QVERIFY2(!index.Find(word.shopper).empty(), word.shopper.data());
        for (const std::string_view meaning : word.meanings)
            QVERIFY2(!index.Find(meaning).empty(), std::string(meaning).c_str());
    }
}

// Every record has an id of its own that leads back to it; anything else is unknown.
void CoreTest::searchIds()
{
    const SearchResults &results = SearchResults::Catalogue();
    std::set<std::string> ids;
    for (const FindRecord &record : CatalogueIndex::Catalogue().Records()) {
        const std::string id = SearchResultId(record);
        QVERIFY2(ids.insert(id).second, id.c_str());
        QCOMPARE(results.Record(id), &record);
    }
    QCOMPARE(SearchResultId(*results.Record("frmMonitors/cbFlat/17-inch LCD")),
             std::string("frmMonitors/cbFlat/17-inch LCD"));
    for (const char *unknown : {"", "frmMonitors/cbFlat/", "frmMonitors/cbFlat/17-inch LCD ",
                                "frmMonitors/cbFlat/17-inch lcd", "frmMonitors//17-inch LCD"})
        QVERIFY2(!results.Record(unknown), unknown);
}

void CoreTest::findOnTheCatalogue_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QByteArray>("text"); // the best match
    QTest::newRow("one word only in the caption")
        << QByteArray("batteries dell") << QByteArray("frmLaptops") << QByteArray("Dell");
    QTest::newRow("two words only in the caption")
        << QByteArray("zip jaz external firewire") << QByteArray("frmDrives")
        << QByteArray("External Firewire");
    QTest::newRow("one word only in the title")
        << QByteArray("apple memory") << QByteArray("frmApple") << QByteArray("Memory");
    QTest::newRow("title and a typed entry")
        << QByteArray("monitors glare") << QByteArray("frmMonitors") << QByteArray("Glare Filters");
    // The catalogue's longest word, with a slip at its end, is still a word to look for.
    std::string longest;
    const FindRecord *holder = nullptr;
    for (const FindRecord &record : CatalogueIndex::Catalogue().Records()) {
        for (std::string_view words : {record.text, record.caption, record.windowTitle}) {
            for (const std::string &word : FindWords(words)) {
                if (word.size() > longest.size()) {
                    longest = word;
                    holder = &record;
                }
            }
        }
    }
    QTest::newRow("longest word and one letter more")
        << QByteArray::fromStdString(longest + 'x') << Bytes(holder->windowName)
        << Bytes(holder->text);
}

void CoreTest::findOnTheCatalogue()
{
    QFETCH(QByteArray, query);
    QFETCH(QByteArray, window);
    QFETCH(QByteArray, text);
    const std::vector<FindHit> hits = CatalogueIndex::Catalogue().Find(query.toStdString());
    const auto matches = [&](const FindHit &hit) {
        return Bytes(hit.record->windowName) == window && Bytes(hit.record->text) == text;
    };
    QVERIFY2(std::any_of(hits.begin(), hits.end(), matches), query.constData());
    if (query.count(' ') > 0)
        QVERIFY2(matches(hits.front()), Bytes(hits.front().record->text).constData());
}

QTEST_GUILESS_MAIN(CoreTest)
#include "tst_core.moc"
