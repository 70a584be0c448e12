#pragma once

#include "platform/UserTriggerSource.h"

#include <functional>

class LineOutput;

// The triggers of the user's own espanso match files, read and never written.
//
// Reads what espanso loads from its match folder: every .yml and .yaml file in
// it and its subfolders (hub packages live in packages/), following symbolic
// links, except files whose names start with "_" and this program's own
// tesselle.yml; and every file that a file read lists under `imports:`
// (relative to its own folder), which is how "_" files come in. Of each match
// it takes the `trigger:` text and every text of a `triggers:` list; regex
// triggers and entries of other shapes are left out. Each file is read once.
// The `includes` and `excludes` of espanso's config files are not looked at.
//
// A file that cannot be used (unreadable, larger than maxFileSize, not YAML,
// not a map, a `matches` that is not a list, a folder, a pipe or a file of
// /proc named like a match file or imported, a loop of symbolic links) is
// skipped with one line on the output, e.g.
//   Skipped espanso match file "broken.yml": not valid YAML (end of map not found, line 3)
// A missing match folder holds no triggers and is no failure.
class EspansoUserTriggers : public UserTriggerSource {
public:
    // Some forty thousand matches, far above hub packages and hand-written
    // files. A file takes some forty times its size while it is parsed.
    static constexpr size_t maxFileSize = size_t(2) << 20;

    // matchFolder: <espanso config folder>/match, see EspansoConfigFolder.
    EspansoUserTriggers(QString matchFolder, LineOutput& output);
    // The match folder as it is when the triggers are read: the program's
    // list settles where espanso is only once it is opened.
    EspansoUserTriggers(std::function<QString()> matchFolder, LineOutput& output);

    // File by file in the order read: folders in name order, an imported file
    // right after the file importing it; within a file, in its order. A file
    // outside the match folder is named by its absolute path.
    QList<UserTrigger> userTriggers() const override;

private:
    const std::function<QString()> m_matchFolder;
    LineOutput& m_output;
};
