#pragma once

#include "ui/StartupSound.h"

#include <memory>

class QSoundEffect;

// Plays the sound built into the program through Qt Multimedia.
class QtStartupSound final : public StartupSound {
public:
    QtStartupSound();
    ~QtStartupSound() override;

    void play() override;

private:
    std::unique_ptr<QSoundEffect> m_effect; // made at the first play, so unused copies cost nothing
};
