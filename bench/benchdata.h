#pragma once
// Where the benchmarks keep the data they generate: $GRAVIK_BENCH_DATA, else /tmp/gravik-bench
// (created), never the repository.

#include <QDir>
#include <QString>

inline QString BenchDataDir() {
    const QString dir =
        qEnvironmentVariable("GRAVIK_BENCH_DATA", QStringLiteral("/tmp/gravik-bench"));
    QDir().mkpath(dir);
    return dir;
}
