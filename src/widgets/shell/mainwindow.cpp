// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/mainwindow.h"
#include "translation/language.h"

#include "catalogue/catalogue.h"
#include "core/addresses.h"
#include "core/catalogueexport.h"
#include "core/shops.h"
#include "find/catalogueindex.h"
#include "settings/settings.h"
#include "usage/sharedusage.h"
#include "widgets/browse/categorywindow.h"
#include "widgets/forms/openpage.h"
#include "widgets/forms/pictures.h"
#include "widgets/forms/qtstrings.h"
#include "widgets/forms/twips.h"
#include "widgets/shell/categorybuttons.h"
#include "widgets/shell/picturebutton.h"
#include "widgets/shell/shopmenu.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>

#include <algorithm>
#include <array>

namespace benchlist {

namespace {

constexpr int kOuterWidth = 10350;
constexpr int kOuterHeight = 5070;
constexpr int kClientWidth = 10230;
constexpr int kClientHeight = 4260;
using ClickHandler = void (MainWindow::*)();

struct ButtonClick {
    std::string_view button;
    ClickHandler click;
};

constexpr std::array kButtonClicks = {
    ButtonClick{"cmdApple", &MainWindow::cmdApple_Click},
    ButtonClick{"cmdMonitors", &MainWindow::cmdMonitors_Click},
    ButtonClick{"cmdDrives", &MainWindow::cmdDrives_Click},
    ButtonClick{"cmdComponents", &MainWindow::cmdComponents_Click},
    ButtonClick{"cmdDeskTops", &MainWindow::cmdDeskTops_Click},
    ButtonClick{"cmdLaptops", &MainWindow::cmdLaptops_Click},
    ButtonClick{"cmdNetworking", &MainWindow::cmdNetworking_Click},
    ButtonClick{"cmdPDA", &MainWindow::cmdPDA_Click},
    ButtonClick{"cmdPrinters", &MainWindow::cmdPrinters_Click},
};

constexpr ClickHandler ClickOf(std::string_view button)
{
    for (const ButtonClick &entry : kButtonClicks)
        if (entry.button == button)
            return entry.click;
    return nullptr;
}

constexpr bool EveryButtonHasAHandler()
{
    return std::all_of(
        kCategoryButtons.begin(), kCategoryButtons.end(),
        [](const CategoryButton &button) { return ClickOf(button.name) != nullptr; });
}
static_assert(EveryButtonHasAHandler());

} // namespace

MainWindow::MainWindow() : FormWidget<QMainWindow>(kMainWindowName)
{
    setWindowTitle(tr("The Benchlist"));
    setWindowIcon(QIcon(QStringLiteral(":/benchlist.png")));
    BuildMenus();
    BuildClientArea();
    resize(PxSize(kClientWidth, kClientHeight) + QSize(0, menuBar()->sizeHint().height()));
}

void MainWindow::BuildClientArea()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setMinimumSize(PxSize(kClientWidth, kClientHeight));
    setCentralWidget(client);

    AddPicture(client, "Image4", ":/title.gif", {120, 120, 5835, 1035});
    AddPicture(client, "Image1", ":/logo.gif", {7920, 120, 2160, 885});
    auto *auctionBanner = AddClickablePicture(
        client, "Image3", InLanguage(":/banner-auction.gif").constData(), {173, 3000, 6000, 900});
    auctionBanner->setAccessibleName(tr("Auction site offer: brand-name computers"));
    connect(auctionBanner, &ClickablePicture::clicked, this, [this] { Image3_Click(); });
    auto *giftBanner = AddClickablePicture(
        client, "Image2", InLanguage(":/banner-gift.jpg").constData(), {6540, 3000, 3480, 900});
    giftBanner->setFrameStyle(QFrame::Box | QFrame::Plain);
    giftBanner->setLineWidth(1);
    giftBanner->setAccessibleName(tr("Gift certificates: send a loved one the perfect gift"));
    connect(giftBanner, &ClickablePicture::clicked, this, [this] { Image2_Click(); });

    // The labels come after the pictures so the slogan stays readable where it
    // overlaps the title picture.
    AddLabel(client, "lblSantaAd",
             tr("Not Yet An Ebay Member? No Problem, Just Click Here To Signup Now"),
             {630, 3960, 5085, 195}, {.font = DefaultFont(), .colour = Qt::red});
    AddLabel(client, "lblEbayGift", tr("Send Loved One's The Perfect Gift!"),
             {6998, 3960, 2565, 195}, {.font = DefaultFont(), .colour = QColor(0, 0, 128)});
    AddLabel(client, "lblJingle", tr("Computer Auction Shopping Made Easy"),
             {1920, 1020, 4245, 240},
             {.font = LayoutFont(Face::SansSerif, 9.75, {.bold = true, .italic = true}),
              .colour = Qt::red});

