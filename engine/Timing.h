#pragma once

// The pace of the table's show, in seconds, in one place.
namespace vantorel::timing {

inline constexpr double BeforeEachCard = 1.0;  // before a card is turned face up
inline constexpr double FlashHalf = 0.6;       // winning cards shown as WIN, then as faces
inline constexpr int Flashes = 3;
inline constexpr double CountUpStep = 0.05;  // after each step of a win's count-up
inline constexpr double GameOverBlinkHalf = 0.5;
inline constexpr int GameOverBlinks = 7;

}  // namespace vantorel::timing
