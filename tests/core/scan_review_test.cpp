#include "core/headless_host.h"
#include "core/nk2_load.h"
#include "core/scan_review.h"
#include "core/structure_load.h"
#include "nk2_generator.h"

#include <gtest/gtest.h>
#include <string>

using namespace quillet::core;
namespace gen = quillet::testdata;

namespace {

// The note after a scan of the file, the grid holding only what the scan gave.
std::string noteAfterScan(const std::string& file) {
    HeadlessHost scanned;
    loadNk2(file, LoadOptions{}, scanned);
    return reviewNote(reviewScan(file, LoadOptions{}, scanned.rows()), "Ctrl+R");
}

} // namespace

TEST(ScanReview, SaysWhatTheScanGotWrongAndWhereTheFileIsDamaged) {
    const std::string outlook = gen::outlookFile(gen::outlookEntries(10, 4), 4);
    std::string damaged = gen::nk2File(gen::sampleEntries());
    damaged.resize(1000);
    const struct {
        const char* what;
        std::string file;
        std::string note;
    } cases[] = {
        // Outlook's layout: the scan takes capitals from the search key and finds no name.
        {"outlook", outlook,
         "File, Read Every Entry... (Ctrl+R) gives 5 names, 10 addresses in their own letter "
         "case."},
        {"damaged", damaged,
         "The file is damaged. Read 2 of 12 entries; stopped at byte 978: a value's size runs "
         "past the end of the file. File, Read Every Entry... (Ctrl+R) gives 2 addresses in their "
         "own letter case."},
        {"no layout", "junk SMTP:a@b.example\x02", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(noteAfterScan(c.file), c.note) << c.what;
    }
    // Rows as the structure gives them leave nothing to say.
    HeadlessHost read;
    loadNk2Structure(outlook, LoadOptions{}, read);
    EXPECT_EQ(reviewNote(reviewScan(outlook, LoadOptions{}, read.rows()), "Ctrl+R"), "");
    EXPECT_FALSE(reviewScan("junk", LoadOptions{}, {}).nk2);
}
