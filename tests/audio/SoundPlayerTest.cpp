// SPDX-License-Identifier: GPL-3.0-or-later
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/stat.h>

#include <chrono>
#include <vector>

#include "AudioDevice.h"
#include "AudioTestFiles.h"
#include "MixerLibrary.h"
#include "SoundPlayer.h"
#include "WaveImage.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr SoundEvent AllEvents[] = {
    SoundEvent::seCoins,   SoundEvent::seCredits,    SoundEvent::seSlotSpin,
    SoundEvent::seStop,    SoundEvent::seWin,        SoundEvent::seLose,
    SoundEvent::sePowerUp, SoundEvent::sePowerDrain, SoundEvent::seBonus};

// Bytes the program holds on its heap now, small blocks and mapped ones.
long long HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<long long>(info.uordblks + info.hblkhd);
}

constexpr long long TenMegabytes = 10LL << 20;

// Wave files whose headers promise hours of audio in a few bytes, or a
// length just past what an effect may last.
std::string WriteHostileWave(const ScratchFolder& folder, const std::string& name, int rate,
                             int samples) {
  const auto image = MakeWaveImage(std::vector<std::int16_t>(samples, 1000), rate, 1);
  return folder.WriteBytes(name, std::string(image.begin(), image.end()));
}

long MillisecondsSince(Clock::time_point start) {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

// A program folder with short sounds of its own, and a player that records
// every sound it starts.
class SoundPlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(audio_device::Available()) << "the dummy audio driver should open";
    for (const char* name : EventWaveFiles) folder.WriteWave(name, 40);
    for (const char* name : {DefaultWinSound, DefaultLoseSound, DefaultPowerUpSound,
                             DefaultPowerDownSound, DefaultBonusSound})
      folder.WriteWave(name, 60);
    settings = DefaultSettings(folder.Dir());
    player.SetObserver([this](const SoundStart& start) { started.push_back(start); });
  }

  void AllSwitches(bool on) {
    settings.sndCoins = settings.sndCredits = settings.sndSpin = settings.sndStop = on;
    settings.sndWin = settings.sndLose = settings.sndPowerUp = settings.sndPowerDown = on;
    settings.sndBonus = on;
  }

  // The events that make a sound under the current switches.
  std::vector<SoundEvent> SoundingEvents() {
    std::vector<SoundEvent> sounding;
    for (SoundEvent event : AllEvents) {
      const std::size_t before = started.size();
      player.PlayEventSound(event);
      if (started.size() > before) sounding.push_back(event);
    }
    return sounding;
  }

  ScratchFolder folder;
  Settings settings;
  SoundPlayer player{settings};
  std::vector<SoundStart> started;
};

TEST_F(SoundPlayerTest, SwitchesDecideWhichEventsSound) {
  player.LoadEventWaves(folder.Dir());

  settings.Sound = false;
  AllSwitches(true);
  EXPECT_TRUE(SoundingEvents().empty()) << "the master switch silences every event";

  settings.Sound = true;
  AllSwitches(false);
  EXPECT_TRUE(SoundingEvents().empty());

  const std::pair<SoundEvent, bool Settings::*> switches[] = {
      {SoundEvent::seCoins, &Settings::sndCoins},
      {SoundEvent::seCredits, &Settings::sndCredits},
      {SoundEvent::seSlotSpin, &Settings::sndSpin},
      {SoundEvent::seStop, &Settings::sndStop},
      {SoundEvent::seWin, &Settings::sndWin},
      {SoundEvent::seLose, &Settings::sndLose},
      {SoundEvent::sePowerUp, &Settings::sndPowerUp},
      {SoundEvent::sePowerDrain, &Settings::sndPowerDown},
      {SoundEvent::seBonus, &Settings::sndBonus}};
  for (const auto& [event, flag] : switches) {
    AllSwitches(false);
    settings.*flag = true;
    EXPECT_EQ(SoundingEvents(), std::vector<SoundEvent>{event})
        << "event " << static_cast<int>(event);
    settings.Sound = false;
    EXPECT_TRUE(SoundingEvents().empty());
    settings.Sound = true;
  }

  // Master back on with the start-up switches: slot spin and lose stay quiet.
  settings = DefaultSettings(folder.Dir());
  EXPECT_EQ(SoundingEvents(),
            (std::vector<SoundEvent>{SoundEvent::seCoins, SoundEvent::seCredits, SoundEvent::seStop,
                                     SoundEvent::seWin, SoundEvent::sePowerUp,
                                     SoundEvent::sePowerDrain, SoundEvent::seBonus}));
}

