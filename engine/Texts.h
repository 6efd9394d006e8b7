#pragma once

// The table's own words, shown exactly so.
namespace vantorel::text {

inline constexpr const char* Title = "Vantorel";
inline constexpr const char* GameOver = "Game Over";
inline constexpr const char* NewGame = "New Game";
inline constexpr const char* Deal = "Deal";
inline constexpr const char* Draw = "Draw";
inline constexpr const char* Hold = "Hold";
inline constexpr const char* Clear = "Clear";
inline constexpr const char* CardFlipSound = "cflip.wav";
inline constexpr const char* AlertSound = "alert.wav";

}  // namespace vantorel::text
