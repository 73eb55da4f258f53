// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "move_copy.h"

#include "document.h"
#include "user_prompts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

MoveCopyDialog::MoveCopyDialog(const Document& document, int list, int row, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_list(list)
    , m_row(row) {
    setWindowTitle(tr("Move or Copy"));
    // Everything above OK and Cancel scrolls where the screen is too small for it.
    auto* body = new QWidget(this);
    question = new QLabel(body);
    question->setWordWrap(true);
    question->setTextFormat(Qt::PlainText); // it quotes names as typed
    operations = new QGroupBox(tr("&Operation"), body);
    operation[0] = new QRadioButton(tr("&Move"), operations);
    operation[1] = new QRadioButton(tr("&Copy"), operations);
    auto* operationRow = new QHBoxLayout(operations);
    operationRow->addWidget(operation[0]);
    operationRow->addWidget(operation[1]);
    targets = new QGroupBox(body);
    auto* destinations = new QVBoxLayout(targets);
    for (int j = 0; j < Store::ListCount; ++j) {
        target[j] = new QRadioButton(targets);
        destinations->addWidget(target[j]);
        connect(target[j], &QRadioButton::clicked, this, [this, j] { m_targetList = j; });
    }
    okButton = new QPushButton(tr("OK"), this);
    cancelButton = new QPushButton(tr("Cancel"), this);
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addWidget(question);
    bodyLayout->addWidget(operations);
    bodyLayout->addWidget(targets);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollingBody(body, this));
    layout->addLayout(buttons);
    fitToScreen(*this);

    connect(operation[0], &QRadioButton::clicked, this, &MoveCopyDialog::operationChosen);
    connect(operation[1], &QRadioButton::clicked, this, &MoveCopyDialog::operationChosen);
    connect(okButton, &QPushButton::clicked, this, &MoveCopyDialog::ok);
    connect(cancelButton, &QPushButton::clicked, this, &MoveCopyDialog::reject);

    // Load: every opening starts with Move and the first list.
    operation[0]->setChecked(true);
    target[0]->setChecked(true);
    question->setText(tr("Move or Copy '%1' from list '%2':").arg(itemName(), document.listName(m_list)));
    for (int j = 0; j < Store::ListCount; ++j) {
        target[j]->setText(tr("&%1: %2").arg(QString::number(j + 1), withoutAccessKeys(document.listName(j))));
    }
    operationChosen();
}

void MoveCopyDialog::operationChosen() {
    targets->setTitle(
        (operation[0]->isChecked() ? tr("Move '%1' to:") : tr("Copy '%1' to:")).arg(withoutAccessKeys(itemName())));
}

bool MoveCopyDialog::copies() const {
    return operation[1]->isChecked();
}

QString MoveCopyDialog::itemName() const {
    return m_row >= 0 ? m_document.item(m_list, m_row).name : QString();
}

void MoveCopyDialog::ok() {
    if (m_row < 0)
        reject();
    else if (!copies() || !m_copyCheck || m_copyCheck())
        accept();
}
