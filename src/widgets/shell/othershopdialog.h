// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// File, Open Pages At, Other Shop...: a shop of the shopper's own, by its name
// and search address, typed or read from an OpenSearch description file.
#pragma once

#include "core/shops.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace benchlist {

// A shop as an OpenSearch description names it, or why the file gives none.
struct OpenSearchShop {
    QString name;
    QString address;
    QString error; // not empty: the file gives no shop
};

// Reads an OpenSearch description: its ShortName, and the template of its
// Url of type text/html. A file that declares a document type is refused
// whole, so that no entity of it is ever expanded; so is one larger than
// kMostOpenSearchBytes, and a template longer than kMostAddressLength.
OpenSearchShop ReadOpenSearch(const QByteArray &description);
inline constexpr qint64 kMostOpenSearchBytes = 64 * 1024;
inline constexpr qsizetype kMostAddressLength = 2048;

// Why an address is no search address, in the session's language; empty when it is one.
QString AddressProblem(const QString &address);

class OtherShopDialog : public QDialog {
    Q_OBJECT

public:
    explicit OtherShopDialog(QWidget *parent);
    // The shop accepted: valid only after the dialog was accepted.
    const Shop &shop() const { return shop_; }

    void accept() override;

private:
    void ReadDescriptionFile();

    QLineEdit *name_;
    QLineEdit *address_;
    QLabel *problem_;
    Shop shop_;
};

} // namespace benchlist
