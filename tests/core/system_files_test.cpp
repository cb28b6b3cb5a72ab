#include "core/append_writer.h"
#include "core/file_bytes.h"
#include "support/file_faults.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <new>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

// What reading and appending promise on every system, through the program's UTF-8 names.
namespace {

namespace fs = std::filesystem;
using quillet::core::AppendInParts;
using quillet::core::AppendRequest;
using quillet::core::appendToFile;
using quillet::core::readFileBytes;
using quillet::test::contentOf;
using quillet::test::failingAfter;

fs::path pathOf(const std::string& utf8) {
    return {std::u8string(utf8.begin(), utf8.end())};
}

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

class SystemFiles : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / pathOf(std::string("quillet-Café-☃-") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(dir_, ec)) {
            fs::permissions(entry.path(), fs::perms::owner_all, ec);
        }
        fs::remove_all(dir_, ec);
    }
    std::string file(const std::string& name, const std::string& bytes) const {
        const fs::path path = dir_ / pathOf(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return utf8Of(path);
    }
    std::string name(const std::string& utf8) const { return utf8Of(dir_ / pathOf(utf8)); }

    fs::path dir_;
};

} // namespace

TEST_F(SystemFiles, ReadsAUnicodeNamedFileByteForByte) {
    const std::string bytes = std::string("\x0D\xF0\xAD\xBA\0\r\n\x1A\xFF", 9) + "\r\r\n";
    const std::string path = file("Ünïcødé 名前.nk2", bytes);
    const auto read = readFileBytes(path);
    ASSERT_TRUE(read.ok) << read.reason;
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_NE(read.identity, quillet::core::FileIdentity{});
}

TEST_F(SystemFiles, UnreadableInputsGiveTheSameReasonEverywhere) {
#ifdef _WIN32
    const std::string device = "NUL";
#else
    const std::string device = "/dev/null";
#endif
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {name("missing.nk2"), "No such file or directory"},
        {name("no folder/missing.nk2"), "No such file or directory"},
        {utf8Of(dir_), "Is a directory"},
        {device, "Not a regular file"},
    };
    for (const auto& c : cases) {
        const auto read = readFileBytes(c.path);
        EXPECT_FALSE(read.ok) << c.path;
        EXPECT_EQ(read.reason, c.reason) << c.path;
    }
}

