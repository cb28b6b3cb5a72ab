#include "listview/form4.h"

#include "app/flex_grid.h"
#include "app/form1.h"
#include "listview/dialog_controls.h"
#include "listview/only_child.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillet::listview {

Form4& Form4::of(app::Form1& main) {
    return onlyChild<Form4>(main, [&main] { return new Form4(main); });
}

Form4::Form4(app::Form1& main) : QDialog(&main), main_(main) {
    frameDialog(*this, "Form4", QStringLiteral("Edit Entry"), 5865, 1440);
    Label1 = greyLabel(*this, "Label1", QStringLiteral("Edit Entry:"), 120, 120, 975, 255);
    Text1 = textBox(*this, "Text1", 120, 360, 5655, 375);
    Command2 = button(*this, "Command2", QStringLiteral("Save to List"), 120, 960, 2760, 390);
    Command1 = button(*this, "Command1", QStringLiteral("Cancel"), 3000, 960, 2760, 390);
    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command1);

    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::Command2_Click() {
    const QString text = Text1->text();
    hide();
    main_.MSFlexGrid1->setText(text);
}

void Form4::Command1_Click() {
    hide();
    Text1->clear();
}

void Form4::reject() {
    Command1_Click();
}

} // namespace quillet::listview
