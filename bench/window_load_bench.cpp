#include "app/main_window.h"
#include "core/headless_host.h"
#include "core/nk2_load.h"
#include "nk2_generator.h"
#include "platform/cooperative_wait.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "widgets/address_grid.h"
#include "widgets/object_names.h"
#include "widgets/status_banner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <stdexcept>

namespace {

namespace names = quillet::names;
using quillet::app::MainWindow;
using quillet::widgets::AddressGrid;
using quillet::widgets::StatusBanner;

// The window's part with that object name; a missing one ends the benchmark.
template <class T> T* child(const QObject& root, const char* name) {
    if (T* found = root.findChild<T*>(QString::fromLatin1(name))) {
        return found;
    }
    throw std::runtime_error(std::string("no ") + name);
}

// The two files measured: a realistic 1000-entry cache, and the ~5 MB one that reaches both
// 9000-step limits of the scans.
enum FileKind { Realistic1000 = 0, StepLimits = 1 };

std::string nk2Bytes(FileKind kind) {
    return kind == Realistic1000
               ? quillet::testdata::nk2File(quillet::testdata::realisticEntries(750, 250, 1000))
               : quillet::testdata::limitsFile();
}

// A profile whose application data holds Microsoft/Outlook/Outlook.NK2, so the search for the
// dialog's folder is part of the measure too.
class Profile {
public:
    explicit Profile(FileKind kind) {
        const QString outlook = root_.filePath(QStringLiteral("Microsoft/Outlook"));
        QDir().mkpath(outlook);
        nk2Path_ = outlook + QStringLiteral("/Outlook.NK2");
        const std::string bytes = nk2Bytes(kind);
        QFile file(nk2Path_);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
        qputenv("XDG_DATA_HOME", root_.path().toLocal8Bit());
    }

    const QString& nk2Path() const { return nk2Path_; }
    QString exportPath() const { return root_.filePath(QStringLiteral("quillet.csv")); }

private:
    QTemporaryDir root_;
    QString nk2Path_;
};

// The ticks a Browse of these bytes waits, with the window's starting choices: the loader's own
// waits and the two of the closing "Please wait" flash.
long browseWaitTicks(const std::string& bytes) {
    class CountingHost : public quillet::core::HeadlessHost {
    public:
        void wait(quillet::core::WaitTicks pause) override { ticks += pause.count(); }
        void flashPleaseWait() override { ticks += 2; }
        long ticks = 0;
    };
    CountingHost host;
    quillet::core::loadNk2(bytes, quillet::core::LoadOptions{}, host);
    return host.ticks;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Browse on the shown window with the real Wait unit: from the button press (the dialog
// answered at once) to the last grid row. Each round also times, untimed by the benchmark, as
// many one-tick waits alone as the Browse makes, so that "ratio" compares the two in one run.
void windowLoad(benchmark::State& state) {
    const auto kind = static_cast<FileKind>(state.range(0));
    const Profile profile(kind);
    const long waits = browseWaitTicks(nk2Bytes(kind));
    MainWindow form;
    form.show();
    child<AddressGrid>(form, names::addressGrid)->resetList();
    long banners = 0;
    QObject::connect(child<StatusBanner>(form, names::statusBanner), &StatusBanner::messageChanged,
                     [&banners] { ++banners; });
    double browseSeconds = 0;
    double waitSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        child<AddressGrid>(form, names::addressGrid)->resetList();
        QApplication::processEvents();
        banners = 0;
        quillet::platform::FileDialog::setNextFileName(profile.nk2Path());
        auto start = std::chrono::steady_clock::now();
        state.ResumeTiming();
        child<QPushButton>(form, names::browseButton)->click();
        state.PauseTiming();
        browseSeconds += secondsSince(start);
        start = std::chrono::steady_clock::now();
        for (long i = 0; i < waits; ++i) {
            quillet::platform::wait(quillet::core::WaitTicks(1));
        }
        waitSeconds += secondsSince(start);
        state.ResumeTiming();
    }
    state.counters["rows"] = child<AddressGrid>(form, names::addressGrid)->rows();
    state.counters["banners"] = static_cast<double>(banners);
    state.counters["waits"] = static_cast<double>(waits);
    state.counters["waits_alone_ms"] = waitSeconds * 1000 / static_cast<double>(state.iterations());
    state.counters["ratio"] = browseSeconds / waitSeconds;
}
BENCHMARK(windowLoad)
    ->Arg(Realistic1000)
    ->Arg(StepLimits)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3.0);

// Export on the shown window after a load: from the press (confirmation answered Yes) to the
// written file. The one-second pause after the success message is left out.
void windowExport(benchmark::State& state) {
    const Profile profile(static_cast<FileKind>(state.range(0)));
    MainWindow form;
    form.show();
    child<AddressGrid>(form, names::addressGrid)->resetList();
    const auto realUnit = quillet::platform::waitTickLength();
    quillet::platform::setWaitTickLength(std::chrono::nanoseconds(1));
    quillet::platform::FileDialog::setNextFileName(profile.nk2Path());
    child<QPushButton>(form, names::browseButton)->click();
    child<QLineEdit>(form, names::exportPathEdit)->setText(profile.exportPath());
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(profile.exportPath());
        quillet::platform::MessageBox::setNextAnswer(quillet::platform::MessageBox::Answer::Yes);
        state.ResumeTiming();
        child<QPushButton>(form, names::exportButton)->click();
    }
    quillet::platform::setWaitTickLength(realUnit);
    state.counters["rows"] = child<AddressGrid>(form, names::addressGrid)->rows();
    state.counters["bytes"] = static_cast<double>(QFileInfo(profile.exportPath()).size());
}
BENCHMARK(windowExport)
    ->Arg(Realistic1000)
    ->Arg(StepLimits)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
