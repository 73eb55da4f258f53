// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "undo.h"

#include <QUndoStack>

DocumentStep::DocumentStep(Document& document, Document::Step step, const QString& text, int mergeId)
    : QUndoCommand(text)
    , m_document(document)
    , m_step(std::move(step))
    , m_mergeId(mergeId) {}

void DocumentStep::undo() {
    m_document.undo(m_step);
}

void DocumentStep::redo() {
    if (!std::exchange(m_made, false))
        m_document.redo(m_step);
}

bool DocumentStep::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const DocumentStep*>(other);
    m_step.edits.insert(m_step.edits.end(), next->m_step.edits.begin(), next->m_step.edits.end());
    m_step.after = next->m_step.after;
    setText(next->text());
    return true;
}

UndoStep::UndoStep(QUndoStack& stack, Document& document, const QString& text, int mergeId)
    : m_stack(stack)
    , m_document(document)
    , m_text(text)
    , m_mergeId(mergeId) {
    m_document.beginStep();
}

UndoStep::~UndoStep() {
    Document::Step step = m_document.endStep();
    if (!step.edits.empty())
        m_stack.push(new DocumentStep(m_document, std::move(step), m_text, m_mergeId));
}
