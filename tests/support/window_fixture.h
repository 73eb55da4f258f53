// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// A main window over a fresh temporary program folder whose data file has shops, so that no question is asked
// at start-up, with helpers to fill lists and read them back; and the window's controls, found by their object
// names, for tests that use the window as a user does.

#include "find_bar.h"
#include "list_view.h"
#include "main_window.h"
#include "scripted_prompts.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeView>

#include <array>
#include <memory>

// The controls of a main window. Lists count from 0, shops from 1.
struct WindowControls {
    explicit WindowControls(MainWindow& window);

    QTabWidget* tabs;
    std::array<QLineEdit*, 4> listNames;
    std::array<ListView*, 4> lists;
    std::array<QCheckBox*, 4> tickAll;
    std::array<QPushButton*, 4> add, edit, up, down, more, fewer;
    QTreeView* shops;
    std::array<QRadioButton*, 3> show; // the ticked items, all items, unit prices
    QTreeView* comparison;
    QPushButton* editPrices;
    QLabel* cheapest;
    QTextBrowser* page;
    QPushButton* print;
    FindBar* findBar;
    QAction *save, *exportCsv, *importCsv, *exitWithoutSaving, *exit, *undo, *redo, *find, *moveOrCopy, *currencySymbol,
        *oldPrices;

    // As the list's view says when the user comes to it.
    void focusList(int list) const { emit lists[list]->gotFocus(); }
    // As a click on a shop's row.
    void clickShop(int shop) const;
    // Works the comparison out again, as choosing the option already chosen does.
    void compare() const;
    // Builds and shows the page again, as coming back to the Print Preview tab does.
    void showPage() const;
};
inline WindowControls controls(MainWindow& window) {
    return WindowControls(window);
}
// Sets the list's tick-all box from its items, as the window does after its commands; for lists filled through
// the document.
void showTicks(MainWindow& window, int list);

struct Row {
    QString name;
    QString quantity;
    bool ticked = false;
    QString key;
};

class WindowFixture {
public:
    // With program files, the folder also holds the built library and page template, as an installed
    // program's folder does.
    enum class Files { DataOnly, WithProgramFiles };
    explicit WindowFixture(Files files = Files::DataOnly);
    ~WindowFixture();

    // Starts (or restarts) the window over the folder; the previous window closes without saving.
    MainWindow& start();
    MainWindow& window() { return *m_window; }
    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void fill(int list, const QList<Row>& rows);
    QList<Row> rows(int list) const;
    QStringList names(int list) const;

    ScriptedPrompts prompts;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

bool operator==(const Row& a, const Row& b);
char* toString(const Row& row);
