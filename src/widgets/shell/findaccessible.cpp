// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/shell/findaccessible.h"

#include "widgets/shell/findwindow.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace benchlist {

namespace {

// The status line, to screen readers a notification: shown anew, it is spoken
// wherever the focus is.
class StatusAccessible : public QAccessibleWidget {
public:
    explicit StatusAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

} // namespace

QAccessibleInterface *FindWindow::Accessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLabel") && object->objectName() == QLatin1String("lblCount"))
        if (auto *label = qobject_cast<QLabel *>(object))
            return new StatusAccessible(label);
    return nullptr;
}

} // namespace benchlist
