#include "app/flex_grid.h"
#include "app/form1.h"
#include "app/mod_wait.h"
#include "nk2_generator.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using quillet::app::Form1;

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

// Browse on the shown window with the real Wait unit: from the button press (the dialog
// answered at once) to the last grid row.
void windowLoad(benchmark::State& state) {
    const Profile profile(static_cast<FileKind>(state.range(0)));
    Form1 form;
    form.show();
    form.resetGrid();
    long banners = 0;
    QObject::connect(&form, &Form1::bannerChanged, [&banners] { ++banners; });
    for (auto _ : state) {
        state.PauseTiming();
        form.resetGrid();
        QApplication::processEvents();
        banners = 0;
        quillet::platform::FileDialog::setNextFileName(profile.nk2Path());
        state.ResumeTiming();
        form.Command1_Click();
    }
    state.counters["rows"] = form.MSFlexGrid1->rows();
    state.counters["banners"] = static_cast<double>(banners);
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
    Form1 form;
    form.show();
    form.resetGrid();
    const auto realUnit = quillet::app::modWait::waitUnit();
    quillet::app::modWait::setWaitUnit(std::chrono::nanoseconds(1));
    quillet::platform::FileDialog::setNextFileName(profile.nk2Path());
    form.Command1_Click();
    form.Text1->setText(profile.exportPath());
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(profile.exportPath());
        quillet::platform::MessageBox::setNextAnswer(quillet::platform::MessageBox::Answer::Yes);
        state.ResumeTiming();
        form.Command2_Click();
    }
    quillet::app::modWait::setWaitUnit(realUnit);
    state.counters["rows"] = form.MSFlexGrid1->rows();
    state.counters["bytes"] = static_cast<double>(QFileInfo(profile.exportPath()).size());
}
BENCHMARK(windowExport)
    ->Arg(Realistic1000)
    ->Arg(StepLimits)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

// The window needs an application object before any benchmark runs.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
