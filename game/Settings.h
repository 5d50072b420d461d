// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The player's choices; one field per key of the settings file's Settings
// section, plus sndWheelSpin, which is never stored.
struct Settings {
  bool Sound = true;
  bool sndCoins = true;
  bool sndCredits = true;
  bool sndSpin = false;
  bool sndStop = true;
  bool sndWheelSpin = true;
  bool sndWin = true;
  bool sndBonus = true;
  bool sndPowerUp = true;
  bool sndPowerDown = true;
  bool sndLose = false;

  std::string WinSound;
  std::string LoseSound;
  std::string PowerUpSound;
  std::string PowerDownSound;
  std::string BonusSound;

  std::uint8_t Speed = 0;     // 0 Fast, 1 Medium, 2 Slow
  std::uint8_t Bet = 3;       // coin value index, see CoinValues
  std::uint8_t BackMode = 0;  // 0 tiled picture, 1 solid colour
  std::int32_t BackColor = ButtonFaceColor;
  std::string BackBMP;

  bool MusicOn = false;
  std::array<bool, 8> PlayList{};
  std::array<std::string, 8> MIDISong;
  std::array<std::string, 8> MIDIName;

  // The size the player gave the Game History window, in logical pixels;
  // 0 until they give it one.
  std::int32_t HistoryWidth = 0;
  std::int32_t HistoryHeight = 0;

  // System colour "button face" in the file's colour encoding
  // (0x80000000 + system colour index 15).
  static constexpr std::int32_t ButtonFaceColor = static_cast<std::int32_t>(0x8000000FU);
};

inline constexpr int SongSlots = 8;
inline constexpr std::size_t PathCapacity = 255;
inline constexpr std::size_t SongNameCapacity = 12;

// Default file names, found in the program's folder.
inline constexpr const char* DefaultWinSound = "VOLTA5.WAV";
inline constexpr const char* DefaultLoseSound = "VOLTA8.WAV";
inline constexpr const char* DefaultPowerUpSound = "VOLTA6.WAV";
inline constexpr const char* DefaultPowerDownSound = "VOLTA7.WAV";
inline constexpr const char* DefaultBonusSound = "VOLTA4.WAV";
inline constexpr const char* DefaultBackground = "BKGRND1.BMP";

// Every field at its start-up value. programDir ends with a '/'.
// Songs 0 to 2 are the shipped ones and are selected until the file is read.
Settings DefaultSettings(const std::string& programDir);

// The start-up name of song slot n (0..7).
std::string DefaultSongName(int slot);
// The start-up path of song slot n: the shipped song, or empty.
std::string DefaultSongPath(const std::string& programDir, int slot);
