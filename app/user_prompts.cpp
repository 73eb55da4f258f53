// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "user_prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

QString plainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

namespace {

QMessageBox::Icon boxIcon(UserPrompts::Icon icon) {
    switch (icon) {
    case UserPrompts::Icon::Information:
        return QMessageBox::Information;
    case UserPrompts::Icon::Question:
        return QMessageBox::Question;
    case UserPrompts::Icon::Exclamation:
        return QMessageBox::Warning;
    case UserPrompts::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

void setUp(QMessageBox& box, const QString& text, const QString& title, UserPrompts::Icon icon) {
    box.setWindowTitle(title);
    // Messages quote names as typed; a name that looks like markup must not become markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(boxIcon(icon));
}

} // namespace

UserPrompts::Answer QtUserPrompts::message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                                           Answer defaultAnswer) {
    QMessageBox box(m_parent);
    setUp(box, text, title, icon);
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

int QtUserPrompts::choose(const QString& text, const QString& title, Icon icon, const QStringList& answers,
                          int defaultAnswer, int cancel) {
    QMessageBox box(m_parent);
    setUp(box, text, title, icon);
    QList<QAbstractButton*> buttons;
    for (int i = 0; i < answers.size(); ++i)
        buttons << box.addButton(answers[i], i == cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    if (defaultAnswer >= 0 && defaultAnswer < buttons.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons[defaultAnswer]));
    if (cancel >= 0 && cancel < buttons.size())
        box.setEscapeButton(buttons[cancel]);
    box.exec();
    const int chosen = static_cast<int>(buttons.indexOf(box.clickedButton()));
    return chosen < 0 ? cancel : chosen;
}

QString QtUserPrompts::input(const QString& prompt, const QString& title, const QString& preset) {
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(preset);
    // The prompt quotes names as typed, as messages do.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtUserPrompts::openFile(const QString& title, const QString& filter, const QString& folder) {
    return QFileDialog::getOpenFileName(m_parent, title, folder, filter);
}

QString QtUserPrompts::saveFile(const QString& title, const QString& filter, const QString& suggested) {
    return QFileDialog::getSaveFileName(m_parent, title, suggested, filter);
}
