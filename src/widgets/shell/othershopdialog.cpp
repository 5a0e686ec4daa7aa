// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/othershopdialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <QXmlStreamReader>

namespace benchlist {

namespace {

// The words of a shop the shopper adds come in the session's language when
// the search words are kept in it, else in English.
std::string SessionSearchLanguage()
{
    const std::string language = QLocale().name().left(2).toStdString();
    for (const Shop &shop : BuiltInShops())
        if (shop.language == language)
            return language;
    return "en";
}

// ShortName and the template of the first Url of type text/html. A document
// type may declare entities, which a search description needs none of: the
// file is refused at it, before any could be expanded.
void ReadElements(QXmlStreamReader &reader, OpenSearchShop &shop)
{
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD)
            reader.raiseError(QStringLiteral("a document type is not read"));
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == QLatin1String("ShortName"))
            shop.name = reader.readElementText().simplified();
        else if (reader.name() == QLatin1String("Url") && shop.address.isEmpty()
                 && attributes.value(QLatin1String("type")) == QLatin1String("text/html"))
            shop.address = attributes.value(QLatin1String("template")).toString();
    }
}

} // namespace

OpenSearchShop ReadOpenSearch(const QByteArray &description)
{
    OpenSearchShop shop;
    if (description.size() > kMostOpenSearchBytes) {
        shop.error =
            OtherShopDialog::tr("The file is larger than an OpenSearch description can be.");
        return shop;
    }
    QXmlStreamReader reader(description);
    reader.setEntityExpansionLimit(0);
    ReadElements(reader, shop);
    if (reader.hasError())
        shop.error = OtherShopDialog::tr("The file is not an OpenSearch description that "
                                         "can be read safely.");
    else if (shop.address.isEmpty())
        shop.error = OtherShopDialog::tr("The file names no search address for web pages "
                                         "(a Url of type text/html).");
    else if (shop.address.size() > kMostAddressLength)
        shop.error = OtherShopDialog::tr("The file's search address is too long.");
    if (!shop.error.isEmpty())
        shop.address.clear();
    return shop;
}

QString AddressProblem(const QString &address)
{
    if (address.size() > kMostAddressLength)
        return OtherShopDialog::tr("The address is too long.");
    switch (CheckSearchAddress(SearchTemplate(address.toStdString()))) {
    case AddressFault::None:
        return {};
    case AddressFault::Blank:
        return OtherShopDialog::tr("The address may not hold blanks or line breaks.");
    case AddressFault::NotWeb:
        return OtherShopDialog::tr("The address must start with http:// or https://.");
    case AddressFault::NoHost:
        return OtherShopDialog::tr("The address must name a host, as in "
                                   "https://shop.example/search?q={searchTerms}.");
    case AddressFault::NoPlaceholder:
        return OtherShopDialog::tr("The address must say where the words go, with "
                                   "{searchTerms} or %s.");
    case AddressFault::TwoPlaceholders:
        return OtherShopDialog::tr("The address must say only once where the words go.");
    }
    return {};
}

OtherShopDialog::OtherShopDialog(QWidget *parent)
    : QDialog(parent), name_(new QLineEdit(this)), address_(new QLineEdit(this)),
      problem_(new QLabel(this))
{
    setObjectName(QStringLiteral("dlgOtherShop"));
    setWindowTitle(tr("Other Shop"));
    name_->setObjectName(QStringLiteral("txtShopName"));
    address_->setObjectName(QStringLiteral("txtShopAddress"));
    address_->setPlaceholderText(QStringLiteral("https://shop.example/search?q={searchTerms}"));
    problem_->setObjectName(QStringLiteral("lblShopProblem"));
    problem_->setWordWrap(true);
    auto *form = new QFormLayout;
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("Search &address:"), address_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *read =
        buttons->addButton(tr("&Read OpenSearch File..."), QDialogButtonBox::ActionRole);
    read->setObjectName(QStringLiteral("cmdReadOpenSearch"));
    connect(read, &QPushButton::clicked, this, &OtherShopDialog::ReadDescriptionFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &OtherShopDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OtherShopDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Pages open as a search at this shop. Give its search "
                                    "address with {searchTerms} or %s where the words go."),
                                 this));
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    resize(520, sizeHint().height());
}

void OtherShopDialog::accept()
{
    const QString name = name_->text().simplified();
    const QString address = address_->text().trimmed();
    QString problem = AddressProblem(address);
    if (name.isEmpty())
        problem = tr("The shop needs a name.");
    problem_->setText(problem);
    if (!problem.isEmpty())
        return;
    shop_ = {.id = {},
             .name = name.toStdString(),
             .countries = "*",
             .language = SessionSearchLanguage(),
             .address = SearchTemplate(address.toStdString())};
    QDialog::accept();
}

void OtherShopDialog::ReadDescriptionFile()
{
    const QString fileName = QFileDialog::getOpenFileName(
        this, tr("Read OpenSearch File"), {}, tr("OpenSearch descriptions (*.xml);;All files (*)"));
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    OpenSearchShop shop;
    if (!file.open(QIODevice::ReadOnly))
        shop.error = tr("The file cannot be read: %1").arg(file.errorString());
    else
        shop = ReadOpenSearch(file.read(kMostOpenSearchBytes + 1));
    problem_->setText(shop.error);
    if (!shop.error.isEmpty())
        return;
    if (!shop.name.isEmpty())
        name_->setText(shop.name);
    address_->setText(shop.address);
    problem_->setText(AddressProblem(shop.address));
}

} // namespace benchlist
