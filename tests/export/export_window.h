#pragma once

#include "app/main_window.h"
#include "platform/cooperative_wait.h"
#include "platform/message_box.h"
#include "support/find_child.h"
#include "support/grid_cells.h"
#include "support/temp_profile.h"
#include "widgets/address_grid.h"

#include <QByteArray>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>

namespace quillet::test {

// The started main window in a throw-away profile, with waits shortened to nanoseconds and a
// folder for export files.
class ExportWindow : public ::testing::Test {
protected:
    using Answer = platform::MessageBox::Answer;

    ExportWindow() {
        platform::setWaitTickLength(std::chrono::nanoseconds(1));
        form.start();
    }
    ~ExportWindow() override { platform::setWaitTickLength(savedUnit); }

    // Appends a grid row as the loader does, then sets its type cell.
    void addRow(const QString& name, const QString& address, const QString& type = {}) {
        widgets::AddressGrid& grid = *child<AddressGrid>(form, names::addressGrid);
        appendRowText(grid,
                      QString::number(grid.rows() + 1) + u'\t' + name + u'\t' + address + u'\t');
        setCellText(grid, grid.rows() - 1, 3, type);
    }

    // Types the export path, queues the answer to the confirmation box and presses Export.
    void exportTo(const QString& typedPath, Answer answer = Answer::Yes) {
        child<QLineEdit>(form, names::exportPathEdit)->setText(typedPath);
        platform::MessageBox::setNextAnswer(answer);
        QTest::mouseClick(child<QPushButton>(form, names::exportButton), Qt::LeftButton);
    }

    QString outPath(const QString& name) const { return out.path() + u'/' + name; }

    // The file's bytes; a null array when it cannot be read.
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    std::chrono::nanoseconds savedUnit = platform::waitTickLength();
    TempProfile profile;
    app::MainWindow form;
    QTemporaryDir out;
};

} // namespace quillet::test
