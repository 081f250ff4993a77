#pragma once

#include <QFile>
#include <QTextStream>
#include <QVector>
#include <algorithm>
#include <limits>

#include <sys/resource.h>

// Figures printed as "BENCH;<figure>;<result>;<target>;<unit>" for tools/bench to tabulate.
inline void printFigure(const QString& figure, double result, double target, const QString& unit)
{
    QTextStream(stdout) << "BENCH;" << figure << ';' << QString::number(result, 'f', 3) << ';'
                        << QString::number(target, 'f', 3) << ';' << unit << Qt::endl;
}

// The result of a figure that could not be measured: tools/bench shows it as missed.
inline constexpr double NotMeasured = std::numeric_limits<double>::infinity();

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

// The most resident memory this process has held so far, in MB.
inline double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return NotMeasured;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return NotMeasured;
}
