#include "info/form3.h"

#include "core/banner.h"
#include "info/clickable_label.h"
#include "info/owner_pictures.h"
#include "info/project_site.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quillet::info {
namespace {

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

} // namespace

Form3::Form3(QWidget* parent)
    : QWidget(parent, Qt::Window),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(kHelpCaption);

    Label1 = makeLabel(
        "Label1",
        QStringLiteral(
            "Quillet is designed to export your Outlook autocomple cache (NK2) file to a comma "
            "-or- tab separated value (CSV or TXT) file. After exporting your csv (or txt), you "
            "may then import the file into Outlook contacts or any other program that accepts "
            "the separated value format."));
    Label2 = makeLabel("Label2", QStringLiteral("How to export your NK2 file to CSV and then "
                                                "import into Microsoft Outlook 2003"));
    QFont titleFont = Label2->font();
    titleFont.setBold(true);
    Label2->setFont(titleFont);
    Label18 = makeLabel("Label18", QStringLiteral("1. Use the check boxes to determine which "
                                                  "types of Addresses and optional Names to "
                                                  "import."));
    Label3 = makeLabel(
        "Label3",
        QStringLiteral(
            "2. Click the BROWSE button to locate and open your NK2 file. If it is auto "
            "detected, the folder will be displayed. Simply choose a NK2 file at this point.The "
            "NK2 file is typically found under C:\\Documents and Settings\\PROFILENAME\\"
            "Application Data\\Microsoft\\Outlook\\Outlook.NK2 where 'profilename' is (usually) "
            "your username or username.domain name."));
    Label4 = makeLabel(
        "Label4",
        QStringLiteral("3. The e-mail address and name list populates, now Add/Remove addresses "
                       "and press Export. By default your CSV file is saved at the My Documents "
                       "folder with the name 'quillet.csv'"));
    Label5 = makeLabel(
        "Label5",
        QStringLiteral("4. Open Outlook and click the CONTACTS button. Next go to FILE -> IMPORT "
                       "AND EXPORT -> IMPORT FROM ANOTHER PROGRAM OR FILE. click next"));
    Label6 = makeLabel("Label6",
                       QStringLiteral("5. Choose COMMA SEPARATED VALUES (WINDOWS), click next."));
    Label7 = makeLabel("Label7", QStringLiteral("6. Hit the Browse button and locate quillet.csv "
                                                "(try looking in My Documents) then Press NEXT"));
    Label8 = makeLabel("Label8", QStringLiteral("7. Accept the default file save location "
                                                "(Contacts). Press NEXT"));
    Label9 = makeLabel("Label9", QStringLiteral("8. Press finish"));
    Label10 = makeLabel(
        "Label10",
        QStringLiteral("Now all of your contacts should be imported into Outlook. Next time you "
                       "send an e-mail, remember that you can type part of the e-mail address "
                       "and then press CTRL + K to autocomplete the rest. This will now check "
                       "against the names you just imported!"));

    Label19 = makeLabel("Label19",
                        QString::fromLatin1(core::kProductLine.data(), core::kProductLine.size()) +
                            QStringLiteral(", \u00A9 the Quillet project."));
    Label20 = makeLabel(
        "Label20",
        QStringLiteral("It is my sincere hope that you've found this utility of some value. It's "
                       "als my intention that Quillet be very easy to use. This is my small "
                       "contribution to the community. Thank you for supporting Quillet!"));
    Label21 = makeLabel("Label21", QStringLiteral("Please send your questions, comments, and "
                                                  "concerns to my e-mail address below. I would "
                                                  "like to hear from you!"));
    owner_pic = makePicture("owner_pic", ownerPicture());
    owner_email = makePicture("owner_email", emailPicture(QString::fromLatin1(kContactEmail)));

    Label11 = makeLabel("Label11", QStringLiteral("For updates and to make donations please "
                                                  "visit the Quillet project website:"));
    Label13 = makeLabel<ClickableLabel>("Label13", QString::fromLatin1(kProjectWebAddress));
    QFont webFont(QStringLiteral("Arial Black"));
    webFont.setWeight(QFont::Black);
    Label13->setFont(webFont);
    Label13->setCursor(Qt::PointingHandCursor);
    QPalette linkColours = Label13->palette();
    linkColours.setColor(QPalette::WindowText, QColor(0, 0, 192));
    Label13->setPalette(linkColours);
    Label14 = makeLabel("Label14", QStringLiteral(" (click letters above to visit now)"));
    Label12 = makeLabel(
        "Label12",
        QStringLiteral("Microsoft and Outlook are registered trademarks of Microsoft "
                       "Corporation. Quillet is not affiliated with or endorsed by Microsoft "
                       "Corporation."));
    Label16 = makeLabel("Label16", QStringLiteral("Credits:"));
    Label15 = makeLabel("Label15", QStringLiteral("Thanks to the Quillet project's artists, who "
                                                  "drew the program's icons and pictures."));
    Label17 = makeLabel("Label17", QStringLiteral("Thank you for using and supporting the Quillet "
                                                  "project! Without you, this wouldn't exist."));
    Command2 = new QPushButton(QStringLiteral("Close"));
    Command2->setObjectName(QStringLiteral("Command2"));

    // One column that scrolls: the Help view is taller than many screens.
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    for (QLabel* label : {Label1, Label2, Label18, Label3, Label4, Label5, Label6, Label7, Label8,
                          Label9, Label10, Label19}) {
        column->addWidget(label);
    }
    auto* ownerRow = new QHBoxLayout;
    ownerRow->addWidget(owner_pic, 0, Qt::AlignTop);
    ownerRow->addWidget(Label20, 1);
    column->addLayout(ownerRow);
    column->addWidget(Label21);
    column->addWidget(owner_email);
    column->addSpacing(12);
    for (QLabel* label :
         {Label11, static_cast<QLabel*>(Label13), Label14, Label12, Label16, Label15, Label17}) {
        column->addWidget(label);
    }
    column->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(scroll);
    outer->addLayout(buttons);
    resize(560, 640);

    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Label13, &ClickableLabel::clicked, this, &Form3::Label13_Click);
    showView(View::Help);
}

void Form3::showHelpView() {
    setEnabled(true);
    show();
    raise();
    showView(View::Help);
}

void Form3::showAboutView() {
    setEnabled(true);
    show();
    raise();
    showView(View::About);
}

void Form3::showView(View view) {
    const bool help = view == View::Help;
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9,
                          Label10, Label18}) {
        label->setVisible(help);
    }
    for (QLabel* item : {Label19, Label20, Label21, owner_pic, owner_email}) {
        item->setVisible(!help);
    }
    setWindowTitle(help ? kHelpCaption : kAboutCaption);
}

void Form3::Command2_Click() {
    setEnabled(false);
    hide();
}

void Form3::Label13_Click() {
    openUrl_(QUrl(QString::fromLatin1(kProjectWebAddress)));
}

} // namespace quillet::info
