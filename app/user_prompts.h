// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// QtUserPrompts shows the program's message boxes, input boxes and file dialogs for real (see prompts.h). Beside it,
// what every dialog of the program uses to fit the screen it opens on, at any size and scale.

#include "prompts.h"

#include <QSize>

#include <functional>

class QDialog;
class QScrollArea;
class QWidget;

// Shows a dialog modally: exec() in the program; tests drive the dialog instead.
using DialogRunner = std::function<void(QDialog&)>;

// A tooltip that shows the text as typed: Qt takes a tooltip that looks like markup for markup, and a name such
// as "T-shirt <S>" would lose its letters.
QString plainToolTip(const QString& text);
// A user's text (a name) for a caption that takes "&" for an access key (a menu entry, a button, a label with a
// buddy): each "&" doubled, so that it shows as typed.
QString withoutAccessKeys(QString text);

// Keeps a dialog on the screen it opens on: when it is first shown it takes its size hint, or `preferred` where that
// is larger, but no more than the screen's available room leaves beside the window's frame, and it stands within that
// room, over the middle of its parent window (or of the screen). A dialog shown again keeps its size and place as far
// as they fit. A body in a scrollingBody() then scrolls, and the buttons below it stay in view.
void fitToScreen(QDialog& dialog, QSize preferred = {});

// A scroll area without a frame around a dialog's body, to stand above the dialog's buttons: it asks for the room the
// body asks for, and where the screen leaves the dialog less, the body scrolls instead of pushing the buttons away.
QScrollArea* scrollingBody(QWidget* body, QWidget* parent);

class QtUserPrompts : public UserPrompts {
public:
    // The boxes are run with exec() unless `runDialog` says otherwise.
    explicit QtUserPrompts(QWidget* parent, DialogRunner runDialog = {});

    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override;
    int choose(const QString& text, const QString& title, Icon icon, const QStringList& answers, int defaultAnswer,
               int cancel) override;
    QString input(const QString& prompt, const QString& title, const QString& preset) override;
    QString openFile(const QString& title, const QString& filter, const QString& folder) override;
    QString saveFile(const QString& title, const QString& filter, const QString& suggested) override;

private:
    QWidget* m_parent;
    DialogRunner m_runDialog;
};
