#include "app/main_window.h"
#include "core/file_bytes.h"
#include "nk2_generator.h"
#include "platform/cooperative_wait.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "widgets/address_grid.h"
#include "widgets/object_names.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <stdexcept>
#include <string>

// The window with real widgets and the real Wait unit, driven only through its buttons and menu
// items: Read Every Entry of large caches, how long the window stops answering meanwhile, Clear
// of many rows, and the memory the rows take.
namespace {

namespace names = quillet::names;
using quillet::app::MainWindow;
using quillet::widgets::AddressGrid;
using Clock = std::chrono::steady_clock;

template <class T> T* child(const QObject& root, const char* name) {
    if (T* found = root.findChild<T*>(QString::fromLatin1(name))) {
        return found;
    }
    throw std::runtime_error(std::string("no ") + name);
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A realistic cache of about `entries` entries (four SMTP to one Exchange), 430 bytes each.
class CacheFile {
public:
    explicit CacheFile(long entries) : path_(dir_.filePath(QStringLiteral("Outlook.NK2"))) {
        const auto smtp = static_cast<std::size_t>(entries) * 4 / 5;
        const std::string bytes = quillet::testdata::nk2File(
            quillet::testdata::realisticEntries(smtp, static_cast<std::size_t>(entries) - smtp, 7));
        std::ofstream(path_.toStdString(), std::ios::binary) << bytes;
    }
    const QString& path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};

// The longest stretch, while armed, in which the window's event loop did not come round: a
// repaint or a click asked for then would have waited that long.
class Stalls : public QObject {
public:
    Stalls() {
        ticks_.setTimerType(Qt::PreciseTimer);
        connect(&ticks_, &QTimer::timeout, this, [this] { note(); });
    }

    void arm() {
        last_ = Clock::now();
        ticks_.start(5);
    }
    void disarm() {
        note();
        ticks_.stop();
    }
    double longestMs() const { return longest_; }

private:
    void note() {
        longest_ = std::max(longest_, millisecondsSince(last_));
        last_ = Clock::now();
    }

    QTimer ticks_;
    Clock::time_point last_;
    double longest_ = 0;
};

void clearList(MainWindow& form) {
    child<QPushButton>(form, names::clearButton)->click();
    QApplication::processEvents();
}

// Read Every Entry from the menu item (the dialog answered at once) to the last row.
// "beyond_read_ms" is that time less one read of the same file into memory, timed in the same
// round; "longest_stall_ms" the longest the window's event loop did not come round.
void readEveryEntry(benchmark::State& state) {
    const CacheFile file(state.range(0));
    MainWindow form;
    form.show();
    QApplication::processEvents();
    Stalls stalls;
    double beyondRead = 0;
    for (auto _ : state) {
        state.PauseTiming();
        clearList(form);
        auto start = Clock::now();
        const quillet::core::FileBytes bytes =
            quillet::core::readFileBytes(QFile::encodeName(file.path()).toStdString());
        const double readMs = millisecondsSince(start);
        quillet::platform::FileDialog::setNextFileName(file.path());
        stalls.arm();
        start = Clock::now();
        state.ResumeTiming();
        child<QAction>(form, names::readEveryEntryAction)->trigger();
        state.PauseTiming();
        beyondRead += millisecondsSince(start) - readMs;
        stalls.disarm();
        state.ResumeTiming();
    }
    state.counters["rows"] = child<AddressGrid>(form, names::addressGrid)->rows();
    state.counters["beyond_read_ms"] = beyondRead / static_cast<double>(state.iterations());
    state.counters["longest_stall_ms"] = stalls.longestMs();
}
BENCHMARK(readEveryEntry)
    ->Arg(10000)
    ->Arg(400000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// Clear (the button) of a list of that many rows, loaded by Read Every Entry.
void clearRows(benchmark::State& state) {
    const CacheFile file(state.range(0));
    MainWindow form;
    form.show();
    for (auto _ : state) {
        state.PauseTiming();
        quillet::platform::FileDialog::setNextFileName(file.path());
        child<QAction>(form, names::readEveryEntryAction)->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
        clearList(form);
    }
}
BENCHMARK(clearRows)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// A figure from /proc/self/status, in megabytes.
double statusMegabytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field + ":")) {
            return std::stod(line.substr(field.size() + 1)) / 1024;
        }
    }
    return 0;
}

// The peak of the process while Export writes those rows into a new CSV file, above the loaded
// window, and the whole process's.
struct ExportPeak {
    double aboveLoaded = 0;
    double process = 0;
};
ExportPeak exportMemory(MainWindow& form) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("quillet.csv"));
    child<QLineEdit>(form, names::exportPathEdit)->setText(path);
    quillet::platform::MessageBox::setNextAnswer(quillet::platform::MessageBox::Answer::Yes);
    // Without the pause that shows the success message.
    const auto realUnit = quillet::platform::waitTickLength();
    quillet::platform::setWaitTickLength(std::chrono::nanoseconds(1));
    const double loaded = statusMegabytes("VmRSS");
    std::ofstream("/proc/self/clear_refs") << "5";
    child<QPushButton>(form, names::exportButton)->click();
    const double peak = statusMegabytes("VmHWM");
    quillet::platform::setWaitTickLength(realUnit);
    if (!QFile::exists(path)) {
        throw std::runtime_error("the export wrote no file");
    }
    return {peak - loaded, peak};
}

// The peak memory of the process while Read Every Entry fills the window with that many rows,
// above the empty window: the peak is reset (clear_refs) just before; then that of the export
// of those rows. Run it alone (--benchmark_filter=windowMemory), so no earlier benchmark's
// memory is still held.
void windowMemory(benchmark::State& state) {
    const CacheFile file(state.range(0));
    MainWindow form;
    form.show();
    QApplication::processEvents();
    double above = 0;
    double held = 0;
    ExportPeak exported;
    for (auto _ : state) {
        clearList(form);
        const double empty = statusMegabytes("VmRSS");
        std::ofstream("/proc/self/clear_refs") << "5";
        quillet::platform::FileDialog::setNextFileName(file.path());
        child<QAction>(form, names::readEveryEntryAction)->trigger();
        QApplication::processEvents();
        above = statusMegabytes("VmHWM") - empty;
        held = statusMegabytes("VmRSS") - empty;
        exported = exportMemory(form);
    }
    state.counters["rows"] = child<AddressGrid>(form, names::addressGrid)->rows();
    state.counters["peak_above_empty_MB"] = above;
    state.counters["held_above_empty_MB"] = held;
    state.counters["export_peak_above_loaded_MB"] = exported.aboveLoaded;
    state.counters["export_process_peak_MB"] = exported.process;
}
BENCHMARK(windowMemory)->Arg(400000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
