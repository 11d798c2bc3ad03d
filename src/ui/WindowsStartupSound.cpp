#include "ui/WindowsStartupSound.h"

#include <QFile>

#include <windows.h>

#include <mmsystem.h>

using namespace Qt::StringLiterals;

namespace {

void playFromMemory(const QByteArray &wave, DWORD flags)
{
    // With SND_MEMORY the "name" is the WAV file's bytes.
    PlaySoundW(wave.isEmpty() ? nullptr : reinterpret_cast<LPCWSTR>(wave.constData()), nullptr, flags);
}

} // namespace

// A sound still playing would read the bytes after they are freed: stop it first.
WindowsStartupSound::~WindowsStartupSound()
{
    playFromMemory({}, 0);
}

void WindowsStartupSound::play()
{
    if (m_wave.isEmpty()) {
        QFile file(u":/sounds/startup.wav"_s);
        if (file.open(QIODevice::ReadOnly))
            m_wave = file.readAll();
    }
    // Without an audio device PlaySound fails and nothing is heard, as on the other platforms.
    if (!m_wave.isEmpty())
        playFromMemory(m_wave, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}