TEST_F(SoundPlayerTest, EventsPlayTheirOwnSourceInTheirMode) {
  player.LoadEventWaves(folder.Dir());
  AllSwitches(true);
  const std::pair<SoundEvent, std::string> memory[] = {{SoundEvent::seStop, "VOLTA0.WAV"},
                                                       {SoundEvent::seSlotSpin, "VOLTA1.WAV"},
                                                       {SoundEvent::seCoins, "VOLTA2.WAV"},
                                                       {SoundEvent::seCredits, "VOLTA3.WAV"}};
  for (const auto& [event, name] : memory) {
    started.clear();
    player.PlayEventSound(event);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].source, SoundSource::Memory);
    EXPECT_EQ(started[0].name, name);
    EXPECT_FALSE(started[0].synchronous);
  }
  const std::pair<SoundEvent, std::string> files[] = {
      {SoundEvent::seWin, settings.WinSound},
      {SoundEvent::seLose, settings.LoseSound},
      {SoundEvent::sePowerUp, settings.PowerUpSound},
      {SoundEvent::sePowerDrain, settings.PowerDownSound},
      {SoundEvent::seBonus, settings.BonusSound}};
  for (const auto& [event, path] : files) {
    started.clear();
    player.PlayEventSound(event);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].source, SoundSource::File);
    EXPECT_EQ(started[0].name, path);
    EXPECT_TRUE(started[0].synchronous);
  }
}

// Every sound starts and returns at once; a file sound says how long it
// holds the game (its length), a memory sound holds nothing.
TEST_F(SoundPlayerTest, FileSoundsHoldTheGameForTheirLengthAndMemorySoundsDoNot) {
  folder.WriteWave("VOLTA2.WAV", 600);
  folder.WriteWave("long-win.wav", 400);
  settings.WinSound = folder.Path("long-win.wav");
  player.LoadEventWaves(folder.Dir());

  auto start = Clock::now();
  EXPECT_EQ(player.PlayEventSound(SoundEvent::seCoins), 0);
  EXPECT_LT(MillisecondsSince(start), 300) << "a memory sound returns at once";
  EXPECT_TRUE(Mix_Playing(audio_device::EffectChannel));

  start = Clock::now();
  const int hold = player.PlayEventSound(SoundEvent::seWin);
  EXPECT_LT(MillisecondsSince(start), 300) << "a file sound returns at once too";
  EXPECT_GE(hold, 390);
  EXPECT_LE(hold, 410);
  // The win sound cut off the long coin sound and plays in its place.
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started.back().source, SoundSource::File);
  EXPECT_TRUE(Mix_Playing(audio_device::EffectChannel));
  // The next sound cuts the file sound off in turn, its memory freed.
  EXPECT_EQ(player.PlayEventSound(SoundEvent::seCoins), 0);
  EXPECT_TRUE(Mix_Playing(audio_device::EffectChannel));
}

TEST_F(SoundPlayerTest, MissingOrUnreadableEventWavesLeaveOnlyThoseEventsSilent) {
  std::remove(folder.Path("VOLTA0.WAV").c_str());
  folder.WriteBytes("VOLTA2.WAV", "this is not a wave file");
  player.LoadEventWaves(folder.Dir());

  EXPECT_FALSE(player.HasEventWave(SoundEvent::seStop));
  EXPECT_FALSE(player.HasEventWave(SoundEvent::seCoins));
  EXPECT_TRUE(player.HasEventWave(SoundEvent::seSlotSpin));
  EXPECT_TRUE(player.HasEventWave(SoundEvent::seCredits));

  AllSwitches(true);
  player.PlayEventSound(SoundEvent::seStop);
  player.PlayEventSound(SoundEvent::seCoins);
  EXPECT_TRUE(started.empty());
  player.PlayEventSound(SoundEvent::seCredits);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].name, "VOLTA3.WAV");
}

