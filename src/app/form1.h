#pragma once

#include "core/banner.h"
#include "core/scratch_list.h"

#include <QMainWindow>
#include <cstdint>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace quillet::app {

class FlexGrid;
class LineControl;
class WheelFilter;

// The main window. Its controls and menu items are public members under their own names so
// the subsystems that give them behaviour can reach them; each also carries its name as
// objectName.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    // Start-up: shows the window, prepares the grid, wheel and export fields, then looks for
    // the user's NK2 file and reports in the banner. Waits (and so processes events) for
    // several seconds.
    void Form_Load();

    // Replaces the whole status banner text.
    void setBanner(const QString& text);
    // Product line, the message's blank run and the message (percent where it has one).
    void setBanner(core::BannerMessage message, long percent = 0);

    // Empties the grid and gives it its colours and column widths.
    void resetGrid();

    // Makes the wheel scroll the grid one row per wheel event while the grid has the focus.
    void installWheelScrolling();

    // One row of wheel scrolling, on GridTopRow.
    void ScrollUp();
    void ScrollDown();

    // Browse (the button and File, Open): choose an NK2 file and append its addresses to the grid.
    void Command1_Click();

    void Check1_Click();
    void Check2_Click();
    void exit_Click();
    void domain_Click();

    // export: append the grid to the export file after confirmation; a picked file type
    // proposes the export path.
    void Command2_Click();
    void Combo1_Click();

    // Address list view and editing (listview/).
    void MSFlexGrid1_Click();
    void Text2_Change();
    void Text2_Click();
    void Text3_Click();
    void add_Click();
    void Command5_Click();
    void delete_Click();
    void Command3_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();

    // Information windows (info/).
    void Assistance_Click();
    void About_Click();
    void Command4_Click();

    // Visible controls.
    QLabel* Label7;
    QLabel* Label15;
    QCheckBox* Check2;
    QCheckBox* Check1;
    QLabel* Label20;
    LineControl* Line14;
    LineControl* Line15;
    LineControl* Line16;
    QPushButton* Command1;
    QLabel* Label2;
    QLabel* Label18;
    QRadioButton* Option1;
    QLabel* Label24;
    QRadioButton* Option2;
    QLabel* Label25;
    QLineEdit* Text2;
    QLabel* Label4;
    QLineEdit* Text3;
    QLabel* Label13;
    QLabel* Label8;
    QLabel* Label22;
    FlexGrid* MSFlexGrid1;
    QLabel* Label12;
    QPushButton* add;
    QLabel* Label3;
    QPushButton* Command5;
    QLabel* Label23;
    QPushButton* delete_;
    QLabel* Label9;
    QPushButton* Command3;
    QLabel* Label10;
    QPushButton* Command4;
    QLabel* Label14;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label6;
    QComboBox* Combo1;
    QLabel* Label11;
    QPushButton* Command2;
    QLabel* Label21;
    QLineEdit* Text1;
    LineControl* Line1;
    LineControl* Line2;
    LineControl* Line3;
    LineControl* Line4;
    LineControl* Line5;
    LineControl* Line6;
    LineControl* Line7;
    LineControl* Line8;
    LineControl* Line9;
    LineControl* Line10;
    LineControl* Line11;
    LineControl* Line12;
    LineControl* Line13;

    // Hidden controls: the type switches and two developer notes.
    QCheckBox* Check4;
    QCheckBox* Check3;
    QLabel* Label19;
    QLabel* Label26;

    // Menus and their items.
    QMenu* File;
    QAction* Open;
    QAction* Clear;
    QAction* exit;
    QMenu* mnuEdit;
    QAction* mnuCut;
    QAction* mnuCopy;
    QAction* mnuPaste;
    QMenu* Group;
    QAction* domain;
    QMenu* Info;
    QAction* Assistance;
    QAction* About;

    // The NK2 loader's working storage (List1..List7, nameList); never shown.
    core::ScratchLists lists;

    // The row the wheel last made the grid's top row.
    std::int16_t GridTopRow = 0;

signals:
    // Every text setBanner writes, in order.
    void bannerChanged(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls(QWidget* client);
    void createHiddenControls(QWidget* client);
    void createMenus();
    void followTypeBoxes();

    WheelFilter* wheelFilter_ = nullptr;
};

} // namespace quillet::app
