#pragma once

// frmMOC moves or copies the selected item of the current list to the end of any of the four lists. A move
// keeps the item's key, so its prices go with it; a copy gets a new key and copies of the prices. Either way
// the item arrives unticked and without a quantity. It owns only its own controls and makes the change through
// the document.

#include <QDialog>

#include <array>

class frmLists;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class frmMOC : public QDialog {
    Q_OBJECT

public:
    explicit frmMOC(frmLists& main);

    void optMC_Click();
    void optTo_Click(int list) { TargetList = static_cast<qint16>(list); }
    void cmdOK_Click();
    void cmdCancel_Click() { reject(); }
    bool copies() const;

    qint16 TargetList = 0;

    QLabel* lblMOC;
    QGroupBox* frmOp;
    std::array<QRadioButton*, 2> optMC{};
    QGroupBox* fraTo;
    std::array<QRadioButton*, 4> optTo{};
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    QString sourceName() const;

    frmLists& m_main;
    // The selected row of the current list when the dialog opened; -1 when there was none.
    int m_sourceList;
    int m_sourceRow;
};
