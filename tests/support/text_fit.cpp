// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "text_fit.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTreeWidget>

#include <algorithm>

QString shownText(QString text) {
    return text.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(u'\x01', u'&');
}

namespace {

QString described(const QWidget* widget) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        text = box->title();
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        name += QLatin1Char(' ') + widget->objectName();
    return text.isEmpty() ? name : name + QStringLiteral(" \"%1\"").arg(shownText(text).simplified().left(60));
}

QString shown(const QRect& r) {
    return QStringLiteral("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

void checkLabel(const QLabel* label, QStringList& problems) {
    const QSize needed =
        label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width())) : label->sizeHint();
    if (!label->text().isEmpty() && (needed.width() > label->width() || needed.height() > label->height()))
        problems << QStringLiteral("%1 needs %2x%3, has %4")
                        .arg(described(label))
                        .arg(needed.width())
                        .arg(needed.height())
                        .arg(shown(label->geometry()));
}

// The text must fit where the style draws it: beside the indicator of a radio button or tick box, inside the frame of
// a push button.
void checkButton(const QAbstractButton* button, QStringList& problems) {
    const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                        : qobject_cast<const QCheckBox*>(button)  ? QStyle::SE_CheckBoxContents
                                                                                  : QStyle::SE_PushButtonContents;
    if (button->text().isEmpty() ||
        (contents == QStyle::SE_PushButtonContents && !qobject_cast<const QPushButton*>(button)))
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    int room = button->style()->subElementRect(contents, &option, button).width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    if (const int needed = button->fontMetrics().horizontalAdvance(shownText(button->text())); needed > room)
        problems << QStringLiteral("%1 needs %2 px for its text, has %3 of %4")
                        .arg(described(button))
                        .arg(needed)
                        .arg(room)
                        .arg(shown(button->geometry()));
}

// A section's title must fit between the margins within which QHeaderView elides it.
void checkHeader(const QHeaderView* header, QStringList& problems) {
    for (int section = 0; header->model() && section < header->count(); ++section) {
        const QVariant font = header->model()->headerData(section, header->orientation(), Qt::FontRole);
        QStyleOptionHeader option;
        option.initFrom(header);
        option.text = header->model()->headerData(section, header->orientation()).toString();
        option.rect = QRect(0, 0, header->sectionSize(section), header->height());
        const int room = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
        const int needed =
            QFontMetrics(font.isValid() ? font.value<QFont>() : header->font()).horizontalAdvance(option.text);
        if (!header->isSectionHidden(section) && needed > room)
            problems << QStringLiteral("%1: section \"%2\" needs %3 px for its text, has %4 of %5")
                            .arg(described(header->parentWidget()), option.text)
                            .arg(needed)
                            .arg(room)
                            .arg(header->sectionSize(section));
    }
}

// The widest cell of each column of `tree` below `parent`, as its delegate draws it; the first column's cells are
// indented by their depth, and a row spanning all columns holds no cell of its own.
void widestCells(const QTreeWidget* tree, const QModelIndex& parent, int depth, QList<int>& widest) {
    QStyleOptionViewItem option;
    option.initFrom(tree);
    const int indent = tree->indentation() * (depth + (tree->rootIsDecorated() ? 1 : 0));
    for (int row = 0; row < tree->model()->rowCount(parent); ++row) {
        const QModelIndex first = tree->model()->index(row, 0, parent);
        if (!tree->isFirstColumnSpanned(row, parent))
            for (int column = 0; column < tree->columnCount(); ++column) {
                const QModelIndex cell = tree->model()->index(row, column, parent);
                const int width = tree->itemDelegateForIndex(cell)->sizeHint(option, cell).width();
                widest[column] = std::max(widest[column], width + (column == 0 ? indent : 0));
            }
        widestCells(tree, first, depth + 1, widest);
    }
}

// A table the program fills (a tree widget) shows every cell whole: each column is as wide as its widest cell.
void checkCells(const QTreeWidget* tree, QStringList& problems) {
    QList<int> widest(tree->columnCount(), 0);
    widestCells(tree, {}, 0, widest);
    for (int column = 0; column < tree->columnCount(); ++column)
        if (!tree->isColumnHidden(column) && tree->columnWidth(column) < widest[column])
            problems << QStringLiteral("%1: the cells of column \"%2\" need %3 pixels, the column has %4")
                            .arg(described(tree), tree->headerItem()->text(column))
                            .arg(widest[column])
                            .arg(tree->columnWidth(column));
}

void checkOverlaps(const QWidget* parent, const QWidget& top, QStringList& problems) {
    if (qobject_cast<const QAbstractScrollArea*>(parent))
        return; // a view's viewport, header and scroll bars are Qt's to place
    QList<const QWidget*> shownChildren;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child->isVisibleTo(&top) && !child->geometry().isEmpty())
            shownChildren << child;
    for (qsizetype i = 0; i < shownChildren.size(); ++i)
        for (qsizetype j = i + 1; j < shownChildren.size(); ++j)
            if (const QRect a = shownChildren[i]->geometry(), b = shownChildren[j]->geometry(); a.intersects(b))
                problems << QStringLiteral("%1 (%2) and %3 (%4) overlap by %5")
                                .arg(described(shownChildren[i]), shown(a), described(shownChildren[j]), shown(b),
                                     shown(a & b).section(QLatin1Char(' '), 0, 0));
}

} // namespace

QStringList cutOrCovered(const QWidget& top) {
    QStringList problems;
    checkOverlaps(&top, top, problems);
    for (const QWidget* widget : top.findChildren<QWidget*>()) {
        if (widget->window() != top.window() || !widget->isVisibleTo(&top))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            checkLabel(label, problems);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            checkButton(button, problems);
        else if (const auto* header = qobject_cast<const QHeaderView*>(widget))
            checkHeader(header, problems);
        else if (const auto* tree = qobject_cast<const QTreeWidget*>(widget))
            checkCells(tree, problems);
        checkOverlaps(widget, top, problems);
    }
    return problems;
}
