#include "app/wheel_filter.h"
#include "desktop_window.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "support/grid_cells.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QWheelEvent>

// What a person meets on a small screen, at the keyboard and with non-Latin names.
namespace {

using quillet::platform::FileDialog;
using quillet::platform::MessageBox;
using quillet::test::cellText;

const QString kSample = QStringLiteral(QUILLET_EXAMPLES_DIR "/sample.nk2");

class DesktopEveryday : public DesktopWindow {
protected:
    DesktopEveryday() { EXPECT_TRUE(QTest::qWaitForWindowActive(&form)); }

    AddressGrid& grid() { return *child<AddressGrid>(form, names::addressGrid); }
    QScrollArea& scroller() { return *child<QScrollArea>(form, "clientScroller"); }
    QScrollBar& windowBar() { return *scroller().verticalScrollBar(); }

    void browseSample() {
        FileDialog::setNextFileName(kSample);
        child<QPushButton>(form, names::browseButton)->click();
        ASSERT_GT(grid().rows(), 5);
    }

    // Types the path and presses Export Now!, answering its question with Yes.
    void exportTo(const QString& path) {
        child<QLineEdit>(form, names::exportPathEdit)->setText(path);
        MessageBox::setNextAnswer(MessageBox::Answer::Yes);
        child<QPushButton>(form, names::exportButton)->click();
    }

    // One wheel notch toward the user over target, as the window system delivers it.
    static void wheelOver(QWidget* target) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(target, &event);
    }

    QString bannerText() { return child<StatusBanner>(form, names::statusBanner)->text(); }

    QTemporaryDir out;
};

TEST_F(DesktopEveryday, TheExportsResultStaysInSightAtTheBottomOfAScrolledWindow) {
    browseSample();
    if (windowBar().maximum() == 0) {
        GTEST_SKIP() << "the whole window fits this screen";
    }
    scroller().ensureWidgetVisible(child<QPushButton>(form, names::exportButton));
    ASSERT_GT(windowBar().value(), 0);
    exportTo(out.filePath(QStringLiteral("contacts.csv")));
    EXPECT_TRUE(bannerText().contains(QStringLiteral("File successfully written")));

    // The banner is the topmost thing at the top of what the window shows.
    QWidget* viewport = scroller().viewport();
    auto* banner = child<StatusBanner>(form, names::statusBanner);
    EXPECT_EQ(banner->mapTo(viewport, QPoint(0, 0)).y(), 0);
    EXPECT_EQ(viewport->childAt(viewport->width() / 2, 1), banner);

    windowBar().setValue(0); // back at the top it sits in its own place
    EXPECT_EQ(banner->y(), 0);
}

TEST_F(DesktopEveryday, TheWheelScrollsTheWindowOverItsBackgroundAndTheGridOverTheGrid) {
    browseSample();
    if (windowBar().maximum() == 0) {
        GTEST_SKIP() << "the whole window fits this screen";
    }
    new quillet::app::WheelFilter(form, grid(), *child<QComboBox>(form, names::fileTypeBox));
    struct Case {
        const char* focus;
        const char* over; // nullptr: the scroller's margin past the client
        bool windowMoves;
        int gridTopRow;
    };
    const Case cases[] = {
        {names::addressGrid, "client", true, 0},
        {names::addressGrid, nullptr, true, 0},
        {names::addressGrid, "windowBar", true, 0},
        {names::addressGrid, names::addressGrid, false, 1},
        {names::searchEdit, "client", true, 0},
        {names::searchEdit, "entriesReadLabel", true, 0},
        {names::searchEdit, names::addressGrid, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.focus) + " over " + (c.over ? c.over : "margin"));
        windowBar().setValue(0);
        grid().setWheelTopRow(0);
        grid().setTopRow(0);
        child<QWidget>(form, c.focus)->setFocus();
        QWidget* target = c.over == nullptr                    ? scroller().viewport()
                          : std::string(c.over) == "windowBar" ? static_cast<QWidget*>(&windowBar())
                                                               : child<QWidget>(form, c.over);
        wheelOver(target == &grid() ? grid().viewport() : target);
        EXPECT_EQ(windowBar().value() > 0, c.windowMoves);
        EXPECT_EQ(grid().wheelTopRow(), c.gridTopRow);
    }
}

