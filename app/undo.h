// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Undo for the user's data: every command's changes to the document become one step on the window's
// QUndoStack, which takes them back and makes them again through the document.

#include "document.h"

#include <QUndoCommand>

class QUndoStack;

// One step: the document's changes of one command. Steps that share a merge id (typing a list's name, one
// letter at a time) become one when they follow each other.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(Document& document, Document::Step step, const QString& text, int mergeId);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    Document& m_document;
    Document::Step m_step;
    int m_mergeId;
    bool m_made = true; // the changes were made before the step was pushed
};

// Collects the document's changes made while it lives into one step on the stack; nothing when nothing
// changed.
class UndoStep {
public:
    UndoStep(QUndoStack& stack, Document& document, const QString& text, int mergeId = -1);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

    void setText(const QString& text) { m_text = text; }

private:
    QUndoStack& m_stack;
    Document& m_document;
    QString m_text;
    int m_mergeId;
};
