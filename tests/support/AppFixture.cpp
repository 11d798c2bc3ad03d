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
    prompts.clearShown();
    MainWindow *created = controller.createMainWindow();
    greeting = prompts.shown();
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

QString AppFixture::writeData(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(data.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

void AppFixture::trigger(const QString &actionName) const
{
    window()->menuAction(actionName)->trigger();
}

QStringList AppFixture::titlesShown() const
{
    QStringList titles;
    for (const ScriptedPrompts::Shown &shown : prompts.shown())
        titles << shown.title;
    return titles;
}
