#include "app/command_line.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <vector>

using quillet::app::parseWindowCommandLine;
using quillet::app::WindowCommandLine;

namespace {

WindowCommandLine parse(std::vector<const char*> arguments) {
    return parseWindowCommandLine(arguments);
}

TEST(WindowCommandLine, TakesOneFileAndTheTwoQuestions) {
    EXPECT_EQ(parse({}).request, WindowCommandLine::Request::Window);
    EXPECT_EQ(parse({}).file, "");
    const WindowCommandLine withFile = parse({"x/\xff.nk2"});
    EXPECT_EQ(withFile.request, WindowCommandLine::Request::Window);
    EXPECT_EQ(withFile.file, "x/\xff.nk2"); // the name's bytes as given
    EXPECT_EQ(parse({"--", "--help"}).file, "--help");
    EXPECT_EQ(parse({"a.nk2", "--version"}).request, WindowCommandLine::Request::Version);
    EXPECT_EQ(parse({"-h"}).request, WindowCommandLine::Request::Help);
    EXPECT_EQ(parse({"--nope"}).request, WindowCommandLine::Request::BadUsage);
    EXPECT_EQ(parse({"a.nk2", "b.nk2"}).request, WindowCommandLine::Request::BadUsage);
}

// The programs as a user starts them: no window is needed to answer.
TEST(WindowCommandLine, VersionMatchesTheConverterAndHelpShowsTheUsage) {
    const auto run = [](const QString& program, const QStringList& arguments) {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return std::pair{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
    };
    const auto [versionStatus, version] = run(QStringLiteral(QUILLET_BIN), {"--version"});
    EXPECT_EQ(versionStatus, 0);
    EXPECT_EQ(version, QStringLiteral("quillet " QUILLET_VERSION "\n"));
    const auto [converterStatus, converterVersion] =
        run(QStringLiteral(QUILLET_CONVERT), {"--version"});
    EXPECT_EQ(converterStatus, 0);
    EXPECT_EQ(converterVersion.section(u' ', 1), version.section(u' ', 1));

    const auto [helpStatus, help] = run(QStringLiteral(QUILLET_BIN), {"--help"});
    EXPECT_EQ(helpStatus, 0);
    EXPECT_TRUE(help.startsWith(QStringLiteral("usage: quillet [FILE]\n")));
    EXPECT_EQ(run(QStringLiteral(QUILLET_BIN), {"--bogus"}).first, 2);
}

TEST(WindowCommandLine, FailsWhenTheAnswerCannotBeWritten) {
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(QUILLET_BIN), {"--version"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 4);
}

} // namespace
