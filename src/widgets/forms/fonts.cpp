// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/forms/fonts.h"

namespace benchlist {

namespace {

// Only families that the program's packages install: asking for one that is
// missing makes Qt resolve every alias it knows, which costs a visible pause.
const char *FamilyOf(Face face)
{
    switch (face) {
    case Face::Verdana:
        return "DejaVu Sans";
    case Face::Serif:
        return "Liberation Serif";
    case Face::SansSerif:
        break;
    }
    return "Liberation Sans";
}

} // namespace

QFont LayoutFont(Face face, double points, FontStyle style)
{
    QFont font(QString::fromLatin1(FamilyOf(face)));
    font.setPointSizeF(points);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

QFont DefaultFont()
{
    return LayoutFont(Face::SansSerif, 8.25);
}

} // namespace benchlist
