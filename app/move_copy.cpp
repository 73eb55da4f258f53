#include "move_copy.h"

#include "main_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmMOC::frmMOC(frmLists& main)
    : QDialog(&main)
    , m_main(main)
    , m_sourceList(main.CurrentList)
    , m_sourceRow(main.selectedRow(main.CurrentList)) {
    setWindowTitle(tr("Move or Copy"));
    lblMOC = new QLabel(this);
    lblMOC->setWordWrap(true);
    lblMOC->setTextFormat(Qt::PlainText); // it quotes names as typed
    frmOp = new QGroupBox(tr("&Operation"), this);
    optMC[0] = new QRadioButton(tr("&Move"), frmOp);
    optMC[1] = new QRadioButton(tr("&Copy"), frmOp);
    auto* operation = new QHBoxLayout(frmOp);
    operation->addWidget(optMC[0]);
    operation->addWidget(optMC[1]);
    fraTo = new QGroupBox(this);
    auto* destinations = new QVBoxLayout(fraTo);
    for (int j = 0; j < frmLists::ListCount; ++j) {
        optTo[j] = new QRadioButton(fraTo);
        destinations->addWidget(optTo[j]);
        connect(optTo[j], &QRadioButton::clicked, this, [this, j] { optTo_Click(j); });
    }
    cmdOK = new QPushButton(tr("OK"), this);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMOC);
    layout->addWidget(frmOp);
    layout->addWidget(fraTo);
    layout->addLayout(buttons);

    connect(optMC[0], &QRadioButton::clicked, this, &frmMOC::optMC_Click);
    connect(optMC[1], &QRadioButton::clicked, this, &frmMOC::optMC_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmMOC::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMOC::cmdCancel_Click);

    // Load: every opening starts with Move and the first list.
    optMC[0]->setChecked(true);
    optTo[0]->setChecked(true);
    const Document& document = m_main.document();
    lblMOC->setText(tr("Move or Copy '%1' from list '%2':").arg(sourceName(), document.listName(m_sourceList)));
    for (int j = 0; j < frmLists::ListCount; ++j) {
        // "&&" shows an ampersand of the list's name instead of making it an access key.
        QString name = document.listName(j);
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        optTo[j]->setText(tr("&%1: %2").arg(QString::number(j + 1), name));
    }
    optMC_Click();
}

void frmMOC::optMC_Click() {
    QString item = sourceName();
    item.replace(QLatin1Char('&'), QStringLiteral("&&"));
    fraTo->setTitle((optMC[0]->isChecked() ? tr("Move '%1' to:") : tr("Copy '%1' to:")).arg(item));
}

bool frmMOC::copies() const {
    return optMC[1]->isChecked();
}

QString frmMOC::sourceName() const {
    return m_sourceRow >= 0 ? m_main.document().item(m_sourceList, m_sourceRow).name : QString();
}

void frmMOC::cmdOK_Click() {
    if (m_sourceRow < 0) {
        reject();
        return;
    }
    if (optMC[0]->isChecked()) {
        if (TargetList == m_sourceList) {
            accept();
            return;
        }
        m_main.document().moveItemToList(m_sourceList, m_sourceRow, TargetList);
    } else {
        if (!m_main.keysLeft())
            return;
        m_main.document().copyItemToList(m_sourceList, m_sourceRow, TargetList);
    }
    // Only the list that received the item: the source list's box is left as it was.
    m_main.RefreshSelectAll(TargetList);
    accept();
}
