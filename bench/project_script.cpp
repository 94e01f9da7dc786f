// Times the project script writer on 1,000, 10,000 and 100,000 rows, and adding, inserting and
// deleting one row in a 10,000-row list. The writer must grow linearly with the rows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "scenes/project_script_writer.h"
#include "scenes/row_entry.h"
#include "scenes/row_file.h"
#include "support/temp_folder.h"

namespace {

// Scenes with a Dissolve and a fade in every four rows; the list starts and ends with a scene.
std::string rowsOf(int count) {
    std::string rows;
    rows.reserve(static_cast<size_t>(count) * 28);
    char line[64];
    for (int i = 1; i <= count; ++i) {
        int start = i * 1000;
        switch (i % 4) {
        case 2: snprintf(line, sizeof line, "r%02i Dissolve 30 - -\r\n", i); break;
        case 3: snprintf(line, sizeof line, "r%02i FadeOut 45 %i %i\r\n", i, start, start + 899); break;
        default: snprintf(line, sizeof line, "r%02i - - %i %i\r\n", i, start, start + 899); break;
        }
        rows += line;
    }
    return rows;
}

double processMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The machine is shared, so a run is timed by the wall clock and by the processor time this
// process used (which leaves out the time other processes had the processor); each the best of
// several runs.
struct Timing {
    double wall = 1e300;
    double processor = 1e300;
};

template <typename Step>
Timing bestOf(int runs, Step step) {
    Timing best;
    for (int run = 0; run < runs; ++run) {
        double cpuBegin = processMilliseconds();
        auto begin = std::chrono::steady_clock::now();
        step();
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - begin;
        best.wall = std::min(best.wall, took.count());
        best.processor = std::min(best.processor, processMilliseconds() - cpuBegin);
    }
    return best;
}

}  // namespace

int main() {
    TempFolder dir;
    SceneListDisplay list;
    list.programFolder = dir.path().c_str();
    const std::string script = dir.file("bench_vlprj.avs");

    const int sizes[] = {1000, 10000, 100000};
    const int runs[] = {200, 20, 5};
    Timing times[3];
    for (int i = 0; i < 3; ++i) {
        dir.write("rowdat.vlr", rowsOf(sizes[i]));
        times[i] = bestOf(runs[i], [&] {
            if (writeProjectScript(list, "C:\\source.avs", script.c_str()) != scriptWritten) {
                fprintf(stderr, "the script was not written\n");
                std::exit(1);
            }
        });
        printf("write project script, %6d rows: %9.3f ms wall, %9.3f ms processor\n", sizes[i], times[i].wall,
               times[i].processor);
    }
    printf("ratio 10,000 / 1,000 rows:   %5.2f wall, %5.2f processor\n", times[1].wall / times[0].wall,
           times[1].processor / times[0].processor);
    printf("ratio 100,000 / 10,000 rows: %5.2f wall, %5.2f processor\n", times[2].wall / times[1].wall,
           times[2].processor / times[1].processor);

    const std::string tenThousand = rowsOf(10000);
    auto fresh = [&] { dir.write("rowdat.vlr", tenThousand); };
    auto timed = [&](const char* what, auto step) {
        Timing best;
        for (int run = 0; run < 5; ++run) {
            fresh();
            list.rowCount = 10000;
            list.entryMode = entryAdding;
            Timing one = bestOf(1, step);
            best.wall = std::min(best.wall, one.wall);
            best.processor = std::min(best.processor, one.processor);
        }
        printf("%-34s %9.3f ms wall, %9.3f ms processor\n", what, best.wall, best.processor);
    };
    timed("add one row to 10,000:", [&] { commitRow(list, "", "", "1", "2"); });
    timed("insert one row at 5,000 of 10,000:", [&] {
        list.firstShownRow = 4999;
        beginInsert(list, 1, false);
        commitRow(list, "FadeIn", "60", "1", "2");
    });
    timed("delete row 5,000 of 10,000:", [&] {
        list.firstShownRow = 5000;
        deleteShownRow(list, 0);
    });
    timed("count 10,000 rows:", [&] { countRows(list.programFolder); });
    return 0;
}
