// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Answers message and input boxes from a script instead of showing them, and records each one shown, so a
// test can say what the user answers and check what the user was told.

#include "prompts.h"

#include <QList>
#include <QStringList>

#include <functional>

class ScriptedPrompts : public UserPrompts {
public:
    struct Shown {
        bool isInput = false;
        QString text; // message text or input prompt
        QString title;
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
        Answer defaultAnswer = Answer::Ok;
        QString preset;
        QStringList answers; // the named answers of a choice
    };

    void answerNext(Answer answer) { m_answers << answer; }
    void typeNext(const QString& text) { m_typed << text; }
    // The index of the named answer to give to the next choice.
    void chooseNext(int answer) { m_choices << answer; }
    void chooseFileNext(const QString& path) { m_files << path; }

    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override;
    // An unscripted choice takes its default answer.
    int choose(const QString& text, const QString& title, Icon icon, const QStringList& answers, int defaultAnswer,
               int cancel) override;
    // An unscripted input box is cancelled.
    QString input(const QString& prompt, const QString& title, const QString& preset) override;
    // An unscripted file dialog is cancelled. The folder an open dialog starts in is recorded as its preset.
    QString openFile(const QString& title, const QString& filter, const QString& folder) override;
    QString saveFile(const QString& title, const QString& filter, const QString& suggested) override;

    QList<Shown> shown;
    const Shown& last() const { return shown.back(); }
    int unscripted = 0; // boxes shown with no answer scripted for them
    // Runs while a question is shown, before it is answered.
    std::function<void()> beforeAnswer;

private:
    QList<Answer> m_answers;
    QStringList m_typed;
    QList<int> m_choices;
    QStringList m_files;
};
