#pragma once
// What every benchmark program shares: the offscreen platform unless another is asked for, the
// number of rounds from the command line, and the median and worst of the times measured.

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace bench {

// Call before the QApplication is made.
inline void UseOffscreenByDefault()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The first argument as a number of rounds (at least 1), else def.
inline int Rounds(int argc, char **argv, int def) { return argc > 1 ? std::max(1, std::atoi(argv[1])) : def; }

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline double Worst(const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); }

} // namespace bench
