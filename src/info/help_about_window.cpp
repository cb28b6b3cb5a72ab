#include "info/help_about_window.h"

#include "core/banner.h"
#include "info/clickable_label.h"
#include "info/owner_pictures.h"
#include "info/project_site.h"
#include "widgets/object_names.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace quillet::info {
namespace {

const QSize kPreferredSize(560, 640);
const QString kHelpCaption = QStringLiteral("Help and Tips");
const QString kAboutCaption = QStringLiteral("About Quillet");

template <typename Label = QLabel> Label* makeLabel(const char* name, const QString& text) {
    auto* label = new Label(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QLabel* makePicture(const char* name, const QPixmap& pixmap) {
    auto* picture = new QLabel;
    picture->setObjectName(QString::fromLatin1(name));
    picture->setPixmap(pixmap);
    return picture;
}

// The Help view's numbered steps, from the cache to Outlook's contacts.
const std::array<QString, 8> kImportSteps = {
    QStringLiteral("1. Use the check boxes to determine which types of Addresses and optional "
                   "Names to import."),
    QStringLiteral(
        "2. Click the BROWSE button to locate and open your NK2 file. If it is auto detected, the "
        "folder will be displayed. Simply choose a NK2 file at this point.The NK2 file is "
        "typically found under C:\\Documents and Settings\\PROFILENAME\\Application "
        "Data\\Microsoft\\Outlook\\Outlook.NK2 where 'profilename' is (usually) your username "
        "or username.domain name."),
    QStringLiteral("3. The e-mail address and name list populates, now Add/Remove addresses and "
                   "press Export. By default your CSV file is saved at the My Documents folder "
                   "with the name 'quillet.csv'"),
    QStringLiteral("4. Open Outlook and click the CONTACTS button. Next go to FILE -> IMPORT AND "
                   "EXPORT -> IMPORT FROM ANOTHER PROGRAM OR FILE. click next"),
    QStringLiteral("5. Choose COMMA SEPARATED VALUES (WINDOWS), click next."),
    QStringLiteral("6. Hit the Browse button and locate quillet.csv (try looking in My Documents) "
                   "then Press NEXT"),
    QStringLiteral("7. Accept the default file save location (Contacts). Press NEXT"),
    QStringLiteral("8. Press finish"),
};

// After the steps: what has changed since Outlook 2003, and the program's later additions.
const QString kTodayTitle = QStringLiteral("On today's systems");
const QString kTodayText = QStringLiteral(
    "Where the cache lives. On Windows, Outlook 2003 and 2007 keep it as "
    "%APPDATA%\\Microsoft\\Outlook\\PROFILENAME.NK2. On Linux, Quillet looks below "
    "~/.local/share/Microsoft/Outlook/; copy the file there, or open it from wherever it is.\n\n"
    "Outlook 2010 and later keep the cache inside the mailbox as a stream instead, with a copy in "
    "%LOCALAPPDATA%\\Microsoft\\Outlook\\RoamCache. Take Stream_Autocomplete_*.dat from "
    "there, or export the stream to a file with a MAPI editor, then choose \"Outlook 2010+ "
    "Autocomplete Streams (*.dat)\" in Browse's dialog, or drop the .dat file onto the window.\n\n"
    "The VCF type writes vCards (UTF-8, one card per Internet address), which Thunderbird, "
    "Evolution, Apple Contacts, Gmail, Nextcloud and most phones import. CSV and TAB are for "
    "Outlook's import wizard; tick UTF-8 to keep names Windows-1252 cannot hold.\n\n"
    "Two ways of reading: Browse scans the file's bytes as Quillet always has, and may stop early "
    "in a large cache. File, Read Every Entry... (Ctrl+R) reads the file entry by entry, each with "
    "its own name; use it for a large cache or when the banner says Browse missed addresses.\n\n"
    "Without a window: quillet-convert -t CSV|TAB|VCF -o FILE [--encoding utf-8] "
    "[--read structure] CACHE does the same load and export from a terminal or a script.");

} // namespace

HelpAboutWindow::HelpAboutWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QString::fromLatin1(names::helpAboutWindow));
    setWindowTitle(kHelpCaption);

    introText_ = makeLabel(
        "introText",
        QStringLiteral(
            "Quillet is designed to export your Outlook autocomple cache (NK2) file to a comma "
            "-or- tab separated value (CSV or TXT) file. After exporting your csv (or txt), you "
            "may then import the file into Outlook contacts or any other program that accepts "
            "the separated value format."));
    helpTitle_ =
        makeLabel("helpTitle", QStringLiteral("How to export your NK2 file to CSV and then "
                                              "import into Microsoft Outlook 2003"));
    QFont titleFont = helpTitle_->font();
    titleFont.setBold(true);
    helpTitle_->setFont(titleFont);
    for (std::size_t step = 0; step < kImportSteps.size(); ++step) {
        const QByteArray name = "step" + QByteArray::number(static_cast<int>(step) + 1);
        importSteps_.append(makeLabel(name.constData(), kImportSteps[step]));
    }
    todayTitle_ = makeLabel("todayTitle", kTodayTitle);
    todayTitle_->setFont(titleFont);
    todayText_ = makeLabel("todayText", kTodayText);
    afterImportText_ = makeLabel(
        "afterImportText",
        QStringLiteral("Now all of your contacts should be imported into Outlook. Next time you "
                       "send an e-mail, remember that you can type part of the e-mail address "
                       "and then press CTRL + K to autocomplete the rest. This will now check "
                       "against the names you just imported!"));

