#include "app/form1.h"
#include "app/special_folder.h"
#include "platform/special_folders.h"

#include <QComboBox>
#include <QLineEdit>

// The file type picked from Combo1's list proposes a matching export path.
namespace quillet::app {

void Form1::Combo1_Click() {
    QString extension = Combo1->currentText().toLower();
    if (extension == QStringLiteral("tab")) {
        extension = QStringLiteral("txt");
    }
    Text1->setText(GetSpecialFolder(platform::Documents) + QStringLiteral("quillet.") + extension);
}

} // namespace quillet::app