TEST_F(SoundPlayerTest, AFileThatCannotBePlayedSoundsTheDefaultSound) {
  player.LoadEventWaves(folder.Dir());
  settings.WinSound = folder.Path("vanished.wav");
  settings.LoseSound = folder.WriteBytes("broken.wav", "RIFF garbage");
  settings.sndLose = true;

  for (SoundEvent event : {SoundEvent::seWin, SoundEvent::seLose}) {
    started.clear();
    const int hold = player.PlayEventSound(event);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].source, SoundSource::Default);
    EXPECT_TRUE(started[0].synchronous);
    EXPECT_GE(hold, 250) << "the default sound holds the game too";
  }
}

TEST_F(SoundPlayerTest, AbsurdlyLongFileSoundsAreRefusedQuicklyWithoutMemory) {
  player.LoadEventWaves(folder.Dir());
  settings.sndLose = true;
  const std::string hostile[] = {
      WriteHostileWave(folder, "one-hertz.wav", 1, 600),          // 1,244 bytes, ten minutes
      WriteHostileWave(folder, "five-hours.wav", 1, 20000),       // 40 KB, five and a half hours
      WriteHostileWave(folder, "too-long.wav", 8000, 8000 * 31),  // honest, but 31 seconds
  };
  const std::string fifo = folder.Path("pipe.wav");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  long long heapWhilePlaying = 0;
  player.SetObserver([&](const SoundStart& start) {
    started.push_back(start);
    heapWhilePlaying = HeapInUse();
  });
  for (const std::string& path : {hostile[0], hostile[1], hostile[2], fifo}) {
    for (bool preview : {false, true}) {
      started.clear();
      settings.LoseSound = path;
      const long long heapBefore = HeapInUse();
      const auto start = Clock::now();
      if (preview)
        player.PlayFile(path);
      else
        player.PlayEventSound(SoundEvent::seLose);
      EXPECT_LT(MillisecondsSince(start), 2000) << path;
      ASSERT_EQ(started.size(), 1u) << path;
      // Like any file that cannot be played: the short chime in its place.
      EXPECT_EQ(started[0].source, SoundSource::Default) << path;
      EXPECT_LT(heapWhilePlaying - heapBefore, TenMegabytes) << path;
    }
  }
}

TEST_F(SoundPlayerTest, AbsurdlyLongMemorySoundsLeaveTheirEventsSilent) {
  WriteHostileWave(folder, "VOLTA0.WAV", 1, 600);
  WriteHostileWave(folder, "VOLTA1.WAV", 1, 20000);
  WriteHostileWave(folder, "VOLTA2.WAV", 8000, 8000 * 31);
  const long long heapBefore = HeapInUse();
  const auto start = Clock::now();
  player.LoadEventWaves(folder.Dir());
  EXPECT_LT(MillisecondsSince(start), 2000);
  EXPECT_LT(HeapInUse() - heapBefore, TenMegabytes);
  EXPECT_FALSE(player.HasEventWave(SoundEvent::seStop));
  EXPECT_FALSE(player.HasEventWave(SoundEvent::seSlotSpin));
  EXPECT_FALSE(player.HasEventWave(SoundEvent::seCoins));
  EXPECT_TRUE(player.HasEventWave(SoundEvent::seCredits));
  AllSwitches(true);
  for (SoundEvent event : {SoundEvent::seStop, SoundEvent::seSlotSpin, SoundEvent::seCoins})
    player.PlayEventSound(event);
  EXPECT_TRUE(started.empty());
}

TEST_F(SoundPlayerTest, PreviewPlaysAFileWhateverTheSwitches) {
  settings.Sound = false;
  player.PlayFile(settings.BonusSound);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].source, SoundSource::File);
  EXPECT_EQ(started[0].name, settings.BonusSound);
  EXPECT_TRUE(started[0].synchronous);
}

TEST(ShippedSounds, AllDecodeAndStayShort) {
  ASSERT_TRUE(audio_device::Available());
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  ASSERT_TRUE(Mix_QuerySpec(&frequency, &format, &channels));
  const double bytesPerSecond = frequency * channels * (SDL_AUDIO_BITSIZE(format) / 8);
  for (int n = 0; n <= 8; ++n) {
    const std::string path = RuntimeDir() + "VOLTA" + std::to_string(n) + ".WAV";
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    ASSERT_NE(chunk, nullptr) << path;
    const double seconds = chunk->alen / bytesPerSecond;
    Mix_FreeChunk(chunk);
    // The first four restart many times a second; the game waits for the rest.
    EXPECT_LE(seconds, n < 4 ? 0.3 : 2.0) << path;
    EXPECT_GT(seconds, 0.01) << path;
  }
  Settings settings = DefaultSettings(RuntimeDir());
  SoundPlayer player(settings);
  player.LoadEventWaves(RuntimeDir());
  for (SoundEvent event :
       {SoundEvent::seStop, SoundEvent::seSlotSpin, SoundEvent::seCoins, SoundEvent::seCredits})
    EXPECT_TRUE(player.HasEventWave(event));
}

