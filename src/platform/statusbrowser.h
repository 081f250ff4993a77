#pragma once

#include <QObject>
#include <QString>

// Fetches one status image at a time, following the server's redirects. Every navigation ends in
// exactly one navigationCompleted, always from the event loop, never from inside navigate(), with
// the address finally reached, written exactly as the server wrote it, or with an error address
// when the request fails. A fake takes its place in tests.
class StatusBrowser : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // Starts a navigation; one still running is dropped without a notification.
    virtual void navigate(const QString& address) = 0;

signals:
    void navigationCompleted(const QString& address);
};