TEST_F(DesktopEveryday, UtfEightKeepsNonLatinNamesAndTheQuestionMarkMessageSaysHow) {
    struct Case {
        bool utf8;
        QByteArray start; // of the new file
        bool hint;
    };
    const Case cases[] = {
        {false, QByteArray("\"Title\""), true},
        {true, QByteArray("\xEF\xBB\xBF\"Title\""), false},
    };
    quillet::test::appendRowText(grid(), QStringLiteral("1\t\u0416\u0430\u043D\u043D\u0430 "
                                                        "\u674E\tzh@example.org\tSMTP"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        child<QCheckBox>(form, names::utf8Box)->setChecked(c.utf8);
        const QString path =
            out.filePath(c.utf8 ? QStringLiteral("u.csv") : QStringLiteral("w.csv"));
        exportTo(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(c.start)) << bytes.left(20).toHex().toStdString();
        EXPECT_EQ(bytes.contains(QStringLiteral("\u0416\u0430\u043D\u043D\u0430 \u674E").toUtf8()),
                  c.utf8);
        EXPECT_EQ(bannerText().contains(QStringLiteral("tick UTF-8 or export as VCF")), c.hint)
            << bannerText().toStdString();
    }
}

TEST_F(DesktopEveryday, TheSaveDialogOffersTheChosenTypeInTheCurrentPathsFolder) {
    struct Case {
        const char* type;
        const char* pattern;
    };
    const Case cases[] = {{"CSV", "(*.csv)"}, {"TAB", "(*.txt)"}, {"VCF", "(*.vcf)"}};
    auto* path = child<QLineEdit>(form, names::exportPathEdit);
    auto* choose = child<QPushButton>(form, names::chooseExportFileButton);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        child<QComboBox>(form, names::fileTypeBox)->setEditText(QString::fromLatin1(c.type));
        path->setText(out.filePath(QStringLiteral("old name.csv")));
        const QString chosen =
            out.filePath(QStringLiteral("picked ") + QString::fromLatin1(c.type));
        FileDialog::setNextFileName(chosen);
        choose->click();
        EXPECT_EQ(path->text(), chosen);
        EXPECT_EQ(FileDialog::lastRequest().folder, out.path());
        EXPECT_TRUE(FileDialog::lastRequest().filter.contains(QString::fromLatin1(c.pattern)));
        EXPECT_TRUE(FileDialog::lastRequest().filter.endsWith(QStringLiteral("All files (*)")));
    }
    FileDialog::setNextFileName(QString()); // cancelled: the path stays
    choose->click();
    EXPECT_EQ(path->text(), out.filePath(QStringLiteral("picked VCF")));
}

TEST_F(DesktopEveryday, TabLeavesTheGridAndArrowsWalkItsCells) {
    browseSample();
    grid().setFocus();
    grid().setCurrentCell({0, 1});
    QTest::keyClick(&grid(), Qt::Key_Right);
    QTest::keyClick(&grid(), Qt::Key_Down);
    EXPECT_EQ(grid().currentCell(), (quillet::widgets::GridCell{1, 2}));
    QTest::keyClick(&grid(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), &grid());

    // The export row in reading order: the path, its dialog button, then Export Now!.
    child<QLineEdit>(form, names::exportPathEdit)->setFocus();
    for (const char* next : {names::chooseExportFileButton, names::exportButton}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(form, next)) << next;
    }
}

TEST_F(DesktopEveryday, TheGridsKeysAndDoubleClickRemoveAndEdit) {
    browseSample();
    auto* edit = [this] {
        child<QPushButton>(form, names::editButton)->click(); // created on first use
        auto* dialog = child<QDialog>(form, names::editEntryDialog);
        dialog->reject();
        return dialog;
    }();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2}) {
        SCOPED_TRACE(key);
        grid().setFocus();
        grid().setCurrentCell({2, 1});
        QTest::keyClick(&grid(), key);
        EXPECT_TRUE(edit->isVisible());
        EXPECT_EQ(child<QLineEdit>(*edit, names::entryEdit)->text(), cellText(grid(), 2, 1));
        edit->reject();
    }
    // A double-click comes after the first click, as the window system sends it.
    const QPoint cell = quillet::test::cellRect(grid(), 3, 2).center();
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(child<QLineEdit>(*edit, names::entryEdit)->text(), cellText(grid(), 3, 2));
    edit->reject();

    const int rows = grid().rows();
    const QString removed = cellText(grid(), 1, 0);
    grid().setFocus();
    grid().setCurrentCell({1, 1});
    QTest::keyClick(&grid(), Qt::Key_Delete);
    ASSERT_EQ(grid().rows(), rows - 1);
    EXPECT_NE(cellText(grid(), 1, 0), removed);
}