    AddFindHint(client);
    QWidget *lastButton = AddCategoryButtons(client);
    // The banners' offers are reachable nowhere else: they follow the buttons.
    setTabOrder(lastButton, auctionBanner);
    setTabOrder(auctionBanner, giftBanner);
    auto *apple = client->findChild<QPushButton *>(QStringLiteral("cmdApple"));
    QPalette white = apple->palette();
    white.setColor(QPalette::Button, Qt::white);
    apple->setPalette(white);
    apple->setFocus();
}

void MainWindow::AddFindHint(QWidget *client)
{
    // Where a newcomer looks first, in the free strip under the logo: finding a
    // category by words, without knowing its window.
    // The key as the desktop names it in the session's language ("Ctrl+F").
    const QString key = QKeySequence(Qt::CTRL | Qt::Key_F).toString(QKeySequence::NativeText);
    auto *findHint = AddLabel(client, "lblFind",
                              tr("<a href=\"find\">Find a category by words...</a> (%1)").arg(key),
                              {6240, 1110, 3840, 240},
                              {.font = DefaultFont(),
                               .colour = QColor(0, 0, 128),
                               .alignment = Qt::AlignRight | Qt::AlignVCenter,
                               .sizeToFit = false});
    findHint->setTextFormat(Qt::RichText);
    findHint->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    ShowHandOver(findHint);
    findHint->setAccessibleName(tr("Find a category by words (%1)").arg(key));
    connect(findHint, &QLabel::linkActivated, this, [this] { mnuFind_Click(); });
}

// The nine category buttons in their Tab order; the last of them.
QWidget *MainWindow::AddCategoryButtons(QWidget *client)
{
    QWidget *previous = nullptr;
    for (const CategoryButton &entry : kCategoryButtons) {
        auto *button = new PictureButton(AsWritten(CatalogueText(entry.caption)), client);
        button->setObjectName(QLatin1String(entry.name));
        button->setGeometry(
            PxRect(entry.left, entry.top, kCategoryButtonWidth, kCategoryButtonHeight));
        connect(button, &QPushButton::clicked, this,
                [this, click = ClickOf(entry.name)] { (this->*click)(); });
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    return previous;
}

void MainWindow::BuildMenus()
{
    QMenuBar *bar = menuBar();
    auto addMenu = [bar](const char *name, const QString &caption) {
        QMenu *menu = bar->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [this](QMenu *menu, const char *name, const QString &caption,
                          const QKeySequence &shortcut, void (MainWindow::*click)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, click] { (this->*click)(); });
    };

    QMenu *file = addMenu("mnuFile", tr("&File"));
    addItem(file, "mnuFind", tr("&Find a Category..."), QKeySequence(Qt::CTRL | Qt::Key_F),
            &MainWindow::mnuFind_Click);
    BuildRecentMenu(file);
    file->addMenu(new ShopMenu(this));
    addItem(file, "mnuExport", tr("&Export as Bookmarks..."), {}, &MainWindow::mnuExport_Click);
    addItem(file, "mnuExit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X),
            &MainWindow::mnuExit_Click);
    addItem(addMenu("mnuEbay", tr("Join Ebay")), "mnuSignup", tr("Sign Up For Ebay"), {},
            &MainWindow::mnuSignup_Click);
    addItem(addMenu("mnuVerion", tr("&Version")), "mnuUpdates", tr("Check For Updates"), {},
            &MainWindow::mnuUpdates_Click);
    addItem(addMenu("mnuTellAFriend", tr("&Tell A Friend")), "mnuSendWishtrail",
            tr("Send Benchlist"), {}, &MainWindow::mnuSendWishtrail_Click);
    QMenu *help = addMenu("mnuHelp", tr("&Help"));
    addItem(help, "mnuInstructions", tr("Instructions"), QKeySequence(Qt::CTRL | Qt::Key_H),
            &MainWindow::mnuInstructions_Click);
    addItem(help, "mnuAbout", tr("&About"), QKeySequence(Qt::CTRL | Qt::Key_A),
            &MainWindow::mnuAbout_Click);
}

