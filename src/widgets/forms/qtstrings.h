// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue's texts are UTF-8 string views; the windows show QStrings.
#pragma once

#include <QString>

#include <string_view>

namespace benchlist {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// `text` as a button, menu item or action draws it: Qt takes a lone "&" as the
// mark of a mnemonic ("G4 1.0GHz & Higher" would draw "G4 1.0GHz _Higher" and
// take Alt+Space), so the catalogue's texts have theirs doubled.
inline QString AsWritten(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// What a caption of AsWritten's kind draws: "&&" is one "&", a lone "&" marks
// the mnemonic and is not drawn.
inline QString Drawn(const QString &caption)
{
    QString drawn;
    drawn.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        drawn.append(caption[i]);
    }
    return drawn;
}

} // namespace benchlist
