#include "cli/RunFiles.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "cli/RunCommand.h"

namespace vantric::console {

namespace {

// What one file's run printed, kept until the files before it have been printed.
struct FileResult {
    std::string Out;
    std::string Err;
    int Status = 0;
    bool Done = false;
};

void PrintHeader(const CliOptions& options, const std::string& file, std::ostream& out) {
    if (options.ProgramFiles.size() > 1 && !options.Json) out << "==> " << file << " <==\n";
}

}  // namespace

int RunProgramFiles(const CliOptions& options, const InstructionTable& instructions, std::ostream& out,
                    std::ostream& err) {
    const std::vector<std::string>& files = options.ProgramFiles;
    // A trace can be endless and is printed as it comes, so traced files run one after another.
    const std::size_t workers =
        options.Trace ? 1 : std::min<std::size_t>(files.size(), std::max(1u, std::thread::hardware_concurrency()));
    int highest = 0;
    if (workers <= 1) {
        for (const std::string& file : files) {
            PrintHeader(options, file, out);
            highest = std::max(highest, RunProgramCommand(options, file, instructions, out, err));
        }
        return highest;
    }

    std::vector<FileResult> results(files.size());
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable finished;
    const auto work = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++) {
            std::ostringstream fileOut, fileErr;
            const int status = RunProgramCommand(options, files[i], instructions, fileOut, fileErr);
            const std::lock_guard lock(mutex);
            results[i] = {fileOut.str(), fileErr.str(), status, true};
            finished.notify_one();
        }
    };
    std::vector<std::jthread> threads;
    for (std::size_t w = 0; w < workers; ++w) threads.emplace_back(work);

    // Each file's output as soon as it and every file before it are done.
    for (std::size_t i = 0; i < files.size(); ++i) {
        FileResult result;
        {
            std::unique_lock lock(mutex);
            finished.wait(lock, [&] { return results[i].Done; });
            result = std::move(results[i]);
        }
        PrintHeader(options, files[i], out);
        out << result.Out << std::flush;
        err << result.Err << std::flush;
        highest = std::max(highest, result.Status);
    }
    return highest;
}

}  // namespace vantric::console
