#pragma once

class QCheckBox;
class QPushButton;
class QWidget;

namespace quillet::widgets {
class AddressTable;
class StartHereHint;
class StatusBanner;
} // namespace quillet::widgets

namespace quillet::nk2 {

// The main window's parts a load reads and changes.
struct BrowseControls {
    QWidget& window; // owns the dialogs, takes the drops
    QPushButton& browseButton;
    QPushButton& exportButton;
    const QCheckBox& smtpBox;
    const QCheckBox& exchangeBox;
    const QCheckBox& smtpNamesSwitch;
    const QCheckBox& exchangeNamesSwitch;
    const widgets::StartHereHint& startHere;
    widgets::StatusBanner& banner;
    widgets::AddressTable& table;
};

} // namespace quillet::nk2
