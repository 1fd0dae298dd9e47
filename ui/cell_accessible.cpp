// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "cell_accessible.h"

#include "cell_edit.h"

namespace {

QAccessibleInterface* CreateForCell(const QString& className, QObject* object)
{
    if (className == QLatin1String("CCellEdit") && object->isWidgetType())
        return new CCellAccessible(static_cast<CCellEdit*>(object));
    return nullptr;
}

} // namespace

CCellAccessible::CCellAccessible(CCellEdit* cell) : QAccessibleWidget(cell, QAccessible::EditableText) {}

QString CCellAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return static_cast<const CCellEdit*>(widget())->SpokenValue();
    if (kind == QAccessible::Description)
        return static_cast<const CCellEdit*>(widget())->Explanation();
    return QAccessibleWidget::text(kind);
}

void CCellAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateForCell);
        return true;
    }();
    Q_UNUSED(installed);
}
