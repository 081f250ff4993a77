#pragma once

#include <QString>

class ContactListModel;
class ProfileStore;

// QQlist.cfg: read once when the main window loads, written once when the user leaves.
namespace ContactListFile {
inline const QString FileName = QStringLiteral("QQlist.cfg");
// The largest list the program serves (positions are 16-bit).
constexpr int MaxEntries = 32767;

// Points the store at path, creates the file empty when missing and appends its entries.
void load(ProfileStore& store, const QString& path, ContactListModel& model);
// Writes the whole list in one transaction; false when nothing could be written.
bool save(ProfileStore& store, const ContactListModel& model);
// The entry count as the file states it: "" is -1 (no list), anything not a number is 0.
int parseCount(const QString& text);
} // namespace ContactListFile
