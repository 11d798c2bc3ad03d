#pragma once

#include <QString>

// What a player should know before saving into the game's own config folder: the game runs
// autoexec.cfg by itself at every start, rewrites config.cfg when it quits, runs server.cfg and
// config_default.cfg by itself when it needs them, and runs any other file only when something
// execs it.
namespace SaveGuidance {

enum class Advice {
    None,
    ConfigRewritten, // config.cfg: the game writes over it when it quits
    NotRunByItself,  // a new file of another name: nothing runs it unless it is exec'd
};

// The advice for saving to `path` when it is in the game's config folder: the one the Steam lookup
// found (`foundFolder`, empty when none), compared by canonical path, or any folder named cfg directly
// inside one named cstrike. Names compare without regard to letter case; an existing file of
// another name was made by the player, and may well be exec'd on purpose, so it needs none.
Advice adviceFor(const QString &path, const QString &foundFolder);

// The file name as exec takes it: in double quotes when it holds a blank, which would end it.
QString execArgument(const QString &fileName);
// Whether exec can run a file of this name: only names that end in .cfg.
bool execRuns(const QString &fileName);

// Where "Save to autoexec.cfg" saves: autoexec.cfg in the folder of `path`, spelt as a file already
// there spells it.
QString autoexecBeside(const QString &path);

} // namespace SaveGuidance
