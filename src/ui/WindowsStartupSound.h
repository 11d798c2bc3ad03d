#pragma once

#include "ui/StartupSound.h"

#include <QByteArray>

// Plays the sound built into the program through Windows' own PlaySound, from memory: Qt for Windows,
// as this program is built, has no Multimedia.
class WindowsStartupSound final : public StartupSound {
public:
    WindowsStartupSound() = default;
    WindowsStartupSound(const WindowsStartupSound &) = delete;
    WindowsStartupSound &operator=(const WindowsStartupSound &) = delete;
    ~WindowsStartupSound() override;

    void play() override;

private:
    QByteArray m_wave; // read at the first play; the system reads it for as long as the sound plays
};
