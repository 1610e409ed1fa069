#pragma once

class QWidget;

// Bench hook, for bench/startup.sh only: when the environment variable
// FILEVANE_BENCH_EXIT_AFTER_LOAD is set, once the next paint of widget is flushed to the
// screen the wall-clock time (CLOCK_REALTIME, nanoseconds) is printed on standard output
// and the program ends. main()
// arms it once the paths of the command line are loaded, so the printed time is that of
// the first paint showing the whole list.
namespace BenchHook {
void exitAfterNextPaint(QWidget* widget);
}
