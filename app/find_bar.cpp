// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FindBar::FindBar(QWidget* parent)
    : QWidget(parent) {
    auto* label = new QLabel(tr("Find:"), this);
    txtFind = new QLineEdit(this);
    txtFind->setAccessibleName(tr("Find"));
    txtFind->setClearButtonEnabled(true);
    // The box's clear button is a tool button of its own, which a screen reader reaches too.
    for (QToolButton* clear : txtFind->findChildren<QToolButton*>()) {
        clear->setAccessibleName(tr("Clear search"));
        clear->setToolTip(tr("Clear search"));
    }
    label->setBuddy(txtFind);
    lblNotFound = new QLabel(tr("Not found"), this);
    lblNotFound->hide();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(txtFind);
    layout->addWidget(lblNotFound);
    txtFind->installEventFilter(this);
    connect(txtFind, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.isEmpty())
            lblNotFound->hide();
        else
            emit findRequested(text, false, true);
    });
    hide();
}

void FindBar::open() {
    show();
    txtFind->setFocus(Qt::ShortcutFocusReason);
    txtFind->selectAll();
}

void FindBar::setFound(bool found) {
    lblNotFound->setVisible(!found);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFind && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            hide();
            emit closed();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !txtFind->text().isEmpty()) {
            emit findRequested(txtFind->text(), key->modifiers() & Qt::ShiftModifier, false);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
