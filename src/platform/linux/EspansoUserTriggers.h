#pragma once

#include "platform/UserTriggerSource.h"

class LineOutput;

// The triggers of the user's own espanso match files, read and never written.
//
// Reads what espanso loads from its match folder: every .yml and .yaml file in
// it and its subfolders (hub packages live in packages/), following symbolic
// links, except files whose names start with "_" and this program's own
// tesselle.yml. Of each match it takes the `trigger:` text and every text of
// a `triggers:` list; regex triggers and entries of other shapes are left out.
//
// A file that cannot be used (unreadable, not YAML, not a map, a `matches`
// that is not a list, a folder or a pipe named like a match file, a loop of
// symbolic links) is skipped with one line on the output, e.g.
//   Skipped espanso match file "broken.yml": not valid YAML (end of map not found, line 3)
// A missing match folder holds no triggers and is no failure.
class EspansoUserTriggers : public UserTriggerSource {
public:
    // matchFolder: <espanso config folder>/match, see EspansoConfigFolder.
    EspansoUserTriggers(QString matchFolder, LineOutput& output);

    // In the order of the files' paths, then of the file.
    QList<UserTrigger> userTriggers() const override;

private:
    const QString m_matchFolder;
    LineOutput& m_output;
};
