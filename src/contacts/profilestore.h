#pragma once

#include <QString>
#include <memory>

// The profile-file store module (IniEnV.ocx) loaded from the program folder.
// Keys saved with Sav_Key are held until commit(), which replaces the file in one step.
// Without the module every read gives "" and nothing is written.
class ProfileStore final
{
public:
    explicit ProfileStore(const QString& modulePath);
    ~ProfileStore();
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    bool isLoaded() const;

    void setFileName(const QString& path); // FileName
    bool NewFile(const QString& path);
    QString Load_Key(const QString& section, const QString& key, qint16 bufferSize,
                     bool showErrors = false);
    bool Sav_Key(const QString& section, const QString& key, const QString& value,
                 bool showErrors = false);
    bool commit();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
