#pragma once

#include <QTextStream>
#include <QVector>
#include <algorithm>

#include <sys/resource.h>

// Figures printed as "BENCH;<figure>;<result>;<target>;<unit>" for tools/bench to tabulate.
inline void printFigure(const QString& figure, double result, double target, const QString& unit)
{
    QTextStream(stdout) << "BENCH;" << figure << ';' << QString::number(result, 'f', 3) << ';'
                        << QString::number(target, 'f', 3) << ';' << unit << Qt::endl;
}

inline double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = int(values.size());
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// Processor time (user + system) this process has used, in seconds.
inline double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
