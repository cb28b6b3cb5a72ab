#pragma once

#include "app/flex_grid.h"
#include "app/form1.h"
#include "app/mod_wait.h"
#include "app/temp_profile.h"
#include "platform/message_box.h"

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
        app::modWait::setWaitUnit(std::chrono::nanoseconds(1));
        form.Form_Load();
    }
    ~ExportWindow() override { app::modWait::setWaitUnit(savedUnit); }

    // Appends a grid row as the loader does, then sets its type cell.
    void addRow(const QString& name, const QString& address, const QString& type = {}) {
        app::FlexGrid& grid = *form.MSFlexGrid1;
        grid.addItem(QString::number(grid.rows() + 1) + u'\t' + name + u'\t' + address + u'\t');
        grid.setTextMatrix(grid.rows() - 1, 3, type);
    }

    // Types the export path, queues the answer to the confirmation box and presses Export.
    void exportTo(const QString& typedPath, Answer answer = Answer::Yes) {
        form.Text1->setText(typedPath);
        platform::MessageBox::setNextAnswer(answer);
        QTest::mouseClick(form.Command2, Qt::LeftButton);
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

    std::chrono::nanoseconds savedUnit = app::modWait::waitUnit();
    TempProfile profile;
    app::Form1 form;
    QTemporaryDir out;
};

} // namespace quillet::test