    copyrightLine_ = makeLabel(
        "copyrightLine", QString::fromLatin1(core::kProductLine.data(), core::kProductLine.size()) +
                             QStringLiteral(", \u00A9 the Quillet project."));
    ownerNote_ = makeLabel(
        "ownerNote",
        QStringLiteral("It is my sincere hope that you've found this utility of some value. It's "
                       "als my intention that Quillet be very easy to use. This is my small "
                       "contribution to the community. Thank you for supporting Quillet!"));
    contactNote_ =
        makeLabel("contactNote", QStringLiteral("Please send your questions, comments, and "
                                                "concerns to my e-mail address below. I would "
                                                "like to hear from you!"));
    ownerPicture_ = makePicture("ownerPicture", ownerPicture());
    contactPicture_ =
        makePicture("contactPicture", emailPicture(QString::fromLatin1(kContactEmail)));

    updatesNote_ =
        makeLabel("updatesNote", QStringLiteral("For updates and to make donations please "
                                                "visit the Quillet project website:"));
    webAddressLink_ =
        makeLabel<ClickableLabel>(names::webAddressLink, QString::fromLatin1(kProjectWebAddress));
    QFont webFont(QStringLiteral("Arial Black"));
    webFont.setWeight(QFont::Black);
    webAddressLink_->setFont(webFont);
    webAddressLink_->setCursor(Qt::PointingHandCursor);
    QPalette linkColours = webAddressLink_->palette();
    linkColours.setColor(QPalette::WindowText, QColor(0, 0, 192));
    webAddressLink_->setPalette(linkColours);
    clickHint_ = makeLabel("clickHint", QStringLiteral(" (click letters above to visit now)"));
    trademarkNote_ = makeLabel(
        "trademarkNote",
        QStringLiteral("Microsoft and Outlook are registered trademarks of Microsoft "
                       "Corporation. Quillet is not affiliated with or endorsed by Microsoft "
                       "Corporation."));
    creditsHeading_ = makeLabel("creditsHeading", QStringLiteral("Credits:"));
    creditsNote_ =
        makeLabel("creditsNote", QStringLiteral("Thanks to the Quillet project's artists, who "
                                                "drew the program's icons and pictures."));
    thanksNote_ =
        makeLabel("thanksNote", QStringLiteral("Thank you for using and supporting the Quillet "
                                               "project! Without you, this wouldn't exist."));
    closeHelpButton_ = new QPushButton(QStringLiteral("Close"));
    closeHelpButton_->setObjectName(QString::fromLatin1(names::closeHelpButton));

    // One column that scrolls: the Help view is taller than many screens.
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(introText_);
    column->addWidget(helpTitle_);
    for (QLabel* step : importSteps_) {
        column->addWidget(step);
    }
    column->addWidget(afterImportText_);
    column->addWidget(todayTitle_);
    column->addWidget(todayText_);
    column->addWidget(copyrightLine_);
    auto* ownerRow = new QHBoxLayout;
    ownerRow->addWidget(ownerPicture_, 0, Qt::AlignTop);
    ownerRow->addWidget(ownerNote_, 1);
    column->addLayout(ownerRow);
    column->addWidget(contactNote_);
    column->addWidget(contactPicture_);
    column->addSpacing(12);
    for (QLabel* label : {updatesNote_, static_cast<QLabel*>(webAddressLink_), clickHint_,
                          trademarkNote_, creditsHeading_, creditsNote_, thanksNote_}) {
        column->addWidget(label);
    }
    column->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeHelpButton_);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(scroll);
    outer->addLayout(buttons);
    resize(kPreferredSize.boundedTo(screen()->availableGeometry().size()));

    connect(closeHelpButton_, &QPushButton::clicked, this, &HelpAboutWindow::closeClicked);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &HelpAboutWindow::closeClicked);
    connect(webAddressLink_, &ClickableLabel::clicked, this, &HelpAboutWindow::webAddressClicked);
    showView(View::Help);
}

void HelpAboutWindow::placeOverOwner() {
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const QRect available = (owner != nullptr ? owner->screen() : screen())->availableGeometry();
    // The window manager frames this window as it framed the owner; without one both are 0.
    const QSize frame = owner != nullptr && owner->isVisible()
                            ? owner->frameGeometry().size() - owner->geometry().size()
                            : QSize();
    // Frame and all within the screen's free area: the page scrolls instead.
    resize(kPreferredSize.boundedTo(available.size() - frame));
    QRect placed(QPoint(), size() + frame);
    placed.moveCenter(owner != nullptr && owner->isVisible() ? owner->frameGeometry().center()
                                                             : available.center());
    placed.moveLeft(std::max(available.left(),
                             std::min(placed.left(), available.right() - placed.width() + 1)));
    placed.moveTop(std::max(available.top(),
                            std::min(placed.top(), available.bottom() - placed.height() + 1)));
    move(placed.topLeft());
}

void HelpAboutWindow::showHelpView() {
    setEnabled(true);
    placeOverOwner();
    show();
    raise();
    activateWindow();
    showView(View::Help);
}

void HelpAboutWindow::showAboutView() {
    setEnabled(true);
    placeOverOwner();
    show();
    raise();
    activateWindow();
    showView(View::About);
}

void HelpAboutWindow::showView(View view) {
    const bool help = view == View::Help;
    for (QLabel* label :
         QList<QLabel*>{introText_, helpTitle_, afterImportText_, todayTitle_, todayText_} +
             importSteps_) {
        label->setVisible(help);
    }
    for (QLabel* item :
         {copyrightLine_, ownerNote_, contactNote_, ownerPicture_, contactPicture_}) {
        item->setVisible(!help);
    }
    setWindowTitle(help ? kHelpCaption : kAboutCaption);
}

void HelpAboutWindow::closeClicked() {
    setEnabled(false);
    hide();
}

void HelpAboutWindow::webAddressClicked() {
    openUrl_(QUrl(QString::fromLatin1(kProjectWebAddress)));
}

} // namespace quillet::info
