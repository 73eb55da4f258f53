// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The two windows of the Help menu. ShortcutsDialog lists every shortcut and access key of the main window and
// its dialogs, read from their actions and controls when it opens, so the list cannot say something the keys do
// not do. AboutDialog names the program, its version, its licence (with the full text), the folder that holds the
// data file and the version of Qt.

#include <QDialog>

class Document;
class QTreeWidget;
class UserPrompts;

namespace Help {

// The version of this build, from the CMake project: "0.1.0".
QString version();
// What Pantrova is for, in one line.
QString description();

} // namespace Help

class ShortcutsDialog : public QDialog {
    Q_OBJECT

public:
    struct Key {
        QString keys;    // as the menus show them: "Ctrl+S"
        QString command; // what they do: "File > Save"
        // A key that works only within one control (Space in a list): the same key may do something else in
        // another control.
        bool withinControl = false;
    };
    struct Section {
        QString title;
        QList<Key> keys;
    };

    // The keys of the main window (its menus' titles, every action with a shortcut, every access key) and of
    // each dialog it opens, read from a copy of each dialog made for the purpose.
    static QList<Section> gather(const QWidget& window, const Document& document, UserPrompts& prompts);
    // The menus' titles, the actions' shortcuts and the controls' access keys of one window or dialog.
    static Section keysOf(const QString& title, const QWidget& window);

    explicit ShortcutsDialog(const QList<Section>& sections, QWidget* parent = nullptr);

    const QList<Section>& sections() const { return m_sections; }

    QTreeWidget* keyList;

private:
    QList<Section> m_sections;
};

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // `dataFolder` is the folder that holds the data file.
    explicit AboutDialog(const QString& dataFolder, QWidget* parent = nullptr);

    // Shows the folder in the file manager.
    void openDataFolder();

private:
    QString m_dataFolder;
};
