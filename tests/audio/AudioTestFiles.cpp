// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioTestFiles.h"

#include <cmath>
#include <fstream>
#include <vector>

#include "WaveImage.h"

ScratchFolder::ScratchFolder() = default;

std::string ScratchFolder::Dir() const { return dir_.path().toStdString() + "/"; }

std::string ScratchFolder::WriteWave(const std::string& name, int milliseconds) const {
  constexpr int rate = 22050;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(rate * milliseconds / 1000));
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int16_t>(8000 * std::sin(static_cast<double>(i) * 0.1));
  const auto image = MakeWaveImage(samples, rate, 1);
  return WriteBytes(name, std::string(image.begin(), image.end()));
}

std::string ScratchFolder::WriteBytes(const std::string& name, const std::string& bytes) const {
  const std::string path = Path(name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string RuntimeDir() { return VOLTARO_RUNTIME_DIR "/"; }
