// Load and save of the largest list the program serves, through ProfileStore and the real
// module, as the program does at start and when the user leaves.

#include "benchfigures.h"
#include "core/contacts/contactlistfile.h"
#include "core/contacts/contactlistmodel.h"
#include "core/contacts/profilestore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

namespace {
constexpr int Runs = 5;
const QString Module = QStringLiteral(LANTERNIX_PROFILE_MODULE);

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
        entries.append(ContactEntry::made(number, remark));
    }
    return entries;
}

std::unique_ptr<ContactListFile> openList(const QString& path)
{
    return std::make_unique<ContactListFile>(std::make_unique<ProfileStore>(Module), path);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !ProfileStore(Module).isLoaded()) {
        QTextStream(stderr) << "no folder, or the store module is not loadable: " << Module
                            << Qt::endl;
        return 1;
    }
    const QString path = dir.filePath(ContactListFile::FileName);
    const int count = ContactListFile::MaxEntries;
    ContactListModel list;
    list.appendEntries(sampleList(count));

    // Save: every run starts from a program that has just loaded the file, as when leaving.
    QVector<double> saves;
    for (int run = 0; run < Runs; ++run) {
        const auto file = openList(path);
        file->load();
        QElapsedTimer timer;
        timer.start();
        const ContactListFile::SaveOutcome outcome = file->save(list);
        saves << timer.nsecsElapsed() / 1e6;
        if (!outcome.saved()) {
            QTextStream(stderr) << "save failed: " << int(outcome.failure) << " " << outcome.detail
                                << Qt::endl;
            return 1;
        }
    }

    QVector<double> loads;
    double peak = 0;
    for (int run = 0; run < Runs; ++run) {
        const auto file = openList(path);
        QElapsedTimer timer;
        timer.start();
        const QVector<ContactEntry> entries = file->load();
        loads << timer.nsecsElapsed() / 1e6;
        if (entries.size() != count || entries.last().number != list.at(count - 1).number) {
            QTextStream(stderr) << "the list read back differs from the one saved" << Qt::endl;
            return 1;
        }
        peak = std::max(peak, peakMegabytes());
    }

    printFigure(QStringLiteral("list load, 32767 entries (median of 5)"), median(loads), 150, "ms");
    printFigure(QStringLiteral("list save, 32767 entries (median of 5)"), median(saves), 150, "ms");
    printFigure(QStringLiteral("peak memory after load"), peak, 120, "MB");
    return 0;
}
