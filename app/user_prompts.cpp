// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "user_prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QWindow>

#include <algorithm>

QString plainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

namespace {

// The screen a window opens on: its parent's, as Qt's dialogs take it, else its own.
QScreen* screenFor(const QWidget& window) {
    const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    QScreen* screen = parent ? parent->screen() : window.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

QRect availableFor(const QWidget& window) {
    const QScreen* screen = screenFor(window);
    return screen ? screen->availableGeometry() : QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// The frame the window system puts around a window: the window's own once it has one, else its parent's, else the
// style's idea of a title bar and a border.
QMargins frameOf(const QWidget& window) {
    const auto margins = [](const QWidget& shown) {
        const QRect outer = shown.frameGeometry();
        const QRect inner = shown.geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    };
    if (const QMargins own = margins(window); !own.isNull())
        return own;
    if (const QWidget* parent = window.parentWidget())
        if (const QMargins theirs = margins(*parent->window()); !theirs.isNull())
            return theirs;
    const int border = window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return {border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border, border};
}

// The size closest to `wanted` that fits the screen with the window's frame: a body that scrolls for want of height
// needs the width of its scroll bar besides, and text that wraps takes more height where it gets less width.
QSize fittingSize(const QWidget& window, QSize wanted) {
    const QSize room = availableFor(window).marginsRemoved(frameOf(window)).size();
    if (wanted.height() > room.height())
        wanted.rwidth() += window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize size = wanted.boundedTo(room);
    if (size.width() < wanted.width() && window.layout() && window.layout()->hasHeightForWidth())
        size.setHeight(
            std::min(room.height(), std::max(size.height(), window.layout()->totalHeightForWidth(size.width()))));
    return size;
}

// Moves the window, frame and all, within the screen's available room: first over the middle of its parent window (or
// of the screen) when `centre`, else from where it stands.
void placeWithin(QWidget& window, bool centre) {
    const QRect available = availableFor(window);
    QRect frame(window.pos(), window.size().grownBy(frameOf(window)));
    if (centre) {
        const QWidget* parent = window.parentWidget() ? window.parentWidget()->window() : nullptr;
        frame.moveCenter(parent && parent->isVisible() ? parent->frameGeometry().center() : available.center());
    }
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    // On that screen before it moves, so that a screen of another scale sizes it by its own (as QDialog does).
    if (QWindow* handle = window.windowHandle(); handle && screenFor(window))
        handle->setScreen(screenFor(window));
    window.move(frame.topLeft());
}

// Sizes and places a dialog as it is shown (see fitToScreen). The show event comes before the window appears, and
// before QDialog's own placing, which a position set here replaces.
class ScreenFit : public QObject {
public:
    ScreenFit(QDialog& dialog, QSize preferred)
        : QObject(&dialog)
        , m_dialog(dialog)
        , m_preferred(preferred) {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_dialog && event->type() == QEvent::Show && !event->spontaneous()) {
            const bool first = !m_shown;
            m_shown = true;
            m_dialog.resize(
                fittingSize(m_dialog, first ? m_preferred.expandedTo(m_dialog.sizeHint()) : m_dialog.size()));
            placeWithin(m_dialog, first && !m_dialog.testAttribute(Qt::WA_Moved));
        }
        return false;
    }

private:
    QDialog& m_dialog;
    QSize m_preferred;
    bool m_shown = false;
};

// Asks for the room its body asks for, not at most the few dozen lines a scroll area asks for by itself: the dialog
// bounds that to the screen.
class BodyScroller : public QScrollArea {
public:
    explicit BodyScroller(QWidget* parent)
        : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        // The body's controls take the focus, and the area scrolls to show the one that has it.
        setFocusPolicy(Qt::NoFocus);
    }

    QSize sizeHint() const override {
        return widget() ? widget()->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth()) : QScrollArea::sizeHint();
    }
};

