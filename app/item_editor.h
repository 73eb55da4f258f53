#pragma once

// ItemEditor names an item and sets its price at each of the twenty shops. It opens to add an item, to edit one,
// or to edit only the prices of one (from the price comparison); it reads the document and gives back, on OK,
// what the user changed, which the window applies in one undo step. Shops count from 1.

#include "store_layout.h"
#include "user_prompts.h"

#include <QDialog>

#include <array>
#include <optional>

class Document;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

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
    // What OK gives back: the name, the box's state and the prices set or deleted (an empty text), by shop - 1.
    struct Edit {
        QString name;
        bool addToBottom = false;
        std::array<std::optional<QString>, Store::ShopCount> prices;
    };

    ItemEditor(const Document& document, UserPrompts& prompts, DialogRunner runDialog, const Subject& subject,
               QWidget* parent = nullptr);

    Mode mode() const { return m_subject.mode; }
    // Asked by OK before an item is added; false keeps the editor open.
    void setAddCheck(std::function<bool()> check) { m_addCheck = std::move(check); }
    Edit edit() const;

    void setPrice();
    void deletePrice();
    // Shows the item's prices over time; an item being added has none yet.
    void showHistory();
    void ok();

    QLineEdit* nameEdit;
    QCheckBox* addToBottomBox;
    QTreeWidget* priceList;
    QPushButton* setButton;
    QPushButton* deleteButton;
    QPushButton* historyButton;
    QPushButton* okButton;
    QPushButton* cancelButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadPrices();

    const Document& m_document;
    UserPrompts& m_prompts;
    DialogRunner m_runDialog;
    Subject m_subject;
    std::function<bool()> m_addCheck;
    // The prices set or deleted here, by shop: what OK gives back.
    std::array<std::optional<QString>, Store::ShopCount> m_changes;
};
