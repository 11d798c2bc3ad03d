#pragma once

// The sound played each time the main window is created.
class StartupSound {
public:
    virtual ~StartupSound() = default;

    // Starts playing and returns at once; without an audio device nothing happens.
    virtual void play() = 0;
};
