#pragma once

// The object names of the windows, controls and menu items that outside tools and tests look
// up. The accessible names are separate: they carry the captions the user sees.
namespace quillet::names {

// Main window.
inline constexpr char mainWindow[] = "mainWindow";
inline constexpr char statusBanner[] = "statusBanner";
inline constexpr char smtpBox[] = "smtpBox";
inline constexpr char exchangeBox[] = "exchangeBox";
inline constexpr char smtpNamesSwitch[] = "smtpNamesSwitch";
inline constexpr char exchangeNamesSwitch[] = "exchangeNamesSwitch";
inline constexpr char browseButton[] = "browseButton";
inline constexpr char searchByName[] = "searchByName";
inline constexpr char searchByAddress[] = "searchByAddress";
inline constexpr char searchEdit[] = "searchEdit";
inline constexpr char clipboardEdit[] = "clipboardEdit";
inline constexpr char addressGrid[] = "addressGrid";
inline constexpr char addressTable[] = "addressTable";
inline constexpr char browse[] = "browse"; // the load, which tells whether it runs
inline constexpr char addButton[] = "addButton";
inline constexpr char editButton[] = "editButton";
inline constexpr char removeButton[] = "removeButton";
inline constexpr char clearButton[] = "clearButton";
inline constexpr char helpButton[] = "helpButton";
inline constexpr char entryCount[] = "entryCount";
inline constexpr char fileTypeBox[] = "fileTypeBox";
inline constexpr char exportButton[] = "exportButton";
inline constexpr char exportPathEdit[] = "exportPathEdit";
inline constexpr char utf8Box[] = "utf8Box";
inline constexpr char chooseExportFileButton[] = "chooseExportFileButton";
inline constexpr char startHereLabel[] = "startHereLabel";
inline constexpr char startHereArrow[] = "startHereArrow"; // prefix of its three lines

// Menus and their items.
inline constexpr char fileMenu[] = "fileMenu";
inline constexpr char openAction[] = "openAction";
inline constexpr char readEveryEntryAction[] = "readEveryEntryAction";
inline constexpr char clearAction[] = "clearAction";
inline constexpr char exitAction[] = "exitAction";
inline constexpr char editMenu[] = "editMenu";
inline constexpr char cutAction[] = "cutAction";
inline constexpr char copyAction[] = "copyAction";
inline constexpr char pasteAction[] = "pasteAction";
inline constexpr char sortMenu[] = "sortMenu";
inline constexpr char sortAction[] = "sortAction";
inline constexpr char infoMenu[] = "infoMenu";
inline constexpr char helpAction[] = "helpAction";
inline constexpr char aboutAction[] = "aboutAction";

// The add dialog.
inline constexpr char addEntryDialog[] = "addEntryDialog";
inline constexpr char newNameEdit[] = "newNameEdit";
inline constexpr char newAddressEdit[] = "newAddressEdit";
inline constexpr char confirmAddButton[] = "confirmAddButton";
inline constexpr char cancelAddButton[] = "cancelAddButton";

// The edit dialog.
inline constexpr char editEntryDialog[] = "editEntryDialog";
inline constexpr char entryEdit[] = "entryEdit";
inline constexpr char saveToListButton[] = "saveToListButton";
inline constexpr char cancelEditButton[] = "cancelEditButton";

// The help and About window.
inline constexpr char helpAboutWindow[] = "helpAboutWindow";
inline constexpr char closeHelpButton[] = "closeHelpButton";
inline constexpr char webAddressLink[] = "webAddressLink";

} // namespace quillet::names
