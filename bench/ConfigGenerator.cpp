#include "ConfigGenerator.h"

#include "core/catalogue/Catalogue.h"

#include <QFile>

#include <array>
#include <random>

namespace ConfigGenerator {

namespace {

constexpr std::array<const char *, 8> keys = {"w", "a", "s", "d", "MOUSE1", "MOUSE2", "SPACE", "CTRL"};
constexpr std::array<const char *, 8> commands = {"+forward", "+moveleft", "+back", "+moveright",
                                                  "+attack",  "+attack2",  "+jump", "+duck"};
constexpr std::array<const char *, 8> unknownNames = {"sensitivity",      "volume",      "hud_fastswitch",
                                                      "m_rawinput",       "voice_scale", "cl_crosshairsize",
                                                      "zoom_sensitivity", "snd_mixahead"};
constexpr std::array<const char *, 5> comments = {"// network", "// graphics settings below",
                                                  "//============", "// keep these for matches", "//"};

class Lines {
public:
    explicit Lines(std::mt19937 &random)
        : m_random(random)
    {
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // One line without its end.
    QByteArray next()
    {
        const auto settings = Catalogue::settings();
        const Catalogue::Setting &setting = settings[below(int(settings.size()))];
        const QByteArray name(setting.name.data(), qsizetype(setting.name.size()));
        switch (below(16)) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
            return name + ' ' + value(setting);
        case 5:
        case 6:
            return name + " \"" + value(setting) + '"';
        case 7:
            return name + ' ' + value(setting) + ".0";
        case 8:
        case 9:
            return QByteArray("bind \"") + keys[below(int(keys.size()))] + "\" \""
                   + commands[below(int(commands.size()))] + '"';
        case 10:
            return QByteArray("alias \"+jumpthrow\" \"+jump;-attack\"");
        case 11:
            return comments[below(int(comments.size()))];
        case 12:
            return below(2) ? QByteArray("echo :::config loaded:::") : QByteArray("echo \"settings applied\"");
        case 13:
        case 14:
            return QByteArray(unknownNames[below(int(unknownNames.size()))]) + " \"" + QByteArray::number(below(100))
                   + '.' + QByteArray::number(below(10)) + '"';
        default:
            return {};
        }
    }

private:
    QByteArray value(const Catalogue::Setting &setting)
    {
        switch (setting.kind) {
        case Catalogue::Kind::ThreeState:
            return QByteArray::number(below(2));
        case Catalogue::Kind::Slider:
            return QByteArray::number(setting.slider.min + below(setting.slider.max - setting.slider.min + 1));
        case Catalogue::Kind::DirectX:
            return QByteArray::number(Catalogue::dxLevels[below(int(Catalogue::dxLevels.size()))].level);
        }
        return {};
    }

    std::mt19937 &m_random;
};

} // namespace

QByteArray realisticConfig(qint64 bytes)
{
    std::mt19937 random(7);
    Lines lines(random);
    QByteArray text;
    text.reserve(bytes + 256);
    int lineNumber = 0;
    while (text.size() < bytes) {
        text += lines.next();
        // Files edited on both systems: a few hundred lines of each end at a time.
        text += (lineNumber++ / 300) % 2 ? "\n" : "\r\n";
    }
    return text;
}

bool writeRealisticConfig(const QString &path, qint64 bytes)
{
    QFile file(path);
    const QByteArray text = realisticConfig(bytes);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace ConfigGenerator
