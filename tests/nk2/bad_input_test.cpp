#include "browse_window.h"
#include "nk2/browse.h"
#include "nk2_generator.h"

#include <QApplication>
#include <QDir>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>
#include <vector>

using quillet::test::BrowseWindow;

namespace {

namespace fs = std::filesystem;
namespace gen = quillet::testdata;

std::string randomBytes(std::size_t size, std::uint64_t seed) {
    std::string bytes(size, '\0');
    std::mt19937_64 random(seed);
    for (std::size_t i = 0; i + sizeof(std::uint64_t) <= size; i += sizeof(std::uint64_t)) {
        const std::uint64_t word = random();
        std::memcpy(bytes.data() + i, &word, sizeof word);
    }
    return bytes;
}

// What a load must leave as it was: the file's bytes and its modification time.
struct Snapshot {
    explicit Snapshot(const QString& path) : path_(path.toStdString()) {
        if (fs::is_regular_file(path_)) {
            std::ifstream in(path_, std::ios::binary);
            bytes = std::string(std::istreambuf_iterator<char>(in), {});
        }
        modified = fs::last_write_time(path_);
    }
    bool operator==(const Snapshot&) const = default;

    std::string path_;
    std::string bytes;
    fs::file_time_type modified;
};

using BadInput = BrowseWindow;

TEST_F(BadInput, NoFileCrashesTheWindowOrIsChanged) {
    const QString folder = files.filePath(QStringLiteral("folder.nk2"));
    QDir().mkpath(folder);
    QStringList paths = {
        writeFile(QStringLiteral("empty.nk2"), std::string()),
        writeFile(QStringLiteral("one.nk2"), "S"),
        writeFile(QStringLiteral("49.nk2"),
                  std::string("xSMTP:a@b\x02 cn=Recipients/cn=") + std::string(20, '\xA4')),
        writeFile(QStringLiteral("random.nk2"), randomBytes(64u << 20, 64)),
        folder,
        writeFile(QStringLiteral("hostile1.nk2"), gen::hostileRandomFile(64 * 1024, 1)),
        writeFile(QStringLiteral("hostile2.nk2"), gen::hostileRandomFile(4099, 2)),
        writeFile(QStringLiteral("unterminated.nk2"),
                  gen::fileWithoutTerminators(gen::sampleEntries())),
        writeFile(QStringLiteral("nul-and-tab.nk2"), gen::nk2File(gen::entriesWithNulAndTab())),
    };
    if (geteuid() != 0) {
        paths << writeFile(QStringLiteral("unreadable.nk2"), "SMTP:a@b\x02");
        QFile::setPermissions(paths.last(), QFileDevice::WriteOwner);
    }

    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const Snapshot before(path);
        const int rowsBefore = rows();
        browse(path);

        EXPECT_EQ(Snapshot(path), before);
        const QString last = child<StatusBanner>(form, names::statusBanner)->text();
        if (path == folder || path.endsWith(QStringLiteral("unreadable.nk2"))) {
            EXPECT_TRUE(last.startsWith(QStringLiteral("Could not open ") + path + u':'))
                << last.toStdString();
            EXPECT_EQ(rows(), rowsBefore);
        } else if (rows() == rowsBefore) {
            EXPECT_TRUE(last ==
                            QStringLiteral("No e-mail addresses were found in ") + path + u'.' ||
                        last == QStringLiteral("No e-mail addresses were found in ") + path +
                                    QStringLiteral(": it is not an NK2 file."))
                << last.toStdString();
        } else {
            // The structure may hold what the scan got otherwise (a name's tab moves the scan's
            // cells, while the structure reads it as a blank), or stop at damage.
            EXPECT_TRUE(last.contains(QStringLiteral("Displaying List: ")) ||
                        last.contains(QStringLiteral("(Ctrl+R) gives ")) ||
                        last.contains(QStringLiteral("The file is damaged.")))
                << last.toStdString();
        }
        EXPECT_EQ(child<QLabel>(form, names::entryCount)->text(), QString::number(rows()));
        EXPECT_TRUE(buttonsEnabled());
        EXPECT_FALSE(child<quillet::nk2::Browse>(form, names::browse)->running());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

} // namespace
