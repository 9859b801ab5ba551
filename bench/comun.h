#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

namespace ledgrix::bench {

// The arguments Google Benchmark gets: the caller's, plus 9 repetitions with
// aggregates only unless the caller chose otherwise. The strings live as
// long as the program.
inline std::vector<char*> argumentos(int argc, char** argv) {
    static char rep[] = "--benchmark_repetitions=9";
    static char agr[] = "--benchmark_report_aggregates_only=true";
    std::vector<char*> args(argv, argv + argc);
    bool repeticiones = false, agregados = false;
    for (int i = 1; i < argc; ++i) {
        repeticiones = repeticiones || std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0;
        agregados =
            agregados || std::strncmp(argv[i], "--benchmark_report_aggregates_only", 34) == 0;
    }
    if (!repeticiones)
        args.push_back(rep);
    if (!agregados)
        args.push_back(agr);
    return args;
}

// Google Benchmark started with those arguments; false when the caller gave
// one it does not know (already reported).
inline bool inicie(int argc, char** argv) {
    std::vector<char*> args = argumentos(argc, argv);
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    return !benchmark::ReportUnrecognizedArguments(n, args.data());
}

// Starts Google Benchmark, prepares the benchmarks' data and runs them;
// false when an argument or the data was wrong (already reported).
inline bool corra(int argc, char** argv, const std::function<bool()>& prepare) {
    if (!inicie(argc, argv) || !prepare())
        return false;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return true;
}

// Median of the times measured one by one (0 when none).
inline double mediana(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

}  // namespace ledgrix::bench
