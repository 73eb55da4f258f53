// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// QtUserPrompts shows the program's message boxes, input boxes and file dialogs for real (see prompts.h).

#include "prompts.h"

#include <functional>

class QDialog;
class QWidget;

// Shows a dialog modally: exec() in the program; tests drive the dialog instead.
using DialogRunner = std::function<void(QDialog&)>;

// A tooltip that shows the text as typed: Qt takes a tooltip that looks like markup for markup, and a name such
// as "T-shirt <S>" would lose its letters.
QString plainToolTip(const QString& text);

class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* parent)
        : m_parent(parent) {}

    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override;
    int choose(const QString& text, const QString& title, Icon icon, const QStringList& answers, int defaultAnswer,
               int cancel) override;
    QString input(const QString& prompt, const QString& title, const QString& preset) override;
    QString openFile(const QString& title, const QString& filter, const QString& folder) override;
    QString saveFile(const QString& title, const QString& filter, const QString& suggested) override;

private:
    QWidget* m_parent;
};
