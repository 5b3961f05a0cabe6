// Memory grid refresh through the real Qt table model and view (offscreen): RefreshMemoryGrid with
// and without rebuild for 8 memory columns of 999 rows, and the cost of a monitored memory write.
//
//   build/release/bin/GridRefreshBench [repetitions]     (default 20)

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/AssemblyTables.h"
#include "core/Machine.h"
#include "qt/MemoryGridView.h"
#include "views/MemoryGridPresenter.h"
#include "views/MemoryWriter.h"

using namespace vantric;

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Figures {
    double best = 0;
    double median = 0;
};

Figures Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples.front(), samples[samples.size() / 2]};
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int repetitions = std::max(argc > 1 ? std::atoi(argv[1]) : 20, 1);

    auto program = std::make_unique<AssemblyTables>();
    auto machine = std::make_unique<Machine>(*program);
    machine->Reset();
    MemoryDumpSettings dump;
    dump.MemoryColumnCount = 8;
    dump.RowsPerColumn = 999;
    dump.ColumnStart = {0, 0x0000, 0x1000, 0x2000, 0x3000, 0x4000, 0x5000, 0x6000, 0x7000};

    QWidget window;
    window.resize(1200, 800);
    auto* grid = new qt::MemoryGridView(&window);
    grid->setGeometry(0, 0, 1200, 800);
    window.show();
    MemoryGridPresenter presenter(*machine, dump, *grid);
    MemoryWriter writer(machine->State(), dump, *grid);
    presenter.RefreshMemoryGrid();
    QApplication::processEvents();

    std::vector<double> rebuild, rebuildShown, refresh, refreshShown;
    for (int r = 0; r < repetitions; ++r) {
        for (int a = 0; a < 0x8000; ++a)
            machine->State().Memory[static_cast<std::size_t>(a)] = static_cast<std::uint8_t>(a * 7 + r);
        dump.GridRebuildNeeded = true;
        auto start = Clock::now();
        presenter.RefreshMemoryGrid();
        auto built = Clock::now();
        QApplication::processEvents();  // layout and paint
        rebuild.push_back(Milliseconds(built - start));
        rebuildShown.push_back(Milliseconds(Clock::now() - start));

        for (int a = 0; a < 0x8000; ++a) machine->State().Memory[static_cast<std::size_t>(a)] ^= 0xFF;
        start = Clock::now();
        presenter.RefreshMemoryGrid();
        built = Clock::now();
        QApplication::processEvents();
        refresh.push_back(Milliseconds(built - start));
        refreshShown.push_back(Milliseconds(Clock::now() - start));
    }

    // Bytes written into the grid one at a time, as a monitored run reports its stores and as the user
    // types them: each changes one cell; events run every 100 writes.
    const int writes = 200000;
    auto timeWrites = [&](std::int32_t base) {
        const auto start = Clock::now();
        for (int i = 0; i < writes; ++i) {
            writer.WriteUserByte(base + (i % 999), static_cast<std::uint8_t>(i));
            if (i % 100 == 99) QApplication::processEvents();
        }
        return Milliseconds(Clock::now() - start) * 1e6 / writes;
    };
    const double shownNs = timeWrites(0x1000);
    const double hiddenNs = timeWrites(0x9000);  // addresses no column shows

    const Figures a = Summarise(rebuild), b = Summarise(rebuildShown);
    const Figures c = Summarise(refresh), d = Summarise(refreshShown);
    std::printf("grid: 8 memory columns x 999 rows (%d repetitions)\n", repetitions);
    std::printf("RefreshMemoryGrid, rebuild:          best %7.2f ms  median %7.2f ms\n", a.best, a.median);
    std::printf("  with layout and paint:             best %7.2f ms  median %7.2f ms\n", b.best, b.median);
    std::printf("RefreshMemoryGrid, data cells only:  best %7.2f ms  median %7.2f ms\n", c.best, c.median);
    std::printf("  with layout and paint:             best %7.2f ms  median %7.2f ms\n", d.best, d.median);
    std::printf("one byte into the grid, shown cell:  %7.0f ns per byte (events every 100 bytes)\n", shownNs);
    std::printf("one byte into the grid, not shown:   %7.0f ns per byte\n", hiddenNs);
    return 0;
}
