#include "ui/QtStartupSound.h"

#include <QSoundEffect>
#include <QUrl>

using namespace Qt::StringLiterals;

QtStartupSound::QtStartupSound() = default;
QtStartupSound::~QtStartupSound() = default;

void QtStartupSound::play()
{
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        m_effect->setSource(QUrl(u"qrc:/sounds/startup.wav"_s));
    }
    // Loading runs in the background; a play asked for before it ends starts once it has.
    m_effect->play();
}