// File, Recent Pages lists what the store holds when it opens, so the store is
// not read before the shopper asks; Remember Opened Pages is the shopper's switch.
void MainWindow::BuildRecentMenu(QMenu *file)
{
    QMenu *recent = file->addMenu(tr("&Recent Pages"));
    recent->setObjectName(QStringLiteral("mnuRecent"));
    recent->menuAction()->setObjectName(QStringLiteral("mnuRecent"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { FillRecentPages(recent); });
    QAction *remember = file->addAction(tr("Re&member Opened Pages"));
    remember->setObjectName(QStringLiteral("mnuRemember"));
    remember->setCheckable(true);
    // On by default; the settings file is read each time File opens, not
    // during start-up, and another copy of the program may have changed it.
    remember->setChecked(true);
    // A switch that could not be saved shows what the file still says.
    connect(remember, &QAction::triggered, this, [remember](bool on) {
        if (!SetRememberOpenedPages(on))
            remember->setChecked(!on);
    });
    connect(file, &QMenu::aboutToShow, this,
            [remember] { remember->setChecked(RememberOpenedPages()); });
}

void MainWindow::FillRecentPages(QMenu *recent)
{
    recent->clear();
    const std::vector<const FindRecord *> pages = RecentRecords();
    for (const FindRecord *record : pages) {
        QAction *page = recent->addAction(AsWritten(ToQString(record->text)));
        page->setToolTip(QString::fromStdString(
            PageAddress(record->windowName, record->dropDownName, record->text)));
        connect(page, &QAction::triggered, this, [this, record] {
            if (OpenPageFrom(this,
                             PageAddress(record->windowName, record->dropDownName, record->text)))
                RecordUsage(*record);
        });
    }
    if (pages.empty())
        recent->addAction(tr("(none)"))->setEnabled(false);
    recent->addSeparator();
    QAction *clear = recent->addAction(tr("&Clear Recent Pages"));
    clear->setObjectName(QStringLiteral("mnuClearRecent"));
    clear->setEnabled(!pages.empty());
    connect(clear, &QAction::triggered, this, [] { ForgetPages(); });
}

void MainWindow::Form_Load()
{
    PlaceWindow(this, 1000, 1000);
}

void MainWindow::Form_Unload()
{
    CloseAllWindows();
}

void MainWindow::Image2_Click()
{
    OpenPageFrom(this, GiftCertificateOfferUrl);
}
void MainWindow::Image3_Click()
{
    OpenPageFrom(this, AuctionBannerOfferUrl);
}
void MainWindow::mnuAbout_Click()
{
    Forms().Show("frmAbout");
}

void MainWindow::mnuExport_Click()
{
    const QString fileName = QFileDialog::getSaveFileName(
        this, tr("Export as Bookmarks"),
        QDir::home().filePath(QStringLiteral("benchlist-bookmarks.html")),
        tr("Bookmark files (*.html *.htm);;All files (*)"));
    if (!fileName.isEmpty())
        ExportBookmarksTo(fileName);
}

// Success needs no word: the dialog closing is enough.
void MainWindow::ExportBookmarksTo(const QString &fileName)
{
    const std::string reason =
        WriteBookmarkFile(QFile::encodeName(fileName).toStdString(), catalogue::kButtonOrder);
    if (!reason.empty())
        QMessageBox::warning(
            this, tr("Export as Bookmarks"),
            tr("Could not write %1: %2")
                .arg(QDir::toNativeSeparators(fileName), QString::fromLocal8Bit(reason)));
}

// File, Exit closes this window as its close box does, so that the closing
// sequence runs once, from this window's unload, whichever way it starts.
void MainWindow::mnuExit_Click()
{
    Forms().Unload(kMainWindowName);
}

void MainWindow::mnuFind_Click()
{
    Forms().Show(kFindWindowName);
}

// Runs while this window is being unloaded, which destroys it last, after the
// farewell window has come up.
void MainWindow::CloseAllWindows()
{
    Forms().Unload(kFindWindowName);
    Forms().Unload("frmAbout");
    Forms().Unload("frmInstructions");
    for (const CategoryData *category : catalogue::kWindows)
        Forms().Unload(category->name);
    Forms().Show("frmExit");
}

void MainWindow::Form_Resize()
{
    KeepOuterSize(this, kOuterWidth, kOuterHeight, true);
}

void MainWindow::mnuInstructions_Click()
{
    Forms().Show("frmInstructions");
}
void MainWindow::mnuSendWishtrail_Click()
{
    OpenPageFrom(this, TellAFriendUrl);
}
void MainWindow::mnuSignup_Click()
{
    OpenPageFrom(this, SignUpOfferUrl);
}
void MainWindow::mnuUpdates_Click()
{
    OpenPageFrom(this, VersionPageUrl);
}

} // namespace benchlist
