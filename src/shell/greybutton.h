// The flat light-grey bar buttons of the farewell and About windows.
#pragma once

#include "browse/categorydata.h"

#include <QFont>
#include <QPushButton>

namespace benchlist {

QPushButton *AddGreyButton(QWidget *parent, const char *name, const QString &caption,
                           const Box &box, const QFont &font);

// Fixed single border with a close box only: no resizing, minimising or maximising.
inline constexpr Qt::WindowFlags kFixedSingleFrame =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
    | Qt::WindowCloseButtonHint;

} // namespace benchlist
