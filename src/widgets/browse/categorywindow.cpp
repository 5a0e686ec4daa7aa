// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/browse/categorywindow.h"
#include "translation/language.h"

#include "core/lookup.h"
#include "core/shops.h"
#include "usage/sharedusage.h"
#include "widgets/browse/dropdown.h"
#include "widgets/forms/openpage.h"
#include "widgets/forms/pictures.h"
#include "widgets/forms/qtstrings.h"
#include "widgets/forms/twips.h"

#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace benchlist {

namespace {

// Qt takes object names as NUL-terminated characters; the catalogue's views are not.
QByteArray NullTerminated(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr QColor kTitleBlue(0, 0, 64);

// A push button whose caption wraps onto more lines when the button is too
// narrow for it, so that "Refresh Categories" stays whole in a tall, slim button.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                             caption, QPalette::ButtonText);
    }
};

// A drop-down's caption in the session's language, where no action can tell
// it from the English one: a caption edited back to itself looks its text up,
// and the two must lead to the same page (the error page, as a rule). Items
// stay English: they are what pages are looked up by.
QString Caption(const DropDownData &dropDown)
{
    const QString translated = CatalogueText(dropDown.initialText);
    if (WinningEntry(dropDown.pages, dropDown.initialText)
        != WinningEntry(dropDown.pages, translated.toStdString()))
        return ToQString(dropDown.initialText);
    return translated;
}

} // namespace

CategoryWindow::CategoryWindow(const CategoryData &category)
    : FormWidget<QWidget>(category.name), category_(category)
{
    setWindowFlags(kFixedSingleFrame);
    setWindowTitle(CatalogueText(category.title));
    // Fixed from the start, so that the frame the window manager draws never
    // changes; a window with a fixed outer size adjusts the client once framed.
    setFixedSize(PxSize(category.clientWidth, category.clientHeight));

    AddPicture(this, "Image4", ":/title.gif",
               {category.bannerLeft, kBannerTop, kBannerWidth, kBannerHeight});
    AddPicture(this, NullTerminated(category.logoName).constData(), ":/logo.gif",
               {category.logoLeft, kLogoTop, kLogoWidth, kLogoHeight});
    AddLabel(this, NullTerminated(category.titleName).constData(),
             CatalogueText(category.titleCaption), category.titleBox,
             {.font = LayoutFont(Face::SansSerif, 13.5),
              .colour = kTitleBlue,
              .alignment = Qt::AlignHCenter | Qt::AlignTop,
              .sizeToFit = false});

    std::vector<std::pair<int, QWidget *>> tabs;
    for (const DropDownData &dropDown : category.dropDowns)
        AddDropDown(dropDown, tabs);

    auto *refresh = new WrappingButton(tr("Refresh Categories"), this);
    refresh->setObjectName(QStringLiteral("Command1"));
    refresh->setAccessibleName(refresh->text());
    refresh->setGeometry(PxRect(category.refreshBox));
    connect(refresh, &QPushButton::clicked, this, [this] { Command1_Click(); });
    tabs.emplace_back(category.refreshTabIndex, refresh);

    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, [] { Forms().Show(kFindWindowName); });

    // Tab runs in tab-index order, whatever the order on screen, and the
    // window opens with the focus on the first control of that order.
    std::sort(tabs.begin(), tabs.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs[i - 1].second, tabs[i].second);
    if (!tabs.empty())
        tabs.front().second->setFocus();
}

void CategoryWindow::AddDropDown(const DropDownData &dropDown,
                                 std::vector<std::pair<int, QWidget *>> &tabs)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(dropDown.items.size()));
    for (std::string_view item : dropDown.items)
        items.append(ToQString(item));
    auto *box = new DropDown(Caption(dropDown), items, this);
    box->setObjectName(ToQString(dropDown.name));
    box->setGeometry(PxRect(dropDown.box));
    connect(box, &DropDown::Change, this, [this, &dropDown] { DropDown_Change(dropDown); });
    connect(box, &DropDown::Click, this, [this, &dropDown] { DropDown_Click(dropDown); });
    tabs.emplace_back(dropDown.tabIndex, box);
}

void CategoryWindow::Form_Load()
{
    PlaceWindow(this, 1000, 1000);
    OpenNearMainWindow(this);
}

void CategoryWindow::Form_Unload()
{
    Forms().Show(kMainWindowName);
}

void CategoryWindow::Form_Resize()
{
    if (category_.fixedOuterSize.width != 0)
        KeepOuterSize(this, category_.fixedOuterSize.width, category_.fixedOuterSize.height, false);
}

void CategoryWindow::Command1_Click()
{
    // This window object lives on until the click has been handled; the window
    // shown afterwards is a new one, built afresh from the catalogue.
    const std::string self = name();
    Forms().Unload(self);
    Forms().Show(self);
}

void CategoryWindow::DropDown_Change(const DropDownData &dropDown)
{
    DropDown_Click(dropDown);
}

void CategoryWindow::DropDown_Click(const DropDownData &dropDown)
{
    const auto *box = findChild<const DropDown *>(ToQString(dropDown.name));
    if (!box)
        return;
    const std::string text = box->currentText().toStdString();
    const std::string address = ShopPageAddress(ActiveShop(), category_, dropDown, text);
    // A text of the drop-down's own is a page the shopper may want again; a
    // text it does not know led to the error page.
    if (OpenPageFrom(this, address) && WinningEntry(dropDown.pages, text))
        RecordUsage(category_.name, dropDown.name, text, address);
}

} // namespace benchlist
