// Window-message values the docking engine takes and returns as plain ints;
// they equal the platform's constants so the window procedure passes them through.
#pragma once

namespace olb {

// Non-client hit-test results (WM_NCHITTEST).
namespace hit {
inline constexpr int Client = 1;
inline constexpr int Caption = 2;
inline constexpr int Left = 10;
inline constexpr int Right = 11;
inline constexpr int Top = 12;
inline constexpr int TopLeft = 13;
inline constexpr int TopRight = 14;
inline constexpr int Bottom = 15;
inline constexpr int BottomLeft = 16;
inline constexpr int BottomRight = 17;
inline constexpr int Border = 18;
}  // namespace hit

// The side or corner being dragged (WM_SIZING's wParam).
namespace sizing {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Top = 3;
inline constexpr int TopLeft = 4;
inline constexpr int TopRight = 5;
inline constexpr int Bottom = 6;
inline constexpr int BottomLeft = 7;
inline constexpr int BottomRight = 8;
}  // namespace sizing

// System-menu commands (WM_SYSCOMMAND's wParam); the low four bits are the
// system's own.
namespace syscommand {
inline constexpr uint32_t Mask = 0xFFF0;
inline constexpr uint32_t Maximize = 0xF030;
}  // namespace syscommand

}  // namespace olb
