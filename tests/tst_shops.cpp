// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shops: their addresses, the search words kept for every category in
// every shop's language, and the shopper's own shop.
#include "catalogue/catalogue.h"
#include "core/addresses.h"
#include "core/catalogueexport.h"
#include "core/lookup.h"
#include "core/shops.h"
#include "settings/settings.h"
#include "widgets/shell/othershopdialog.h"
#include "widgets/shell/shopmenu.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

using namespace benchlist;

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

Shop Named(const char *id)
{
    return *BuiltInShop(id);
}

} // namespace

class ShopsTest : public QObject {
    Q_OBJECT

private slots:
    void addresses_data();
    void addresses();
    void searchAddressChecks_data();
    void searchAddressChecks();
    void searchWords_data();
    void searchWords();
    void everyRecordAtEveryShop();
    void openSearch_data();
    void openSearch();
    void menuOrder();
    void bookmarksNameTheShop();
    void otherShopSavedOnlyWhenAccepted();
};

void ShopsTest::addresses_data()
{
    QTest::addColumn<QString>("shop");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("dropDown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::newRow("catalogue, as it always was")
        << "catalogue"
        << "frmLaptops"
        << "cbSystems"
        << "Dell 2.5GHz More" << ToQString(SiteBase) + "/bl/lt/2500MHz-Higher-Systems.html";
    QTest::newRow("catalogue, text no entry has") << "catalogue"
                                                  << "frmMonitors"
                                                  << "cbFlat"
                                                  << "nothing like it" << ToQString(ErrorPageUrl);
    QTest::newRow("blank as %20, in a query")
        << "ebay-us"
        << "frmMonitors"
        << "cbFlat"
        << "17-inch LCD"
        << "https://www.ebay.com/sch/i.html?_nkw=17%20inch%20LCD%20monitor";
    QTest::newRow("slash, and a path template")
        << "ldlc"
        << "frmNetworking"
        << "cbNICS"
        << "10/100 Mbps NICS"
        << "https://www.ldlc.com/recherche/10%2F100%20carte%20r%C3%A9seau/";
    QTest::newRow("accent, in a query")
        << "pccomponentes"
        << "frmDrives"
        << "cbInput"
        << "Mice"
        << "https://www.pccomponentes.com/buscar/?query=PC%20rat%C3%B3n";
    QTest::newRow("plus")
        << "amazon-us"
        << "frmDeskTops"
        << "cb3GHz"
        << "AMD Athlon XP Systems"
        << "https://www.amazon.com/s?k=AMD%20Athlon%20XP%203000%2B%20desktop%20PC";
    QTest::newRow("words typed that no entry has, ampersand")
        << "geizhals"
        << "frmMonitors"
        << "cbFlat"
        << "Dell & HP"
        << "https://geizhals.de/?fs=Dell%20%26%20HP";
}

// The catalogue's addresses are left unencoded; a shop's words are encoded whole.
void ShopsTest::addresses()
{
    QFETCH(QString, shop);
    QFETCH(QString, window);
    QFETCH(QString, dropDown);
    QFETCH(QString, text);
    QFETCH(QString, address);
    SetActiveShop(Named(shop.toLatin1().constData()));
    QCOMPARE(QString::fromStdString(
                 PageAddress(window.toStdString(), dropDown.toStdString(), text.toStdString())),
             address);
    SetActiveShop(DefaultShop());
}

void ShopsTest::searchAddressChecks_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("fault");
    const auto row = [](const char *name, const char *address, AddressFault fault) {
        QTest::newRow(name) << QString::fromUtf8(address) << int(fault);
    };
    row("https", "https://shop.example/s?q={searchTerms}", AddressFault::None);
    row("http, %s, in the path", "http://shop.example/find/%s/", AddressFault::None);
    row("javascript", "javascript:alert({searchTerms})", AddressFault::NotWeb);
    row("file", "file:///etc/passwd?{searchTerms}", AddressFault::NotWeb);
    row("no host", "https:///s?q={searchTerms}", AddressFault::NoHost);
    row("%s in the host", "https://%s.example/", AddressFault::NoHost);
    row("user before the host", "https://shop.example@evil.example/?q=%s", AddressFault::NoHost);
    row("no placeholder", "https://shop.example/s?q=", AddressFault::NoPlaceholder);
    row("two placeholders", "https://shop.example/{searchTerms}?q={searchTerms}",
        AddressFault::TwoPlaceholders);
    row("a newline", "https://shop.example/s?q={searchTerms}\nhttps://evil.example/",
        AddressFault::Blank);
    row("a blank", "https://shop.example/s?q= {searchTerms}", AddressFault::Blank);
}

