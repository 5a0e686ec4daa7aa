// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick the program is measured against: a plain Qt Widgets program
// with as much on screen as Benchlist's main window (the same menus, four
// pictures, four labels, nine buttons with a picture face) and the same nine
// windows of editable combo boxes holding the same lists, each opened by its
// button. Only stock widgets and the default style, but the program's look:
// its fonts (the sans-serif face at 8.25 points, the bold italic caption and
// button faces), its colours, its white windows, its pictures and its menus,
// each set the plain Qt way, so that the two show the same first frame.
#include "app/start.h"
#include "catalogue/catalogue.h"
#include "widgets/forms/qtstrings.h"
#include "widgets/forms/twips.h"
#include "widgets/shell/categorybuttons.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>

#include <array>
#include <map>
#include <memory>

namespace {

using benchlist::Box;
using benchlist::CategoryData;
using benchlist::PxRect;
using benchlist::PxSize;
using benchlist::ToQString;

QFont Font(const char *family, double points, bool boldItalic = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(boldItalic);
    font.setItalic(boldItalic);
    return font;
}

void MakeWhite(QWidget *window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Qt::white);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

// The main window's texts, in the language of the translation loaded.
QString Tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

QString pictureLanguage; // of the translation loaded: "de" of "de_DE"

// A picture with words in it, in the language of the translation loaded.
QString InLanguage(const char *resource)
{
    const QString &language = pictureLanguage;
    const QString translated = QStringLiteral(":/%1/%2").arg(language, QLatin1String(resource + 2));
    return QFile::exists(translated) ? translated : QLatin1String(resource);
}

void AddPicture(QWidget *parent, const QString &resource, const Box &box)
{
    auto *picture = new QLabel(parent);
    picture->setPixmap(QPixmap(resource));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(PxRect(box));
}

void AddLabel(QWidget *parent, const QString &text, const Box &box, const QColor &colour,
              const QFont &font = QApplication::font())
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(PxRect(box));
    label->adjustSize();
}

// A flat button filled with its picture face, centred, under its caption.
QPushButton *AddFaceButton(QWidget *parent, const QPixmap &face, const QString &caption,
                           const QRect &rect)
{
    auto *button = new QPushButton(caption, parent);
    button->setFont(Font("DejaVu Sans", 11.25, true));
    button->setFlat(true);
    QBrush brush(face);
    brush.setTransform(QTransform::fromTranslate((rect.width() - face.width()) / 2,
                                                 (rect.height() - face.height()) / 2));
    QPalette palette = button->palette();
    palette.setBrush(QPalette::Button, brush);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    button->setGeometry(rect);
    return button;
}

std::unique_ptr<QWidget> BuildCategoryWindow(const CategoryData &category)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(ToQString(category.title));
    MakeWhite(window.get());
    window->setFixedSize(PxSize(category.clientWidth, category.clientHeight));
    AddPicture(window.get(), QStringLiteral(":/title.gif"),
               {category.bannerLeft, benchlist::kBannerTop, benchlist::kBannerWidth,
                benchlist::kBannerHeight});
    AddPicture(
        window.get(), QStringLiteral(":/logo.gif"),
        {category.logoLeft, benchlist::kLogoTop, benchlist::kLogoWidth, benchlist::kLogoHeight});
    AddLabel(window.get(), ToQString(category.titleCaption), category.titleBox, Qt::black);
    for (const benchlist::DropDownData &dropDown : category.dropDowns) {
        auto *box = new QComboBox(window.get());
        box->setEditable(true);
        for (std::string_view item : dropDown.items)
            box->addItem(ToQString(item));
        box->setEditText(ToQString(dropDown.initialText));
        box->setGeometry(PxRect(dropDown.box));
    }
    auto *refresh = new QPushButton(QStringLiteral("Refresh Categories"), window.get());
    refresh->setGeometry(PxRect(category.refreshBox));
    window->move(benchlist::Px(1000), benchlist::Px(1000));
    return window;
}

