#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class ModuleLibrary;
struct ProfileStoreHandle;

// The profile-file store module (IniEnV.ocx) loaded from the program folder. Values written are
// held in memory until commit(), which replaces the file in one step. Without the module every
// read gives nothing and nothing is written.
class ProfileStore final
{
public:
    enum class Failure {
        None,
        NoModule,
        FolderNotWritable,
        FileReadOnly,
        DiskFull,
        FileUnreadable,
        WriteFailed
    };
    struct CommitResult
    {
        Failure failure = Failure::None;
        QString detail; // the system's own words, where it gave any
    };

    explicit ProfileStore(const QString& modulePath);
    ~ProfileStore();
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    bool isLoaded() const { return m_store != nullptr; }

    void useFile(const QString& path);
    // Creates a missing file empty; true when the file exists afterwards.
    bool createFile(const QString& path);
    // The value as a profile reader sees it, at most maxBytes bytes of the file's text.
    QString readText(const QString& section, const QString& key, int maxBytes);
    // The value's bytes as they stand in the file; null when the key is missing.
    QByteArray readBytes(const QString& section, const QString& key);
    bool writeText(const QString& section, const QString& key, const QString& value);
    bool writeBytes(const QString& section, const QString& key, const QByteArray& bytes);
    CommitResult commit();

private:
    struct EntryPoints;

    std::unique_ptr<ModuleLibrary> m_module;
    std::unique_ptr<EntryPoints> m_call;
    ProfileStoreHandle* m_store = nullptr;
    QByteArray m_buffer; // reused: a list load reads tens of thousands of values
};
