#pragma once

#include <QString>

class QWidget;

namespace quillet::platform {

// Modal message boxes, replaceable in tests: after setNextAnswer the next box is not shown
// and that answer is returned.
class MessageBox {
public:
    enum class Answer { Ok, Yes, No };

    struct Shown {
        QString title;
        QString text;
    };

    // Yes and No buttons, the information icon, Yes the default.
    static Answer question(QWidget* parent, const QString& title, const QString& text);

    // Yes and No buttons, the warning icon, No the default: for a question whose Yes loses
    // something.
    static Answer riskyQuestion(QWidget* parent, const QString& title, const QString& text);

    // Only an OK button and no icon.
    static void message(QWidget* parent, const QString& title, const QString& text);

    static void setNextAnswer(Answer answer);

    // The last box asked for, shown or answered by setNextAnswer, and how many there were.
    static const Shown& lastShown();
    static int shownCount();
};

} // namespace quillet::platform
