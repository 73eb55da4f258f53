// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// LocalSettings keeps what belongs to this computer rather than to the data: the window's size, place and state,
// the item editor's add-at-the-bottom choice, the comparison's column widths that the user set by dragging a
// header and the folder of the last CSV import or export. The data file may travel between computers (a synced
// folder, a partner's computer); these stay in the user's configuration folder. Until the program chooses a
// file, nothing is remembered, so tests and tools never touch the user's configuration.

#include <QObject>

#include <memory>

class QHeaderView;
class QSettings;
class QTreeView;
class QWidget;

class LocalSettings : public QObject {
public:
    // The file in the user's configuration folder: ~/.config/Pantrova/Pantrova.conf, or under $XDG_CONFIG_HOME.
    static QString userFile();
    // Where every LocalSettings made from now on reads and writes; an empty path remembers nothing.
    static void setFile(const QString& path);

    LocalSettings();
    ~LocalSettings() override;

    // Puts the window where it was when it last closed; a place off every screen comes back onto one.
    void restoreWindow(QWidget* window) const;
    void saveWindow(const QWidget* window);

    bool addToBottom() const;
    void setAddToBottom(bool addToBottom);

    // The folder of the last CSV import or export, while it exists; otherwise `fallback`. Ends in "/".
    QString csvFolder(const QString& fallback) const;
    // Remembers the folder that holds `file`.
    void setCsvFolder(const QString& file);

    // From now on, a column width the user sets by dragging the table's header is remembered; a double click on
    // the divider, which fits the column to its texts, forgets it.
    void watchColumnWidths(QTreeView* table);
    // Gives each column the width the user set, over the width worked out for the comparison.
    void applyColumnWidths(QTreeView* table) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<QSettings> m_settings; // none when nothing is remembered
    // The comparison header's viewport, compared by address only: it may be half destroyed when it last sends
    // an event, and then no call on it is safe.
    const QObject* m_headerViewport = nullptr;
    bool m_dragging = false; // a mouse button is down on the header
    bool m_fitting = false;  // the button went down twice: the divider's double click
};
