// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A category button of the main window: its caption over a picture face that is
// larger than the button and shown centred, cut to the button's edges.
#pragma once

#include <QPixmap>
#include <QPushButton>

namespace benchlist {

class PictureButton : public QPushButton {
public:
    PictureButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap face_;
    QPixmap pressedFace_;
};

} // namespace benchlist
