#include "app/flex_grid.h"
#include "app/form1.h"
#include "nk2_generator.h"
#include "platform/file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using quillet::app::Form1;

// A profile whose application data holds Microsoft/Outlook/Outlook.NK2 with 1000 realistic
// entries, so the search for the dialog's folder is part of the measure too.
class Profile {
public:
    Profile() {
        const QString outlook = root_.filePath(QStringLiteral("Microsoft/Outlook"));
        QDir().mkpath(outlook);
        nk2Path_ = outlook + QStringLiteral("/Outlook.NK2");
        const std::string bytes =
            quillet::testdata::nk2File(quillet::testdata::realisticEntries(750, 250, 1000));
        QFile file(nk2Path_);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
        qputenv("XDG_DATA_HOME", root_.path().toLocal8Bit());
    }

    const QString& nk2Path() const { return nk2Path_; }

private:
    QTemporaryDir root_;
    QString nk2Path_;
};

// Browse on the shown window with the real Wait unit: from the button press (the dialog
// answered at once) to the last grid row.
void windowLoad(benchmark::State& state) {
    const Profile profile;
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
BENCHMARK(windowLoad)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

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