void ShopsTest::searchAddressChecks()
{
    QFETCH(QString, address);
    QFETCH(int, fault);
    QCOMPARE(int(CheckSearchAddress(SearchTemplate(address.toStdString()))), fault);
    QCOMPARE(AddressProblem(address).isEmpty(), fault == int(AddressFault::None));
}

void ShopsTest::searchWords_data()
{
    QTest::addColumn<QString>("where"); // window/drop-down/text
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("words");
    const auto row = [](const char *name, const char *where, const char *language,
                        const char *words) {
        QTest::newRow(name) << QString::fromUtf8(where) << language << QString::fromUtf8(words);
    };
    row("left out: Other", "frmDeskTops/cb400/Other Chip Type Systems", "en", "desktop PC");
    row("left out: & Higher", "frmApple/cbDesktops/G4 1.0GHz & Higher", "en", "Power Mac G4 1GHz");
    row("left out: All Other", "frmComponents/cbMemory/All Other Memory", "es", "memoria RAM");
    row("left out: etc; French puts external after the noun",
        "frmApple/cbDrivesMedia/External CDROM etc", "fr", "Apple Mac lecteur CD externe");
    row("a range", "frmLaptops/cbSystems/Dell 1.5-1.9 GHz", "en", "Dell 1.5GHz laptop");
    row("an open range", "frmComponents/cbPower/200 Watts and Less", "de", "200W Netzteil");
    row("a brand alone", "frmLaptops/cbBatteries/Dell", "en", "Dell laptop battery");
    row("a model line alone", "frmApple/cbLaptops/Pismo", "en", "PowerBook G3 Pismo");
    row("a catch-all", "frmApple/cbInputDevices/Other", "en", "Apple Mac input device");
    row("the misspelling", "frmPrinters/cbBlackInk/Cannon Comp. Single", "en",
        "Canon compatible black ink cartridge");
    row("German size", "frmMonitors/cbFlat/17-inch LCD", "de", "17 Zoll LCD Monitor");
    row("French size", "frmMonitors/cbFlat/17-inch LCD", "fr", "17 pouces écran LCD");
    row("Spanish size", "frmMonitors/cbFlat/17-inch LCD", "es", "17 pulgadas monitor LCD");
    row("German kind", "frmPrinters/cbWholesale/Printers", "de", "Drucker Posten");
    row("French kind", "frmDrives/cbHardDriveInternal/IDE 20.1 GB-40.0 GB", "fr",
        "IDE 40GB disque dur");
    row("a text with a trailing blank", "frmDrives/cbHardDriveInternal/SCA Hard Drives ", "es",
        "SCSI SCA 80-pin disco duro");
}

void ShopsTest::searchWords()
{
    QFETCH(QString, where);
    QFETCH(QString, language);
    QFETCH(QString, words);
    const QStringList parts = where.split(QLatin1Char('/'));
    QCOMPARE(QString::fromStdString(SearchWords(parts[0].toStdString(), parts[1].toStdString(),
                                                parts.mid(2).join(QLatin1Char('/')).toStdString(),
                                                language.toStdString())),
             words);
}

// Every text of every drop-down, in the language of every shop: 1 to 8 words,
// a kind of product or a product line among them, no word that tells a shop
// nothing.
void ShopsTest::everyRecordAtEveryShop()
{
    static const QRegularExpression leftOut(
        QStringLiteral(R"((^|\s)(other|all|more|misc|higher|less|&|,|\.\.\.|etc)(\s|$)|,)"),
        QRegularExpression::CaseInsensitiveOption);
    int records = 0;
    for (const std::string language : {"en", "de", "fr", "es"}) {
        const std::vector<std::string> products = ProductWords(language);
        for (const CategoryData *window : catalogue::kWindows)
            for (const DropDownData &dropDown : window->dropDowns)
                for (const PageEntry &entry : dropDown.pages) {
                    const std::string words =
                        SearchWords(window->name, dropDown.name, entry.text, language);
                    const QString said = QString::fromStdString(words);
                    const QString where =
                        QString::fromUtf8(window->name.data(), window->name.size()) + "/"
                        + QString::fromUtf8(dropDown.name.data(), dropDown.name.size()) + "/"
                        + QString::fromUtf8(entry.text.data(), entry.text.size()) + " ("
                        + QString::fromStdString(language) + "): " + said;
                    const qsizetype count = said.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
                    QVERIFY2(count >= 1 && count <= 8, qPrintable(where));
                    QVERIFY2(!leftOut.match(said).hasMatch(), qPrintable(where));
                    const std::string padded = " " + words + " ";
                    QVERIFY2(std::any_of(products.begin(), products.end(),
                                         [&](const std::string &product) {
                                             return padded.find(" " + product + " ")
                                                    != std::string::npos;
                                         }),
                             qPrintable(where));
                    ++records;
                }
    }
    QCOMPARE(records, 4 * 956);
}

