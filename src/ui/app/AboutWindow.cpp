#include "ui/app/AboutWindow.h"

#include "ui/widgets/DesignFont.h"

#include "core/app/BuildInfo.h"
#include "core/app/ProgramVersion.h"
#include "ui/widgets/LinePanel.h"
#include "ui/widgets/LogoPicture.h"
#include "ui/widgets/ScreenCentre.h"
#include "ui/widgets/Twips.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int clientWidth = 6675;
constexpr int clientHeight = 2850;
constexpr QRgb darkGrey = 0x404040;

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"aboutfr"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(u"About Tunewick"_s);
    setFixedSize(Twips::toPixels(clientWidth), Twips::toPixels(clientHeight));
    setFont(DesignFont::arial());

    // The whole client area draws the divider; the labels sit on it.
    auto *client = new LinePanel(this);
    client->setGeometry(rect());
    QPalette colours = palette();
    const QColor highlight = colours.color(QPalette::Light);
    colours.setColor(QPalette::Window, QColor::fromRgb(darkGrey));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    QPalette lineColour = colours;
    lineColour.setColor(QPalette::WindowText, highlight);
    client->setPalette(lineColour);
    client->addLine(105, 2100, 6510, 2100);

    auto *image = new QLabel(this);
    image->setObjectName(u"Image1"_s);
    image->setPixmap(QPixmap::fromImage(LogoPicture::make()));
    image->setScaledContents(true);
    image->setGeometry(Twips::rect(120, 120, 2160, 1800));

    const auto addLabel = [this, &colours](const QString &objectName, const QString &text, qreal points, QRect twips) {
        auto *label = new QLabel(text, this);
        label->setObjectName(objectName);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        label->setFont(DesignFont::arial(points));
        label->setPalette(colours);
        label->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
        return label;
    };
    const QString contact = QString::fromUtf8(BuildInfo::contactEmail);
    addLabel(u"Label1"_s, u"Tunewick"_s, 12, {2520, 120, 3840, 255});
    addLabel(u"lblTitle"_s, u"Written by the Tunewick authors, with descriptions in their own words."_s, 8.25,
             {2520, 480, 3885, 555});
    addLabel(u"lblVersion"_s, ProgramVersion::current().labelText(), 8.25, {2520, 1050, 3885, 225});
    addLabel(u"lblDescription"_s, u"Found a bug? Please report it to "_s + contact, 8.25, {2505, 1470, 3885, 450});
    addLabel(u"lblDisclaimer"_s, QString(), 8.25, {120, 2280, 4695, 495});

    auto *ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"cmdOK"_s);
    ok->setGeometry(Twips::rect(5040, 2310, 1380, 360));
    ok->setDefault(true);
    // Esc rejects the dialog, which closes it just as OK does.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
}
