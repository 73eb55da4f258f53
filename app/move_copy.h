// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// MoveCopyDialog asks where to move or copy one item: to the end of which of the four lists, and whether as a
// move (the item keeps its key, so its prices go with it) or a copy (a new key and copies of the prices). It
// reads the document and gives back the choice, which the window applies. Lists count from 0.

#include <QDialog>

#include <array>
#include <functional>

class Document;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class MoveCopyDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on the item at `row` of `list`.
    MoveCopyDialog(const Document& document, int list, int row, QWidget* parent = nullptr);

    // Asked by OK before a copy; false keeps the dialog open.
    void setCopyCheck(std::function<bool()> check) { m_copyCheck = std::move(check); }
    bool copies() const;
    int targetList() const { return m_targetList; }

    void operationChosen();
    void ok();

    QLabel* question;
    QGroupBox* operations;
    std::array<QRadioButton*, 2> operation{}; // move, copy
    QGroupBox* targets;
    std::array<QRadioButton*, 4> target{};
    QPushButton* okButton;
    QPushButton* cancelButton;

private:
    QString itemName() const;

    const Document& m_document;
    int m_list;
    int m_row;
    int m_targetList = 0;
    std::function<bool()> m_copyCheck;
};