// The library is looked up by name at run time, so a misspelt function or a
// soname this system lacks would only show as a silent game.
TEST(MixerLibrary, EveryFunctionIsFoundOrTheMissingOneIsNamed) {
  std::string failure;
  const auto mixer = OpenMixerLibrary(MixerLibraryName, failure);
  ASSERT_TRUE(mixer.has_value()) << failure;
  // Each under its own name: functions of one type could be swapped.
  EXPECT_EQ(mixer->InitSubSystem, &SDL_InitSubSystem);
  EXPECT_EQ(mixer->QuitSubSystem, &SDL_QuitSubSystem);
  EXPECT_EQ(mixer->RWFromConstMem, &SDL_RWFromConstMem);
  EXPECT_EQ(mixer->GetError, &SDL_GetError);
  EXPECT_EQ(mixer->OpenAudio, &Mix_OpenAudio);
  EXPECT_EQ(mixer->CloseAudio, &Mix_CloseAudio);
  EXPECT_EQ(mixer->Init, &Mix_Init);
  EXPECT_EQ(mixer->Quit, &Mix_Quit);
  EXPECT_EQ(mixer->AllocateChannels, &Mix_AllocateChannels);
  EXPECT_EQ(mixer->SetSoundFonts, &Mix_SetSoundFonts);
  EXPECT_EQ(mixer->QuerySpec, &Mix_QuerySpec);
  EXPECT_EQ(mixer->LoadWAV_RW, &Mix_LoadWAV_RW);
  EXPECT_EQ(mixer->FreeChunk, &Mix_FreeChunk);
  EXPECT_EQ(mixer->PlayChannel, &Mix_PlayChannel);
  EXPECT_EQ(mixer->HaltChannel, &Mix_HaltChannel);
  EXPECT_EQ(mixer->LoadMUS, &Mix_LoadMUS);
  EXPECT_EQ(mixer->FreeMusic, &Mix_FreeMusic);
  EXPECT_EQ(mixer->GetMusicType, &Mix_GetMusicType);
  EXPECT_EQ(mixer->PlayMusic, &Mix_PlayMusic);
  EXPECT_EQ(mixer->HaltMusic, &Mix_HaltMusic);
  EXPECT_EQ(mixer->HookMusicFinished, &Mix_HookMusicFinished);

  EXPECT_FALSE(OpenMixerLibrary("libvoltaro-no-such-library.so.0", failure));
  EXPECT_NE(failure.find("libvoltaro-no-such-library.so.0"), std::string::npos) << failure;

  EXPECT_FALSE(OpenMixerLibrary("libm.so.6", failure));
  EXPECT_EQ(failure, "SDL_InitSubSystem is missing from libm.so.6");
}

// Registered to run with SDL_AUDIODRIVER naming a driver that does not exist.
TEST(NoAudioDevice, EverythingIsSilentAndNothingHangs) {
  const char* driver = std::getenv("SDL_AUDIODRIVER");
  if (!driver || std::string(driver) != "no-such-driver")
    GTEST_SKIP() << "runs only without an audio device";
  EXPECT_FALSE(audio_device::Available());

  ScratchFolder folder;
  for (const char* name : EventWaveFiles) folder.WriteWave(name, 40);
  folder.WriteWave(DefaultWinSound, 500);
  Settings settings = DefaultSettings(folder.Dir());
  SoundPlayer player(settings);
  int started = 0;
  player.SetObserver([&](const SoundStart&) { ++started; });
  player.LoadEventWaves(folder.Dir());
  const auto start = Clock::now();
  for (SoundEvent event : AllEvents) player.PlayEventSound(event);
  player.PlayFile(folder.Path("missing.wav"));
  EXPECT_EQ(started, 0);
  EXPECT_LT(MillisecondsSince(start), 300) << "nothing waits for a sound that cannot play";
}

}  // namespace
