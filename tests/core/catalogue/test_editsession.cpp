#include "core/catalogue/EditSession.h"
#include "core/catalogue/ValueRule.h"
#include "core/output/ConfigText.h"
#include "support/ChoicesText.h"

#include <QTest>

using namespace Qt::StringLiterals;

// What a window's edits mark as changed since its file was opened or saved, and so what a save writes.
class TestEditSession : public QObject {
    Q_OBJECT

private slots:
    void marksWhatChangedSinceOpenOrSave_data()
    {
        QTest::addColumn<QString>("steps"); // "name=value" an edit; "open F name=value" an Open; "save F"; undo; redo
        // The window's file | the lines Update of that file writes | the lines a new file or Replace writes
        QTest::addColumn<QString>("saves");
        const auto row = [](const char *name, const QString &steps, const QString &saves) {
            QTest::newRow(name) << steps << saves;
        };
        row("edits", u"fov=90; cl_showfps=1"_s, u"|cl_showfps 1, fov 90|cl_showfps 1, fov 90"_s);
        row("a slider moved and brought back", u"fov=90; fov=75"_s, u"|fov 75|fov 75"_s);
        row("set, not altered", u"fov=75"_s, u"||fov 75"_s);
        row("open clears, and merges", u"fov=90; open a.cfg rate=30000"_s, u"a.cfg||rate 30000, fov 90"_s);
        row("after open, edits", u"open a.cfg rate=30000; cl_showfps=0; fov=80"_s,
            u"a.cfg|cl_showfps 0, fov 80|cl_showfps 0, rate 30000, fov 80"_s);
        row("save clears", u"fov=90; save b.cfg"_s, u"b.cfg||fov 90"_s);
        row("undo over a save marks", u"fov=90; save b.cfg; undo"_s, u"b.cfg|fov 75|"_s);
        row("undo of an open gives back file and marks", u"fov=90; save b.cfg; cl_showfps=1; open a.cfg fov=80; undo"_s,
            u"b.cfg|cl_showfps 1|cl_showfps 1, fov 90"_s);
        row("redo of an open", u"cl_showfps=1; open a.cfg fov=80; undo; redo"_s, u"a.cfg||cl_showfps 1, fov 80"_s);
        row("redo marks", u"fov=90; undo; save c.cfg; redo"_s, u"c.cfg|fov 90|fov 90"_s);
    }
    void marksWhatChangedSinceOpenOrSave()
    {
        QFETCH(QString, steps);
        QFETCH(QString, saves);
        EditSession session;
        const auto edited = [&session](const QString &assignment) {
            Choices value = session.value();
            const Catalogue::SettingId setting = named(assignment.section(u'=', 0, 0).toStdString());
            value.set(setting, *ValueRule::read(setting, assignment.section(u'=', 1).toLatin1(), false).taken);
            return value;
        };
        for (const QString &step : steps.split(u"; "_s)) {
            const QStringList words = step.split(u' ');
            if (words[0] == u"open"_s)
                session.open(edited(words[2]), step, words[1]);
            else if (words[0] == u"save"_s)
                session.saved(words[1]);
            else if (words[0] == u"undo"_s)
                session.undo();
            else if (words[0] == u"redo"_s)
                session.redo();
            else
                session.edit(edited(step), step, named(step.section(u'=', 0, 0).toStdString()));
        }
        const auto listed = [](const QList<SettingLine> &lines) {
            QStringList names;
            for (const SettingLine &line : lines)
                names << QString::fromLatin1(line.text());
            return names.join(u", "_s);
        };
        const QString ownFile = listed(settingLinesChanged(session.value(), session.file().changed));
        QCOMPARE(session.file().path + u'|' + ownFile + u'|' + listed(settingLinesSetInWindow(session.value())), saves);
        QCOMPARE(session.hasUnsavedChanges(), !ownFile.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEditSession)
#include "test_editsession.moc"
