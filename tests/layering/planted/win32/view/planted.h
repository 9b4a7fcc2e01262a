// A planted violation: a room includes a room above it.
#pragma once
#include "win32/bar/title_painter.h"
