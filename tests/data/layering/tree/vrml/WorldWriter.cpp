#include "WorldWriter.h"
#include "platform/TextBuffer.h"
#include "scene/Scene.h"

// A sideways include: the world writer may not read scene files.
#include "scenefile/SceneFile.h"
