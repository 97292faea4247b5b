#pragma once

#include <QString>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

// Prints a figure beside its baseline, both measured in the same run.
inline void benchLine(const QString &name, double value, double baseline, const QString &unit)
{
    const double ratio = baseline > 0 ? value / baseline : 0.0;
    std::printf("BENCH %s value=%.4f baseline=%.4f ratio=%.3f unit=%s\n", qPrintable(name), value, baseline,
                ratio, qPrintable(unit));
    std::fflush(stdout);
}

inline double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const size_t index = std::min(samples.size() - 1, size_t(fraction * double(samples.size() - 1) + 0.5));
    return samples[index];
}
