#pragma once

#include "binding/RecordFile.h"
#include "binding/SupportLibrary.h"

#include <memory>

// The support library beside the program, bound once and shared by the settings store (User.dat)
// and the sound effects.
std::shared_ptr<SupportLibrary> ProgramSupportLibrary();

// User.dat through the given library as the game uses it: a library that cannot be bound is
// reported once as error 48, naming the first function asked for.
std::unique_ptr<RecordFile> GameRecordFile(std::shared_ptr<SupportLibrary> library);
