#include "listview/form2.h"

#include "app/flex_grid.h"
#include "app/form1.h"
#include "listview/dialog_controls.h"
#include "listview/only_child.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillet::listview {

Form2& Form2::of(app::Form1& main) {
    return onlyChild<Form2>(main, [&main] { return new Form2(main); });
}

Form2::Form2(app::Form1& main) : QDialog(&main), main_(main) {
    frameDialog(*this, "Form2", QStringLiteral("Add name and e-mail address"), 5865, 2175);
    Label1 = greyLabel(*this, "Label1", QStringLiteral("Name:"), 120, 120, 615, 255);
    Text1 = textBox(*this, "Text1", 120, 360, 5655, 390);
    Label2 = greyLabel(*this, "Label2", QStringLiteral("E-mail Address:"), 120, 840, 1455, 255);
    Text2 = textBox(*this, "Text2", 120, 1080, 5655, 375);
    Command2 = button(*this, "Command2", QStringLiteral("Add"), 120, 1680, 2775, 375);
    Command1 = button(*this, "Command1", QStringLiteral("Cancel"), 3000, 1680, 2775, 375);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command2);
    setTabOrder(Command2, Command1);

    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Command2_Click() {
    // Taken as typed: no trimming and no checks, so an empty entry is allowed and a tab in a
    // box moves the rest of the row one column on.
    app::FlexGrid& grid = *main_.MSFlexGrid1;
    const int number = grid.rows() + 1;
    grid.addItem(QString::number(number) + u'\t' + Text1->text() + u'\t' + Text2->text() + u'\t');
    main_.Label5->setText(QString::number(grid.rows()));
    hideAndEmpty();
}

void Form2::Command1_Click() {
    hideAndEmpty();
}

void Form2::reject() {
    Command1_Click();
}

void Form2::hideAndEmpty() {
    hide();
    Text1->clear();
    Text2->clear();
}

} // namespace quillet::listview
