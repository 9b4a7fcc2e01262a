// Numeric ids of the program's icon resources other than its own icon.
// The shell shows the first icon group of a program file as its icon, and
// named groups come before numbered ones in alphabetical order: MAINICON is
// the one named group, so the program looks like itself wherever it is shown.
#pragma once

#define OLB_OKGLYPH 201
#define OLB_CANCELGLYPH 202
