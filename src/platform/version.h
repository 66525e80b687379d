#pragma once

#include <QString>

// "Quendel | version 3.5 ": the program's name and the version it is built
// as (the project version of the build), as the main window's caption
// shows them.
QString versionCaption();
