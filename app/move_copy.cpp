#include "move_copy.h"

#include "list_view.h"
#include "main_window.h"
#include "store_layout.h"

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
    , m_source(main.lvList[main.CurrentList]->selectedRow()) {
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
    const QString source = m_source ? ListView::name(m_source) : QString();
    lblMOC->setText(tr("Move or Copy '%1' from list '%2':").arg(source, m_main.txtName[m_main.CurrentList]->text()));
    for (int j = 0; j < frmLists::ListCount; ++j) {
        // "&&" shows an ampersand of the list's name instead of making it an access key.
        QString name = m_main.txtName[j]->text();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        optTo[j]->setText(tr("&%1: %2").arg(QString::number(j + 1), name));
    }
    optMC_Click();
}

void frmMOC::optMC_Click() {
    QString item = m_source ? ListView::name(m_source) : QString();
    item.replace(QLatin1Char('&'), QStringLiteral("&&"));
    fraTo->setTitle((optMC[0]->isChecked() ? tr("Move '%1' to:") : tr("Copy '%1' to:")).arg(item));
}

void frmMOC::cmdOK_Click() {
    if (!m_source) {
        reject();
        return;
    }
    const QString key = ListView::key(m_source);
    const QString name = ListView::name(m_source);
    ListView* target = m_main.lvList[TargetList];
    if (optMC[0]->isChecked()) {
        if (TargetList != m_main.CurrentList) {
            target->appendRow(name, QString(), false, key);
            m_main.RefreshSelectAll(TargetList);
            ListView* source = m_main.lvList[m_main.CurrentList];
            source->removeRow(source->indexOfTopLevelItem(m_source) + 1);
        }
    } else {
        if (!m_main.keysLeft())
            return;
        const QString copyKey = Store::itemKey(m_main.NextKey);
        ++m_main.NextKey;
        target->appendRow(name, QString(), false, copyKey);
        m_main.RefreshSelectAll(TargetList);
        for (int shop = 1; shop <= Store::ShopCount; ++shop) {
            const QString price = m_main.CF.ReadValue(Store::priceKey(key, shop));
            if (price != ConfigFile::NotFound)
                m_main.CF.WriteValue(Store::priceKey(copyKey, shop), price);
        }
    }
    accept();
}
