// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// ItemEditor names an item and sets its price at each of the twenty shops. It opens to add an item, to edit one,
// or to edit only the prices of one (from the price comparison); it reads the document and gives back, on OK,
// what the user changed, which the window applies in one undo step. Shops count from 1.

#include "money.h"
#include "store_layout.h"
#include "user_prompts.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class Document;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class ItemEditor : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Add, Edit, EditPrices };
    // What the editor works on: the item's key and name, none when adding.
    struct Subject {
        Mode mode = Mode::Add;
        QString itemKey;
        QString name;
        bool addToBottom = false; // the box's first state when adding
    };
    // What OK gives back: the name, the box's state, and by shop - 1 the prices set or deleted (an empty text),
    // the packs set or removed (in the data file's form) and the offers set or ended (an invalid last day).
    struct Edit {
        QString name;
        bool addToBottom = false;
        std::array<std::optional<QString>, Store::ShopCount> prices;
        std::array<std::optional<QString>, Store::ShopCount> packs;
        std::array<std::optional<Store::PriceRecord::Offer>, Store::ShopCount> offers;
    };

    ItemEditor(const Document& document, UserPrompts& prompts, DialogRunner runDialog, const Subject& subject,
               QWidget* parent = nullptr);

    Mode mode() const { return m_subject.mode; }
    // Asked by OK before an item is added; false keeps the editor open.
    void setAddCheck(std::function<bool()> check) { m_addCheck = std::move(check); }
    Edit edit() const;

    void setPrice();
    void deletePrice();
    // Asks for the pack the selected shop's price buys; an empty answer removes it.
    void setPack();
    // Asks for the offer's last day and the regular price; an empty day ends the offer.
    void setOffer();
    // Shows the item's prices over time; an item being added has none yet.
    void showHistory();
    void ok();

    QLineEdit* nameEdit;
    QCheckBox* addToBottomBox;
    QTreeWidget* priceList;
    QPushButton* setButton;
    QPushButton* deleteButton;
    QPushButton* packButton;
    QPushButton* offerButton;
    QPushButton* historyButton;
    QPushButton* okButton;
    QPushButton* cancelButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadPrices();
    // Asks with an input box until `problem` finds nothing wrong with the answer: a text it refuses is explained by
    // the message it gives and offered again as the box's preset, so nothing typed is lost. `typed`, when given, is
    // an answer typed elsewhere, checked before any box opens. Gives the answer; an empty text when the first answer
    // is empty (the box cancelled or cleared); nothing when a box asking again is cancelled, which keeps the old
    // value.
    std::optional<QString> ask(const QString& prompt, const QString& title, const QString& preset,
                               const std::function<QString(const QString&)>& problem,
                               const std::optional<QString>& typed = std::nullopt);
    // What is wrong with a typed price, with an example in the user's language; empty when it is a price.
    static QString priceProblem(const QString& typed, const Money::Price& price);
    // Takes a pack typed into a row (in the user's language), or asked for in the Pack Size box when none is given;
    // a text that is no pack is explained and offered again in the box.
    void takePack(QTreeWidgetItem* row, const std::optional<QString>& typed);
    // Shows a row's pack, its unit price and its offer as they now are.
    void showPack(QTreeWidgetItem* row);

    const Document& m_document;
    UserPrompts& m_prompts;
    DialogRunner m_runDialog;
    Subject m_subject;
    std::function<bool()> m_addCheck;
    // The prices, packs and offers set or deleted here, by shop: what OK gives back.
    std::array<std::optional<QString>, Store::ShopCount> m_changes;
    std::array<std::optional<QString>, Store::ShopCount> m_packChanges;
    std::array<std::optional<Store::PriceRecord::Offer>, Store::ShopCount> m_offerChanges;
    // What each row shows: the pack (stored form) and the offer.
    std::array<QString, Store::ShopCount> m_packs;
    std::array<std::optional<Store::PriceRecord::Offer>, Store::ShopCount> m_offers;
    bool m_showing = false; // the editor itself is writing into the list
};
