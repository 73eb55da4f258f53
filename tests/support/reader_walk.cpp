// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "reader_walk.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QWidget>

namespace {

QString roleName(QAccessible::Role role) {
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

bool isItemView(QAccessible::Role role) {
    return role == QAccessible::Table || role == QAccessible::Tree || role == QAccessible::List;
}

void walk(QAccessibleInterface* node, const QString& path, QStringList& problems) {
    static const QRegularExpression markup(QStringLiteral("<[a-zA-Z/][^>]*>"));
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    const QAccessible::Role role = node->role();
    const QString name = node->text(QAccessible::Name).trimmed();
    const QString here = path + QLatin1Char('/') + roleName(role) +
                         (name.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(name.left(40)));
    if (state.focusable && !state.disabled && name.isEmpty())
        problems << here + QStringLiteral(": reached by the keyboard, but has no name");
    if (role == QAccessible::ColumnHeader && name.isEmpty())
        problems << here + QStringLiteral(": a column header without its title");
    if ((role == QAccessible::CheckBox || role == QAccessible::RadioButton) && !state.checkable)
        problems << here + QStringLiteral(": does not say it can be ticked");
    if (name.contains(markup))
        problems << here + QStringLiteral(": the name holds markup");
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        // An item view's cells are its data, blank where a shop has no price; only its headers are checked.
        if (child && (!isItemView(role) || child->role() == QAccessible::ColumnHeader))
            walk(child, here, problems);
    }
}

} // namespace

QStringList unreadable(QWidget& top) {
    QStringList problems;
    if (QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&top))
        walk(root, QString(), problems);
    else
        problems << QStringLiteral("no accessible interface");
    return problems;
}
