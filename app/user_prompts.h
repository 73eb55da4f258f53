#pragma once

// Every message box and input box Pantrova shows goes through UserPrompts, so that tests can script the
// answers instead of waiting on a real modal box. QtUserPrompts is the one the program uses.

#include <QString>
#include <QStringList>

class QWidget;

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
    // The file chosen to read or to write, or an empty text when the user cancels.
    virtual QString openFile(const QString& title, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& filter, const QString& suggested) = 0;

    // A tooltip that shows the text as typed: Qt takes a tooltip that looks like markup for markup, and a name
    // such as "T-shirt <S>" would lose its letters.
    static QString plainToolTip(const QString& text);
};

class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* parent)
        : m_parent(parent) {}

    Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                   Answer defaultAnswer) override;
    int choose(const QString& text, const QString& title, Icon icon, const QStringList& answers, int defaultAnswer,
               int cancel) override;
    QString input(const QString& prompt, const QString& title, const QString& preset) override;
    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter, const QString& suggested) override;

private:
    QWidget* m_parent;
};
