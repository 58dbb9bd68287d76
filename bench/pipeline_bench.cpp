// The whole start-up sequence in-process, on generated invitations, with the POSIX services
// and a private working folder: time per event and the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "invitation_generator.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/recording_display.h"
#include "kelvor/startup.h"
#include "platform/platform.h"
#include "platform/posix/posix_clock.h"
#include "platform/posix/posix_environment.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/posix_time_zone.h"
#include "platform/posix/stderr_user_interface.h"

namespace {

namespace fs = std::filesystem;

// The installed program's folder (companion files) and a working folder of the benchmark's own.
class BenchEnvironment : public kelvor::platform::PosixEnvironment {
  public:
    BenchEnvironment(std::string input, std::string cache)
        : PosixEnvironment({std::move(input)}), cache_(std::move(cache)) {}
    std::optional<std::string> variable(std::string_view name) const override {
        if (name == "XDG_CACHE_HOME") {
            return cache_;
        }
        if (name == "APPDATA") {
            return std::nullopt;
        }
        return PosixEnvironment::variable(name);
    }
    std::string programPath() const override { return KELVOR_PROGRAM_PATH; }

  private:
    std::string cache_;
};

double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void RunPipeline(benchmark::State& state, int events, std::size_t descriptionBytes) {
    const fs::path folder =
        fs::temp_directory_path() / ("kelvor-bench-" + std::to_string(getpid()));
    fs::create_directories(folder / "cache");
    const fs::path input = folder / "invitation.ics";
    {
        const std::string text = kelvor::bench::GenerateInvitation(events, descriptionBytes);
        std::ofstream(input, std::ios::binary).write(text.data(), static_cast<long>(text.size()));
        state.counters["file_MiB"] = static_cast<double>(text.size()) / (1024.0 * 1024.0);
    }
    BenchEnvironment environment(input.string(), (folder / "cache").string());
    kelvor::platform::PosixFileSystem files;
    kelvor::platform::PosixRegistry registry(files, (folder / "registry").string());
    kelvor::platform::PosixClock clock;
    kelvor::platform::PosixTimeZone timeZone;
    kelvor::platform::StderrUserInterface ui;
    kelvor::platform::Platform services{environment, files, registry, clock, timeZone, ui};

    for (auto _ : state) {
        kelvor::RecordingDisplay display(files);
        kelvor::KelvorState run(services, display);
        if (kelvor::startup(run) != kelvor::StartupOutcome::Completed) {
            state.SkipWithError("the run ended early");
            break;
        }
    }
    state.counters["events"] = events;
    state.counters["time_per_event"] = benchmark::Counter(
        events, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["peak_MiB"] = PeakMiB();
    fs::remove_all(folder);
}

void BM_Events(benchmark::State& state) {
    RunPipeline(state, static_cast<int>(state.range(0)), 200);
}
BENCHMARK(BM_Events)->Arg(1)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_TenMegabyteDescription(benchmark::State& state) {
    RunPipeline(state, 1, 10 * 1000 * 1000);
}
BENCHMARK(BM_TenMegabyteDescription)->Unit(benchmark::kMillisecond);

}  // namespace