// A message box that sizes itself to its text as Qt's does and then fits the screen: where the text needs more room
// than the screen has, it scrolls above the buttons.
class MessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event); // sizes the box to its text and places it
        const QSize fitting = fittingSize(*this, size());
        if (event->spontaneous() || fitting == size())
            return;
        auto* text = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (text && layout() && !m_text) {
            // Into the label's place first: a label that leaves its parent leaves the layout too.
            auto* scroller = new BodyScroller(this);
            delete layout()->replaceWidget(text, scroller);
            scroller->setWidget(text);
            // The keyboard reaches the text to scroll it.
            scroller->setFocusPolicy(Qt::StrongFocus);
            scroller->setAccessibleName(QCoreApplication::translate("QtUserPrompts", "Message text"));
            m_text = text;
        }
        m_fitted = fitting;
        keepFitted();
        placeWithin(*this, true);
    }

    bool event(QEvent* event) override {
        const bool done = QMessageBox::event(event);
        // Qt sizes the box to its layout again, which, with the text scrolling, is as small as a scroll area gets.
        if (event->type() == QEvent::LayoutRequest && m_text)
            keepFitted();
        return done;
    }

private:
    void keepFitted() {
        if (m_text)
            m_text->setWordWrap(true);
        setFixedSize(m_fitted);
    }

    QLabel* m_text = nullptr; // the text, once it scrolls
    QSize m_fitted;
};

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

QString withoutAccessKeys(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void fitToScreen(QDialog& dialog, QSize preferred) {
    new ScreenFit(dialog, preferred);
}

QScrollArea* scrollingBody(QWidget* body, QWidget* parent) {
    auto* scroller = new BodyScroller(parent);
    scroller->setWidget(body);
    return scroller;
}

QtUserPrompts::QtUserPrompts(QWidget* parent, DialogRunner runDialog)
    : m_parent(parent)
    , m_runDialog(runDialog ? std::move(runDialog) : [](QDialog& dialog) { dialog.exec(); }) {}

UserPrompts::Answer QtUserPrompts::message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                                           Answer defaultAnswer) {
    MessageBox box(m_parent);
    setUp(box, text, title, icon);
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        m_runDialog(box);
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    m_runDialog(box);
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

int QtUserPrompts::choose(const QString& text, const QString& title, Icon icon, const QStringList& answers,
                          int defaultAnswer, int cancel) {
    MessageBox box(m_parent);
    setUp(box, text, title, icon);
    QList<QAbstractButton*> buttons;
    for (int i = 0; i < answers.size(); ++i)
        buttons << box.addButton(answers[i], i == cancel ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    if (defaultAnswer >= 0 && defaultAnswer < buttons.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons[defaultAnswer]));
    if (cancel >= 0 && cancel < buttons.size())
        box.setEscapeButton(buttons[cancel]);
    m_runDialog(box);
    const int chosen = static_cast<int>(buttons.indexOf(box.clickedButton()));
    return chosen < 0 ? cancel : chosen;
}

QString QtUserPrompts::input(const QString& prompt, const QString& title, const QString& preset) {
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    // The label is the text box's buddy: an "&" of a quoted name would become its access key.
    dialog.setLabelText(withoutAccessKeys(prompt));
    dialog.setTextValue(preset);
    // The prompt quotes names as typed, as messages do, and wraps where it is wider than the screen.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    if (dialog.sizeHint().width() > fittingSize(dialog, dialog.sizeHint()).width())
        for (QLabel* label : dialog.findChildren<QLabel*>())
            label->setWordWrap(true);
    fitToScreen(dialog);
    m_runDialog(dialog);
    return dialog.result() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtUserPrompts::openFile(const QString& title, const QString& filter, const QString& folder) {
    return QFileDialog::getOpenFileName(m_parent, title, folder, filter);
}

QString QtUserPrompts::saveFile(const QString& title, const QString& filter, const QString& suggested) {
    return QFileDialog::getSaveFileName(m_parent, title, suggested, filter);
}
