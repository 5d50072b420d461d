// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The topics of the help file, by context number. A window names its topic in
// its HelpContextProperty; F1 and its Help button open that topic.
inline constexpr int BorrowHelpContext = 41005;
inline constexpr int MainHelpContext = 41006;
inline constexpr int PaychartHelpContext = 41009;
inline constexpr int SaveHelpContext = 41010;
// The sound and the song dialog share one topic.
inline constexpr int SoundHelpContext = 41011;
inline constexpr int HistoryHelpContext = 41012;

inline constexpr const char* HelpContextProperty = "helpContext";
