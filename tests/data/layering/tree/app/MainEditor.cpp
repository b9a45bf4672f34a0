#include "MainEditor.h"
#include "render/QtCanvas.h"
#include "vrml/WorldWriter.h"
#include "webpage/WebPageExport.h"

#include <QWidget>
