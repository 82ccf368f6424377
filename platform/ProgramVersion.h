#pragma once

#include <QString>

// The version of Tavelin, "1.0": the project's version in the top
// CMakeLists.txt, the one the package carries too.
QString programVersion();
