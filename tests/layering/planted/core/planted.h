// A planted violation: the layering check must reject this tree.
#pragma once
#include <windows.h>
