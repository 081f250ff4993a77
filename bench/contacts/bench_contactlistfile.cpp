// Load and save of the largest list the program serves, through ProfileStore and the real
// module, as the main window does at start and at exit.

#include "contacts/contactlistfile.h"
#include "contacts/contactlistmodel.h"
#include "contacts/profilestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int Runs = 5;
constexpr double LoadTargetMs = 150;
constexpr double SaveTargetMs = 150;
constexpr double PeakMemoryTargetMb = 120;

// Numbers of 9 or 10 digits and remarks of 2 to 8 common Chinese characters.
QVector<ContactEntry> sampleList(int count)
{
    QRandomGenerator random(32767);
    QVector<ContactEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int digits = 9 + int(random.bounded(2));
        QString number = QString::number(1 + random.bounded(9));
        while (number.size() < digits)
            number += QChar(u'0' + random.bounded(10));
        QString remark;
        const int length = 2 + int(random.bounded(7));
        for (int c = 0; c < length; ++c)
            remark += QChar(char16_t(0x4E00 + random.bounded(0x5000)));
        entries.append(ContactEntry{remark, number, remark});
    }
    return entries;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

void report(const char* figure, double result, double target, const char* unit)
{
    std::printf("BENCH;%s;%.1f;%.1f;%s\n", figure, result, target, unit);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(ContactListFile::FileName);
    const QString module = QStringLiteral(LANTERNIX_PROFILE_MODULE);
    const int count = ContactListFile::MaxEntries;

    ContactListModel list;
    list.appendEntries(sampleList(count));

    // Save: every run starts from a program that has just loaded the file, as at exit.
    std::vector<double> saves;
    for (int run = 0; run < Runs; ++run) {
        ProfileStore store(module);
        if (!store.isLoaded()) {
            std::fprintf(stderr, "profile module not loadable: %s\n", qPrintable(module));
            return 1;
        }
        ContactListModel before;
        ContactListFile::load(store, path, before);
        QElapsedTimer timer;
        timer.start();
        if (!ContactListFile::save(store, list))
            return 1;
        saves.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    std::vector<double> loads;
    double peak = 0;
    for (int run = 0; run < Runs; ++run) {
        ProfileStore store(module);
        ContactListModel model;
        QElapsedTimer timer;
        timer.start();
        ContactListFile::load(store, path, model);
        loads.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (model.count() != count || model.at(count).number != list.at(count).number)
            return 1;
        peak = std::max(peak, peakMemoryMb());
    }

    report("list load, 32767 entries (median of 5)", median(loads), LoadTargetMs, "ms");
    report("list save, 32767 entries (median of 5)", median(saves), SaveTargetMs, "ms");
    report("peak memory after load", peak, PeakMemoryTargetMb, "MB");
    return 0;
}
