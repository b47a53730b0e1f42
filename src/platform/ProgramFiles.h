#pragma once
// Files the game ships besides its program: in a build they stand beside the program, once
// installed where the package put them, found from the program's folder whatever the prefix.
#include <QString>

namespace quoxa {

// The file `name` beside the program if it is there, else the installed one, given by its
// path relative to the program's folder.
QString ProgramFile(const QString &name, const QString &installedRelative);

} // namespace quoxa
