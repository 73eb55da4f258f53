// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Every message box, input box and file dialog Pantrova shows goes through UserPrompts, so that tests can script
// the answers instead of waiting on a real modal box. The program's own, with real boxes, is in app/.

#include <QString>
#include <QStringList>

class UserPrompts {
public:
    enum class Icon { Information, Question, Exclamation, Critical };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~UserPrompts() = default;

    virtual Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons = Buttons::Ok,
                           Answer defaultAnswer = Answer::Ok) = 0;
    // A question whose answers are named by what they do, where Yes and No would not say: gives the index of the
    // answer chosen, or `cancel` when the box is closed without one.
    virtual int choose(const QString& text, const QString& title, Icon icon, const QStringList& answers,
                       int defaultAnswer, int cancel) = 0;
    // The text typed, or an empty text when the user cancels.
    virtual QString input(const QString& prompt, const QString& title, const QString& preset) = 0;
    // The file chosen to read (the dialog opens in `folder`) or to write, or an empty text when the user cancels.
    virtual QString openFile(const QString& title, const QString& filter, const QString& folder) = 0;
    virtual QString saveFile(const QString& title, const QString& filter, const QString& suggested) = 0;
};
