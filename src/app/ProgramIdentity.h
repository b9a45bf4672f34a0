#pragma once

// Names the program for Qt as every start of the editor does: the settings store's organisation
// and application names, the version and the desktop entry. Tests of the real start-up call it
// too.
void setProgramIdentity();
