#include "platform/message_box.h"

#include <QMessageBox>
#include <optional>

namespace quillet::platform {
namespace {

std::optional<MessageBox::Answer> nextAnswer;
MessageBox::Shown last;
int count = 0;

// Records the box and hands out a queued answer, if any.
std::optional<MessageBox::Answer> note(const QString& title, const QString& text) {
    last = {title, text};
    ++count;
    std::optional<MessageBox::Answer> answer = nextAnswer;
    nextAnswer.reset();
    return answer;
}

} // namespace

MessageBox::Answer MessageBox::question(QWidget* parent, const QString& title,
                                        const QString& text) {
    if (const auto queued = note(title, text)) {
        return *queued;
    }
    const auto button = QMessageBox::information(
        parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

MessageBox::Answer MessageBox::riskyQuestion(QWidget* parent, const QString& title,
                                             const QString& text) {
    if (const auto queued = note(title, text)) {
        return *queued;
    }
    const auto button = QMessageBox::warning(parent, title, text,
                                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return button == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBox::message(QWidget* parent, const QString& title, const QString& text) {
    if (note(title, text)) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void MessageBox::setNextAnswer(Answer answer) {
    nextAnswer = answer;
}

const MessageBox::Shown& MessageBox::lastShown() {
    return last;
}

int MessageBox::shownCount() {
    return count;
}

} // namespace quillet::platform
