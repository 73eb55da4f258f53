// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "scripted_prompts.h"

UserPrompts::Answer ScriptedPrompts::message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                                             Answer defaultAnswer) {
    shown.append({false, text, title, icon, buttons, defaultAnswer, QString(), {}});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (beforeAnswer)
        beforeAnswer();
    if (m_answers.isEmpty()) {
        ++unscripted;
        return defaultAnswer;
    }
    return m_answers.takeFirst();
}

int ScriptedPrompts::choose(const QString& text, const QString& title, Icon icon, const QStringList& answers,
                            int defaultAnswer, int /*cancel*/) {
    shown.append({false, text, title, icon, Buttons::Ok, Answer::Ok, QString(), answers});
    if (beforeAnswer)
        beforeAnswer();
    if (m_choices.isEmpty()) {
        ++unscripted;
        return defaultAnswer;
    }
    return m_choices.takeFirst();
}

QString ScriptedPrompts::input(const QString& prompt, const QString& title, const QString& preset) {
    shown.append({true, prompt, title, Icon::Question, Buttons::Ok, Answer::Ok, preset, {}});
    if (m_typed.isEmpty()) {
        ++unscripted;
        return QString();
    }
    return m_typed.takeFirst();
}

QString ScriptedPrompts::openFile(const QString& title, const QString& filter, const QString& folder) {
    shown.append({true, filter, title, Icon::Question, Buttons::Ok, Answer::Ok, folder, {}});
    return m_files.isEmpty() ? (++unscripted, QString()) : m_files.takeFirst();
}

QString ScriptedPrompts::saveFile(const QString& title, const QString& filter, const QString& suggested) {
    shown.append({true, filter, title, Icon::Question, Buttons::Ok, Answer::Ok, suggested, {}});
    return m_files.isEmpty() ? (++unscripted, QString()) : m_files.takeFirst();
}
