// The floor of the second-start figure: a program that starts and ends. It
// loads the user-interface library, as every window program does.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return GetDesktopWindow() ? 0 : 1;
}
