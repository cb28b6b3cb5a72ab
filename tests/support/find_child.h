#pragma once

#include "widgets/address_grid.h"
#include "widgets/address_table.h"
#include "widgets/object_names.h"
#include "widgets/status_banner.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

// How the GUI tests reach the window's parts: by object name, as outside tools do.
namespace names = quillet::names;
using quillet::widgets::AddressGrid;
using quillet::widgets::AddressTable;
using quillet::widgets::StatusBanner;

// The descendant of root of type T with that object name. A missing one fails the running test
// and ends it (GoogleTest reports the exception), so no test goes on with a null pointer.
template <class T> T* child(const QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        const std::string what =
            std::string("no ") + name + " below " + root.objectName().toStdString();
        ADD_FAILURE() << what;
        throw std::runtime_error(what);
    }
    return found;
}