TEST_F(DesktopEveryday, AltAndALetterPressTheListButtonsAndExportNow) {
    struct Case {
        Qt::Key key;
        const char* button;
    };
    const Case cases[] = {{Qt::Key_A, names::addButton},    {Qt::Key_D, names::editButton},
                          {Qt::Key_R, names::removeButton}, {Qt::Key_C, names::clearButton},
                          {Qt::Key_N, names::exportButton}, {Qt::Key_U, names::utf8Box}};
    grid().setFocus();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        auto* button = child<QAbstractButton>(form, c.button);
        QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr); // count only
        int clicks = 0;
        QObject::connect(button, &QAbstractButton::clicked, [&clicks] { ++clicks; });
        QTest::keyClick(QApplication::focusWidget(), c.key, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&clicks] { return clicks == 1; }, 1000));
        grid().setFocus();
    }
}

TEST_F(DesktopWindow, SixDigitRowNumbersAndAccentedCapitalsFitTheirCells) {
    auto& grid = *child<AddressGrid>(form, names::addressGrid);
    grid.resetList(); // as start-up does
    quillet::test::appendRowText(grid,
                                 QStringLiteral("999999\t\u00DCBER \u00C9COLE\tx@y.org\tSMTP"));
    const QFontMetrics metrics = grid.fontMetrics();
    // The text room the grid's style leaves in the cell, as its painter elides against it.
    QStyleOptionViewItem option;
    option.initFrom(&grid);
    option.rect = quillet::test::cellRect(grid, 0, 0).adjusted(0, 0, -1, -1); // less the lines
    option.text = QStringLiteral("999999");
    option.features |= QStyleOptionViewItem::HasDisplay;
    const QRect text = grid.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &grid);
    const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
    EXPECT_LE(metrics.horizontalAdvance(option.text), text.width() - 2 * margin);
    EXPECT_GE(option.rect.height(), metrics.height());
    // The row is still one grid width: no sideways scroll bar.
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
}

TEST_F(DesktopWindow, HelpAndAboutOpenCentredOverTheWindow) {
    for (const char* item : {names::helpAction, names::aboutAction}) {
        SCOPED_TRACE(item);
        child<QAction>(form, item)->trigger();
        auto* help = child<QWidget>(form, names::helpAboutWindow);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        const QRect available = help->screen()->availableGeometry();
        EXPECT_TRUE(available.contains(help->frameGeometry()));
        const QPoint offCentre = help->frameGeometry().center() - form.frameGeometry().center();
        // Centred, unless that would put it past the screen's edge.
        if (available.contains(help->frameGeometry().translated(-offCentre))) {
            EXPECT_LE(offCentre.manhattanLength(), 2);
        }
        help->hide();
    }
}

TEST_F(DesktopWindow, TheAddAndEditBoxesAreNamedForScreenReaders) {
    child<QPushButton>(form, names::addButton)->click();
    auto* add = child<QDialog>(form, names::addEntryDialog);
    quillet::test::appendRowText(*child<AddressGrid>(form, names::addressGrid),
                                 QStringLiteral("1\tAna\tana@example.org\tSMTP"));
    child<QPushButton>(form, names::editButton)->click();
    auto* edit = child<QDialog>(form, names::editEntryDialog);
    const std::pair<QLineEdit*, const char*> named[] = {
        {child<QLineEdit>(*add, names::newNameEdit), "Name"},
        {child<QLineEdit>(*add, names::newAddressEdit), "E-mail Address"},
        {child<QLineEdit>(*edit, names::entryEdit), "Edit Entry"},
    };
    for (const auto& [box, name] : named) {
        EXPECT_EQ(box->accessibleName(), QString::fromLatin1(name));
    }
    add->reject();
    edit->reject();
}

} // namespace
