#include "app/flex_grid.h"
#include "app/form1.h"
#include "app/line_control.h"
#include "listview/dialog_controls.h"
#include "listview/form2.h"
#include "listview/form4.h"
#include "listview/status_texts.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

// The "List Controls" buttons: Add, Edit, Remove and Clear. They change the grid only.
namespace quillet::app {

void Form1::add_Click() {
    listview::Form2& dialog = listview::Form2::of(*this);
    listview::showWithCaret(dialog, *dialog.Text1);
}

void Form1::Command5_Click() {
    if (MSFlexGrid1->rows() == 0) {
        return; // no current cell to edit
    }
    listview::Form4& dialog = listview::Form4::of(*this);
    dialog.Text1->setText(MSFlexGrid1->text());
    listview::showWithCaret(dialog, *dialog.Text1);
}

void Form1::delete_Click() {
    // Rows keep the numbers they were given; nothing is renumbered.
    if (MSFlexGrid1->rows() >= 2) {
        const int row = MSFlexGrid1->row();
        const int col = MSFlexGrid1->col();
        MSFlexGrid1->removeItem(row);
        // The row that moves up into the gap becomes current, so repeated removes work down
        // the list.
        MSFlexGrid1->setCurrent(std::min(row, MSFlexGrid1->rows() - 1), col);
    } else {
        resetGrid();
    }
}

void Form1::Command3_Click() {
    lists.List1.clear();
    lists.nameList.clear();
    Label5->setText(QStringLiteral("0"));
    setBanner(listview::clearedStatus());
    for (QWidget* startHere : {static_cast<QWidget*>(Label20), static_cast<QWidget*>(Line14),
                               static_cast<QWidget*>(Line15), static_cast<QWidget*>(Line16)}) {
        startHere->show();
    }
    resetGrid();
}

} // namespace quillet::app
