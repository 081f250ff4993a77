#pragma once

#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

// A private X screen (Xvfb on a free display number) and the hands that work it from outside:
// everything goes through xdotool, as a user's mouse and keyboard would.
class VirtualScreen final
{
public:
    struct Window
    {
        QString id;
        QString name;
        QRect geometry; // on the screen; there is no window manager, so no frames either
    };

    VirtualScreen() = default;
    ~VirtualScreen();
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    // Starts Xvfb on the first free display from :90 on; false (test failed) when none came up.
    [[nodiscard]] bool start();
    void stop();
    QString display() const { return m_display; }

    // The mapped windows of one process, newest last as the X server lists them.
    QList<Window> windows(qint64 pid) const;
    std::optional<Window> window(qint64 pid, const QString& name) const;

    // Pointer and keyboard; positions are relative to the window's top-left corner.
    bool click(const Window& window, QPoint at, int button = 1) const;
    bool press(const Window& window, QPoint at, int button = 1) const;
    bool release(const Window& window, QPoint at, int button = 1) const;
    bool pointAt(const Window& window, QPoint at) const;
    // Gives the window the keyboard, then sends the keys ("alt+n", "Escape", "ctrl+a" ...).
    bool keys(const Window& window, const QStringList& keys) const;
    bool type(const QString& text) const;
    bool move(const Window& window, QPoint to) const;

    // Runs xdotool with these arguments on this screen; its standard output, or nothing.
    std::optional<QByteArray> xdotool(const QStringList& arguments) const;

private:
    QProcess m_xvfb;
    QString m_display;
};
