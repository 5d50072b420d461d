// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <fstream>
#include <iterator>
#include <vector>

#include "AudioDevice.h"
#include "AudioTestFiles.h"
#include "QtTestClasses.h"
#include "SdlMusicPlayer.h"

namespace {

// One middle C, half a second long.
const std::string OneNoteSong =
    std::string("MThd\0\0\0\6\0\0\0\1\1\xe0", 14) +
    std::string("MTrk\0\0\0\x0d\0\x90\x3c\x60\x83\x60\x80\x3c\x40\0\xff\x2f\0", 21);

void MusicPlayerReportsTheNaturalEndOnTheMainThread() {
  QVERIFY(audio_device::Available());
  ScratchFolder folder;
  SdlMusicPlayer player;
  std::vector<MediaNotify> notes;
  player.SetNotifyHandler([&](MediaNotify how) {
    QCOMPARE(QThread::currentThread(), qApp->thread());
    notes.push_back(how);
  });
  player.SetFileName(folder.WriteBytes("one.mid", OneNoteSong));
  std::string error;
  QVERIFY2(player.Open(error), error.c_str());
  player.Play();
  QVERIFY(QTest::qWaitFor([&] { return !notes.empty(); }, 20000));
  QCOMPARE(notes, std::vector<MediaNotify>{MediaNotify::Successful});
}

void MusicPlayerClosingOrTakingOverTheStreamIsNoNaturalEnd() {
  QVERIFY(audio_device::Available());
  ScratchFolder folder;
  const std::string song = folder.WriteBytes("one.mid", OneNoteSong);
  SdlMusicPlayer music;
  SdlMusicPlayer preview;
  std::vector<MediaNotify> musicNotes;
  std::vector<MediaNotify> previewNotes;
  music.SetNotifyHandler([&](MediaNotify how) { musicNotes.push_back(how); });
  preview.SetNotifyHandler([&](MediaNotify how) { previewNotes.push_back(how); });
  std::string error;
  music.SetFileName(song);
  QVERIFY(music.Open(error));
  music.Play();
  preview.SetFileName(song);
  QVERIFY(preview.Open(error));
  preview.Play();
  QCOMPARE(musicNotes, std::vector<MediaNotify>{MediaNotify::Superseded});
  preview.Close();
  QTest::qWait(300);
  QVERIFY(previewNotes.empty());
  QCOMPARE(musicNotes.size(), 1u);
}

void MusicPlayerAFileThatIsNoSongFailsToOpenWithAReason() {
  QVERIFY(audio_device::Available());
  ScratchFolder folder;
  SdlMusicPlayer player;
  player.SetFileName(folder.WriteBytes("junk.mid", "definitely not music"));
  std::string error;
  QVERIFY(!(player.Open(error)));
  QVERIFY(!(error.empty()));
  player.Play();  // nothing open: silent, no crash
  player.Close();
}

// Length of a standard MIDI file in seconds, from its tempo and last event.
double SongSeconds(const std::vector<unsigned char>& bytes) {
  auto u32 = [&](std::size_t at) {
    return (bytes.at(at) << 24) | (bytes.at(at + 1) << 16) | (bytes.at(at + 2) << 8) |
           bytes.at(at + 3);
  };
  if (std::string(bytes.begin(), bytes.begin() + 4) != "MThd") return -1;
  const int division = (bytes.at(12) << 8) | bytes.at(13);
  std::size_t at = 14;
  if (std::string(bytes.begin() + static_cast<long>(at),
                  bytes.begin() + static_cast<long>(at) + 4) != "MTrk")
    return -1;
  const std::size_t end = at + 8 + static_cast<std::size_t>(u32(at + 4));
  at += 8;
  double seconds = 0;
  double secondsPerTick = 0.5 / division;
  unsigned char status = 0;
  while (at < end) {
    unsigned long delta = 0;
    unsigned char byte = 0;
    do {
      byte = bytes.at(at++);
      delta = (delta << 7) | (byte & 0x7F);
    } while (byte & 0x80);
    seconds += static_cast<double>(delta) * secondsPerTick;
    if (bytes.at(at) & 0x80) status = bytes.at(at++);
    if (status == 0xFF) {
      const unsigned char type = bytes.at(at++);
      const std::size_t length = bytes.at(at++);
      if (type == 0x51)
        secondsPerTick =
            ((bytes.at(at) << 16) | (bytes.at(at + 1) << 8) | bytes.at(at + 2)) / 1e6 / division;
      if (type == 0x2F) return seconds;
      at += length;
    } else {
      at += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
    }
  }
  return -1;  // no end-of-track event
}

void ShippedSongsAreCompleteMidiFilesOfOneToThreeMinutes() {
  for (int n = 0; n < 3; ++n) {
    const std::string path = RuntimeDir() + "VOLTA" + std::to_string(n) + ".MID";
    std::ifstream file(path, std::ios::binary);
    QVERIFY2(file.good(), path.c_str());
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    const double seconds = SongSeconds(bytes);
    QVERIFY2(seconds >= 60, path.c_str());
    QVERIFY2(seconds <= 180, path.c_str());

    SdlMusicPlayer player;
    player.SetFileName(path);
    std::string error;
    QVERIFY2(player.Open(error), (path + ": " + error).c_str());
  }
}

class MusicPlayerTest : public QObject {
  Q_OBJECT

 private slots:
  void reportsTheNaturalEndOnTheMainThread() { MusicPlayerReportsTheNaturalEndOnTheMainThread(); }
  void closingOrTakingOverTheStreamIsNoNaturalEnd() {
    MusicPlayerClosingOrTakingOverTheStreamIsNoNaturalEnd();
  }
  void aFileThatIsNoSongFailsToOpenWithAReason() {
    MusicPlayerAFileThatIsNoSongFailsToOpenWithAReason();
  }
  void shippedSongsAreCompleteMidiFilesOfOneToThreeMinutes() {
    ShippedSongsAreCompleteMidiFilesOfOneToThreeMinutes();
  }
};

}  // namespace

QT_TEST_CLASS(MusicPlayerTest);

#include "MusicPlayerTest.moc"
