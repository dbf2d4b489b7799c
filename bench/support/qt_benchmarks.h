// Benchmarks of the window's drawing run inside a QApplication: text is
// measured and drawn through Qt, which needs its application object.
#pragma once

namespace kavalto::bench {

int RunBenchmarksInQtApplication(int argc, char** argv);

}  // namespace kavalto::bench
