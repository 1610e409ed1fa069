#pragma once

#include "scriptedfilesystem.h"
#include "scriptedinteraction.h"

// Both seams scripted in one object, for code that takes a file system and a user
// interaction: pass the same object for both.
class ScriptedPlatform : public ScriptedFileSystem, public ScriptedInteraction {};