void ShopsTest::openSearch_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address"); // empty: refused
    const QByteArray head = "<?xml version=\"1.0\"?>\n<OpenSearchDescription "
                            "xmlns=\"http://a9.com/-/spec/opensearch/1.1/\">";
    QTest::newRow("a valid one")
        << head
               + "<ShortName>Shop</ShortName><Url type=\"application/x-suggestions+json\" "
                 "template=\"https://shop.example/s.json?q={searchTerms}\"/><Url "
                 "type=\"text/html\" template=\"https://shop.example/s?q={searchTerms}\"/>"
                 "</OpenSearchDescription>"
        << "Shop"
        << "https://shop.example/s?q={searchTerms}";
    QTest::newRow("only a JSON Url")
        << head
               + "<ShortName>Shop</ShortName><Url type=\"application/json\" "
                 "template=\"https://shop.example/s?q={searchTerms}\"/></OpenSearchDescription>"
        << "Shop" << QString();
    QTest::newRow("no Url") << head + "<ShortName>Shop</ShortName></OpenSearchDescription>"
                            << "Shop" << QString();
    QTest::newRow("damaged") << head + "<ShortName>Shop</Short"
                             << "" << QString();
    QTest::newRow("billion laughs")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
                      "<!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
                      "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">]>"
                      "<OpenSearchDescription><ShortName>&lol3;</ShortName><Url "
                      "type=\"text/html\" template=\"https://shop.example/?q={searchTerms}\"/>"
                      "</OpenSearchDescription>")
        << "" << QString();
    QTest::newRow("10 MB") << head + "<ShortName>" + QByteArray(10 << 20, 'x')
                                  + "</ShortName></OpenSearchDescription>"
                           << "" << QString();
    QTest::newRow("a template of 100,000 characters")
        << head + "<Url type=\"text/html\" template=\"https://shop.example/"
               + QByteArray(100000, 'a') + "?q={searchTerms}\"/></OpenSearchDescription>"
        << "" << QString();
}

void ShopsTest::openSearch()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, address);
    const OpenSearchShop shop = ReadOpenSearch(file);
    QCOMPARE(shop.address, address);
    QCOMPARE(shop.error.isEmpty(), !address.isEmpty());
    if (!address.isEmpty())
        QTEST(shop.name, "name");
}

void ShopsTest::menuOrder()
{
    QStringList ids;
    for (const Shop *shop : ShopsInMenuOrder(QStringLiteral("DE")))
        ids.append(QString::fromStdString(shop->id));
    QCOMPARE(ids.mid(0, 6),
             (QStringList{"catalogue", "ebay-de", "amazon-de", "geizhals", "idealo", "ebay-us"}));
    QCOMPARE(ids.size(), qsizetype(BuiltInShops().size()));
}

void ShopsTest::bookmarksNameTheShop()
{
    SetActiveShop(Named("ebay-fr"));
    const QString html = QString::fromStdString(BookmarksHtml(catalogue::kButtonOrder));
    SetActiveShop(DefaultShop());
    QVERIFY(html.contains("<DL><p>\n    <DT><H3>Benchlist at eBay (France)</H3>\n    <DL><p>\n"
                          "        <DT><H3>Apple / Macintosh Computer Menu</H3>"));
    QVERIFY(html.contains("<A HREF=\"https://www.ebay.fr/sch/i.html?_nkw=iMac\">iMac</A>"));
}

// A refused address leaves the settings as they were; an accepted one, with
// %s for the words, is the choice kept.
void ShopsTest::otherShopSavedOnlyWhenAccepted()
{
    OtherShopDialog dialog(nullptr);
    dialog.findChild<QLineEdit *>("txtShopName")->setText("My Shop");
    auto *address = dialog.findChild<QLineEdit *>("txtShopAddress");
    address->setText("javascript:alert(%s)");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.findChild<QLabel *>("lblShopProblem")->text().isEmpty());
    QVERIFY(!QFile::exists(SettingsPath()));
    address->setText("https://shop.example/?q=%s");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(ChooseShop(dialog.shop()));
    QCOMPARE(ChosenShop().address, std::string("https://shop.example/?q={searchTerms}"));
    QCOMPARE(OtherShop()->name, std::string("My Shop"));
    QVERIFY(ChooseShop(Named("ebay-us")));
    QCOMPARE(ChosenShop().id, std::string("ebay-us"));
    QCOMPARE(OtherShop()->name, std::string("My Shop"));
    QVERIFY(QFile::remove(SettingsPath()));
    SetActiveShop(DefaultShop());
}

QTEST_MAIN(ShopsTest)
#include "tst_shops.moc"