TEST_F(SystemFiles, AppendsToAUnicodeNamedFileWithTheHeaderOnce) {
    const std::string path = name("Kontakte ☃.csv");
    EXPECT_EQ(appendToFile(path, AppendRequest{"H\r\n", "a\r\n"}), std::nullopt);
    EXPECT_EQ(appendToFile(path, AppendRequest{"H\r\n", "b\r\n"}), std::nullopt);
    EXPECT_EQ(contentOf(pathOf(path)), "H\r\na\r\nb\r\n");
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SystemFiles, FailedExportsLeaveEverythingAsItWas) {
    // A read-only file (skipped on POSIX systems where this user may write it anyway: root).
    const std::string readOnly = file("read-only.csv", "old\r\n");
    fs::permissions(pathOf(readOnly),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
#ifdef _WIN32
    const bool enforced = true; // the read-only attribute holds for every user
#else
    const bool enforced = !std::ofstream(pathOf(readOnly), std::ios::app).is_open();
#endif
    if (enforced) {
        EXPECT_NE(appendToFile(readOnly, AppendRequest{"H\r\n", "new\r\n"}), std::nullopt);
        EXPECT_EQ(contentOf(pathOf(readOnly)), "old\r\n");
    }
    // A missing folder and a folder as target.
    EXPECT_EQ(appendToFile(name("no folder/x.csv"), "x"), "No such file or directory");
    EXPECT_EQ(appendToFile(utf8Of(dir_), "x"), "Is a directory");
    EXPECT_FALSE(fs::exists(dir_ / "no folder"));
}

TEST_F(SystemFiles, AWriteFailingPartWayLeavesTheFileAsItWas) {
    const std::string path = file("full.csv", "old\r\n");
    const std::string fresh = name("fresh.csv");
    for (const std::size_t limit : {std::size_t{0}, std::size_t{3}, std::size_t{7}}) {
        EXPECT_EQ(
            appendToFile(path, AppendRequest{"H\r\n", "new records\r\n"}, failingAfter(limit)),
            "No space left on device");
        EXPECT_EQ(contentOf(pathOf(path)), "old\r\n") << limit;
        EXPECT_NE(appendToFile(fresh, AppendRequest{"H\r\n", "rows\r\n"}, failingAfter(limit)),
                  std::nullopt);
        EXPECT_FALSE(fs::exists(pathOf(fresh))) << limit;
    }
    // Nothing else is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SystemFiles, TheInputIsRefusedThroughAnotherName) {
    const std::string input = file("cache.nk2", "nk2 bytes");
    const auto read = readFileBytes(input);
    ASSERT_TRUE(read.ok);
    const std::string link = name("link.csv");
    fs::create_hard_link(pathOf(input), pathOf(link));
    const std::vector inputs{read.identity};
    for (const std::string& target : {input, link}) {
        EXPECT_EQ(appendToFile(target, AppendRequest{"H", "rows", inputs}),
                  std::string(quillet::core::kTargetIsInput));
    }
    EXPECT_EQ(contentOf(pathOf(input)), "nk2 bytes");
}

TEST_F(SystemFiles, AKilledExportsTemporaryFileGoesWithTheNext) {
    const std::string path = file("out.csv", "old\r\n");
    const fs::path leftover = dir_ / ".out.csv.quillet-a1b2c3";
    std::ofstream(leftover, std::ios::binary) << "old\r\ntorn";
    EXPECT_EQ(appendToFile(path, "new\r\n"), std::nullopt);
    EXPECT_EQ(contentOf(pathOf(path)), "old\r\nnew\r\n");
    EXPECT_FALSE(fs::exists(leftover));
}

TEST_F(SystemFiles, ConcurrentExportsFollowOneAnother) {
    const std::string path = name("shared.csv");
    const std::string records = std::string(5000, 'r') + "\r\n";
    std::vector<std::thread> writers;
    for (int i = 0; i < 4; ++i) {
        writers.emplace_back([&] {
            for (int j = 0; j < 10; ++j) {
                EXPECT_EQ(appendToFile(path, AppendRequest{"H\r\n", records}), std::nullopt);
            }
        });
    }
    for (auto& writer : writers) {
        writer.join();
    }
    std::string expected = "H\r\n";
    for (int i = 0; i < 40; ++i) {
        expected += records;
    }
    EXPECT_EQ(contentOf(pathOf(path)), expected);
}

// Records handed over in parts: each part follows the one before, the header still goes only into
// a new or empty file, and a write failing in a later part, or a part that cannot be made, leaves
// the file exactly as it was.
TEST_F(SystemFiles, RecordsInPartsArriveInOrderOrNotAtAll) {
    constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
    const std::vector<std::string> parts = {"a\r\n", "", "bb\r\n", "ccc\r\n"};
    const struct {
        const char* label;
        std::optional<std::string> before; // nothing: no file yet
        std::size_t writeLimit;            // bytes the disk takes before it is full
        std::optional<std::size_t> throwAt;
        std::optional<std::string> after; // nothing: no file
        bool written;
    } cases[] = {
        {"new", std::nullopt, kNoLimit, std::nullopt, "H\r\na\r\nbb\r\nccc\r\n", true},
        {"empty", "", kNoLimit, std::nullopt, "H\r\na\r\nbb\r\nccc\r\n", true},
        {"old", "old\r\n", kNoLimit, std::nullopt, "old\r\na\r\nbb\r\nccc\r\n", true},
        {"old, full in the last part", "old\r\n", 8, std::nullopt, "old\r\n", false},
        {"new, full in the last part", std::nullopt, 11, std::nullopt, std::nullopt, false},
        {"old, third part fails", "old\r\n", kNoLimit, 3, "old\r\n", false},
        {"new, second part fails", std::nullopt, kNoLimit, 1, std::nullopt, false},
    };
    for (const auto& c : cases) {
        const std::string path = name("parts.csv");
        fs::remove(pathOf(path));
        if (c.before) {
            file("parts.csv", *c.before);
        }
        std::vector<std::size_t> asked;
        const auto records = [&](std::size_t part) -> std::optional<std::string_view> {
            asked.push_back(part);
            if (c.throwAt == part) {
                throw std::bad_alloc();
            }
            return part < parts.size() ? std::optional<std::string_view>(parts[part])
                                       : std::nullopt;
        };
        const AppendInParts request{"H\r\n", records};
        if (c.throwAt) {
            EXPECT_THROW(appendToFile(path, request, failingAfter(c.writeLimit)), std::bad_alloc)
                << c.label;
        } else {
            EXPECT_EQ(appendToFile(path, request, failingAfter(c.writeLimit)) == std::nullopt,
                      c.written)
                << c.label;
        }
        // The writer may start over from the first part, never skip one.
        for (std::size_t i = 1; i < asked.size(); ++i) {
            EXPECT_TRUE(asked[i] == asked[i - 1] + 1 || asked[i] == 0) << c.label;
        }
        EXPECT_EQ(fs::exists(pathOf(path)), c.after.has_value()) << c.label;
        if (c.after) {
            EXPECT_EQ(contentOf(pathOf(path)), *c.after) << c.label;
        }
        // No temporary file is left behind.
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()),
                  c.after ? 1 : 0)
            << c.label;
    }
}

// An export whose parts add nothing leaves an existing file untouched, and creates an absent one
// empty, as one empty text does.
TEST_F(SystemFiles, PartsThatAddNothingLeaveTheFileAsItWas) {
    const auto none = [](std::size_t part) -> std::optional<std::string_view> {
        return part < 3 ? std::optional<std::string_view>("") : std::nullopt;
    };
    const std::string old = file("old.csv", "old\r\n");
    const auto modified = fs::last_write_time(pathOf(old));
    EXPECT_EQ(appendToFile(old, AppendInParts{"H\r\n", none}), std::nullopt);
    EXPECT_EQ(contentOf(pathOf(old)), "old\r\n");
    EXPECT_EQ(fs::last_write_time(pathOf(old)), modified);
    const std::string fresh = name("fresh.csv");
    EXPECT_EQ(appendToFile(fresh, AppendInParts{"", none}), std::nullopt);
    EXPECT_EQ(contentOf(pathOf(fresh)), "");
}
