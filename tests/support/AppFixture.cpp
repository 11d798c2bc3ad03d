#include "support/AppFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

AppFixture::AppFixture()
    : controller(prompts, data.path(), [this] { ++programEnds; })
{
    const QDir shipped(QStringLiteral(TUNEWICK_SOURCE_DATA_DIR));
    for (const QString &file : shipped.entryList({QStringLiteral("*.cst")}, QDir::Files))
        QFile::copy(shipped.filePath(file), data.filePath(file));
    controller.setStartupSound(sound);
}

AppFixture::~AppFixture()
{
    if (window())
        finish();
}

MainWindow *AppFixture::start()
{
    MainWindow *created = controller.createMainWindow();
    prompts.clearShown();
    return created;
}

bool AppFixture::finish()
{
    if (window()) {
        prompts.answerYesNo(true);
        window()->close();
    }
    // The closed window deletes itself later.
    return QTest::qWaitFor([this] { return !window(); });
}

void AppFixture::trigger(const QString &actionName) const
{
    window()->menuAction(actionName)->trigger();
}
