#pragma once

#include <QString>

// The support library's full file name in the given folder. Always the exact file name: the
// game program beside it is called QueltaBrovel too, and a bare name would let the loader pick
// the program instead of the library.
QString SupportLibraryPath(const QString& folder);
