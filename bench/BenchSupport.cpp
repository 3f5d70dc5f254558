#include "BenchSupport.h"

#include <cstdio>
#include <QDir>
#include <QTemporaryDir>

namespace qnr::bench {

bool checkRatio(const char* what, double ratio, double bar, bool atMost)
{
    const bool ok = atMost ? ratio <= bar : ratio >= bar;
    std::printf("%-60s %8.3f  (%s %.2f) %s\n", what, ratio, atMost ? "at most" : "at least", bar, ok ? "ok" : "MISSED");
    return ok;
}

QString benchFolder()
{
    static QTemporaryDir dir;
    return dir.path();
}

} // namespace qnr::bench
