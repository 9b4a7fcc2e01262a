// A planted violation: the ground floor includes a folder above it.
#pragma once
#include "win32/bar/bar_window.h"
