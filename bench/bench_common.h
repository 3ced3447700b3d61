// bench_common.h -- clocks and memory readings shared by the benchmark programs
#pragma once

#include <time.h>

#include <cstdio>
#include <cstring>

// CPU time of the whole process (every thread, the GL driver's included), in ms.
inline double cpu_ms()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Wall-clock time in ms.
inline double wall_ms()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Wall-clock time since the epoch in ms, comparable across processes.
inline double epoch_ms()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The number after the key in a /proc file ("rchar:" in /proc/self/io, say).
inline long proc_value(const char* file, const char* key)
{
    std::FILE* f = std::fopen(file, "r");
    if (!f)
        return -1;
    char line[256];
    long value = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, std::strlen(key)) == 0)
            std::sscanf(line + std::strlen(key), "%ld", &value);
    std::fclose(f);
    return value;
}

// A line of /proc/self/status in kB (e.g. "VmHWM:", "VmRSS:").
inline long status_kb(const char* key)
{
    return proc_value("/proc/self/status", key);
}

// One result line: "NAME VALUE UNIT", which bench/run.sh collects.
inline void report(const char* name, double value, const char* unit)
{
    std::printf("%s %.4f %s\n", name, value, unit);
    std::fflush(stdout);
}
