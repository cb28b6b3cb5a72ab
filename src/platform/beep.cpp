#include "platform/beep.h"

#include <QApplication>

namespace quillet::platform {
namespace {

int beeps = 0;

} // namespace

void beep() {
    ++beeps;
    QApplication::beep();
}

int beepCount() {
    return beeps;
}

} // namespace quillet::platform