class MainWindow : public QMainWindow {
public:
    MainWindow()
    {
        setWindowTitle(QStringLiteral("Baseline"));
        setWindowIcon(QIcon(QStringLiteral(":/benchlist.png")));
        BuildMenus();
        MakeWhite(this);
        auto *client = new QWidget(this);
        client->setMinimumSize(PxSize(10230, 4260));
        setCentralWidget(client);
        AddPicture(client, QStringLiteral(":/title.gif"), {120, 120, 5835, 1035});
        AddPicture(client, QStringLiteral(":/logo.gif"), {7920, 120, 2160, 885});
        AddPicture(client, InLanguage(":/banner-auction.gif"), {173, 3000, 6000, 900});
        AddPicture(client, InLanguage(":/banner-gift.jpg"), {6540, 3000, 3480, 900});
        AddLabel(client, Tr("Not Yet An Ebay Member? No Problem, Just Click Here To Signup Now"),
                 {630, 3960, 5085, 195}, Qt::red);
        AddLabel(client, Tr("Send Loved One's The Perfect Gift!"), {6998, 3960, 2565, 195},
                 QColor(0, 0, 128));
        AddLabel(client, Tr("Computer Auction Shopping Made Easy"), {1920, 1020, 4245, 240},
                 Qt::red, Font("Liberation Sans", 9.75, true));
        auto *link = new QLabel(
            Tr("<a href=\"find\">Find a category by words...</a> (%1)")
                .arg(QKeySequence(Qt::CTRL | Qt::Key_F).toString(QKeySequence::NativeText)),
            client);
        link->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        link->setGeometry(PxRect(6240, 1110, 3840, 240));
        const QPixmap face(QStringLiteral(":/button-face.jpg"));
        for (const benchlist::CategoryButton &entry : benchlist::kCategoryButtons) {
            QPushButton *button = AddFaceButton(
                client, face,
                benchlist::AsWritten(QCoreApplication::translate("Catalogue", entry.caption)),
                PxRect(entry.left, entry.top, benchlist::kCategoryButtonWidth,
                       benchlist::kCategoryButtonHeight));
            connect(button, &QPushButton::clicked, this, [this, &entry] { Open(*entry.window); });
        }
        resize(PxSize(10230, 4260) + QSize(0, menuBar()->sizeHint().height()));
        move(benchlist::Px(1000), benchlist::Px(1000));
    }

private:
    void BuildMenus()
    {
        QMenuBar *bar = menuBar();
        QMenu *file = bar->addMenu(Tr("&File"));
        file->addAction(Tr("&Find a Category..."), QKeySequence(Qt::CTRL | Qt::Key_F));
        file->addMenu(Tr("&Recent Pages"));
        file->addAction(Tr("Re&member Opened Pages"))->setCheckable(true);
        file->addMenu(QCoreApplication::translate("benchlist::ShopMenu", "Open &Pages At"));
        file->addAction(Tr("&Export as Bookmarks..."));
        file->addAction(Tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X), qApp, &QApplication::quit);
        bar->addMenu(Tr("Join Ebay"))->addAction(Tr("Sign Up For Ebay"));
        bar->addMenu(Tr("&Version"))->addAction(Tr("Check For Updates"));
        bar->addMenu(Tr("&Tell A Friend"))->addAction(Tr("Send Benchlist"));
        QMenu *help = bar->addMenu(Tr("&Help"));
        help->addAction(Tr("Instructions"), QKeySequence(Qt::CTRL | Qt::Key_H));
        help->addAction(Tr("&About"), QKeySequence(Qt::CTRL | Qt::Key_A));
    }

    void Open(const CategoryData &category)
    {
        std::unique_ptr<QWidget> &window = windows_[category.name];
        if (!window)
            window = BuildCategoryWindow(category);
        window->show();
        window->raise();
        window->activateWindow();
    }

    std::map<std::string_view, std::unique_ptr<QWidget>> windows_;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(Font("Liberation Sans", 8.25));
    // The program's translation and Qt's own, for the locale's language.
    QTranslator own;
    QTranslator qt;
    if (own.load(QLocale(), QStringLiteral("benchlist"), QStringLiteral("_"),
                 QStringLiteral(":/i18n"))) {
        QApplication::installTranslator(&own);
        pictureLanguage = own.language().section(QLatin1Char('_'), 0, 0);
    }
    if (qt.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt);
    benchlist::ExitAfterFirstFrameIfAsked();
    MainWindow window;
    window.show();
    return QApplication::exec();
}
