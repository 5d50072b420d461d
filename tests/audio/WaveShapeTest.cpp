// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "WaveShape.h"

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutChunk(std::vector<std::uint8_t>& out, const char* id, std::uint32_t claimed,
              const std::vector<std::uint8_t>& body) {
  out.insert(out.end(), id, id + 4);
  Put32(out, claimed);
  out.insert(out.end(), body.begin(), body.end());
}

// A wave file's header as a hostile or careless writer may make it.
struct Header {
  std::uint16_t tag = 1;
  std::uint16_t channels = 1;
  std::uint32_t rate = 22050;
  std::uint16_t blockAlign = 2;
  std::vector<std::uint8_t> extension;  // after the 16 plain bytes of "fmt "
  std::uint32_t dataPresent = 0;
  std::uint32_t dataClaimed = 0xFFFFFFFF;  // 0xFFFFFFFF: as present
  bool listChunkFirst = false;
  bool dataBeforeFormat = false;
  const char* riff = "RIFF";
};

std::vector<std::uint8_t> Build(const Header& h) {
  std::vector<std::uint8_t> format;
  Put16(format, h.tag);
  Put16(format, h.channels);
  Put32(format, h.rate);
  Put32(format, h.rate * h.blockAlign);
  Put16(format, h.blockAlign);
  Put16(format, 16);
  format.insert(format.end(), h.extension.begin(), h.extension.end());
  const std::vector<std::uint8_t> data(h.dataPresent, 0x40);
  const std::uint32_t claimed = h.dataClaimed == 0xFFFFFFFF ? h.dataPresent : h.dataClaimed;

  std::vector<std::uint8_t> body{'W', 'A', 'V', 'E'};
  // An odd-length chunk is followed by one pad byte.
  if (h.listChunkFirst) PutChunk(body, "LIST", 5, {'I', 'N', 'F', 'O', 'x', 0});
  if (h.dataBeforeFormat) PutChunk(body, "data", claimed, data);
  PutChunk(body, "fmt ", static_cast<std::uint32_t>(format.size()), format);
  if (!h.dataBeforeFormat) PutChunk(body, "data", claimed, data);
  std::vector<std::uint8_t> out(h.riff, h.riff + 4);
  Put32(out, static_cast<std::uint32_t>(body.size()));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

struct ShapeCase {
  const char* name;
  Header header;
  std::int64_t frames;  // -1: refused as no wave the mixer plays
  bool effect;
};

std::ostream& operator<<(std::ostream& out, const ShapeCase& c) { return out << c.name; }

class WaveShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(WaveShapeTest, LengthComesFromTheHeaderAndTheBytesPresent) {
  const ShapeCase& c = GetParam();
  const auto shape = ReadWaveShape(Build(c.header));
  if (c.frames < 0) {
    EXPECT_FALSE(shape.has_value());
    return;
  }
  ASSERT_TRUE(shape.has_value());
  EXPECT_EQ(shape->frames, static_cast<std::uint64_t>(c.frames));
  EXPECT_EQ(shape->sampleRate, c.header.rate);
  EXPECT_EQ(shape->IsEffectLength(), c.effect) << shape->Milliseconds() << " ms";
}

Header Pcm(std::uint32_t rate, std::uint32_t frames, std::uint16_t channels = 1) {
  Header h;
  h.rate = rate;
  h.channels = channels;
  h.blockAlign = static_cast<std::uint16_t>(2 * channels);
  h.dataPresent = frames * h.blockAlign;
  return h;
}

Header With(Header h, void (*change)(Header&)) {
  change(h);
  return h;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveShapeTest,
    testing::Values(
        ShapeCase{"OneSecond", Pcm(22050, 22050), 22050, true},
        ShapeCase{"StereoFramesCountOnce", Pcm(44100, 4410, 2), 4410, true},
        ShapeCase{"ExactlyTheLongestEffect", Pcm(8000, 240000), 240000, true},
        ShapeCase{"OneFramePastTheLongestEffect", Pcm(8000, 240001), 240001, false},
        // 1,244 bytes that claim ten minutes.
        ShapeCase{"OneHertzSixHundredSamples", Pcm(1, 600), 600, false},
        ShapeCase{"ClaimedDataBeyondTheFileCountsWhatIsThere",
                  With(Pcm(22050, 100), [](Header& h) { h.dataClaimed = 0x7FFFFFF0; }), 100, true},
        ShapeCase{"ChunksBeforeTheFormatAreSkippedWithTheirPadding",
                  With(Pcm(22050, 300), [](Header& h) { h.listChunkFirst = true; }), 300, true},
        ShapeCase{"ImaAdpcmFramesPerBlock",
                  With(Pcm(22050, 0),
                       [](Header& h) {
                         h.tag = 0x11;
                         h.blockAlign = 256;
                         h.extension = {2, 0, 0xF9, 0x01};  // 505 frames a block
                         h.dataPresent = 300;               // a block and a short one
                       }),
                  1010, true},
        ShapeCase{"ExtensibleCarriesItsTagInside",
                  With(Pcm(22050, 50),
                       [](Header& h) {
                         h.tag = 0xFFFE;
                         h.extension = {22, 0, 16, 0, 4, 0, 0, 0, 1, 0};
                         h.extension.resize(24, 0);
                       }),
                  50, true},
        ShapeCase{"NotRiff", With(Pcm(22050, 10), [](Header& h) { h.riff = "RIFX"; }), -1, false},
        ShapeCase{"DataBeforeFormat",
                  With(Pcm(22050, 10), [](Header& h) { h.dataBeforeFormat = true; }), -1, false},
        ShapeCase{"UnknownEncoding", With(Pcm(22050, 10), [](Header& h) { h.tag = 0x55; }), -1,
                  false},
        ShapeCase{"NoRate", With(Pcm(22050, 10), [](Header& h) { h.rate = 0; }), -1, false},
        ShapeCase{"AdpcmWithoutFramesPerBlock",
                  With(Pcm(22050, 10), [](Header& h) { h.tag = 0x11; }), -1, false}),
    [](const testing::TestParamInfo<ShapeCase>& row) { return std::string(row.param.name); });

TEST(WaveShape, TruncatedHeadersAreRefused) {
  const std::vector<std::uint8_t> whole = Build(Pcm(22050, 10));
  // Every cut before the data chunk's header is complete leaves no wave.
  for (std::size_t size = 0; size < 44; ++size)
    EXPECT_FALSE(ReadWaveShape(std::span(whole.data(), size)).has_value()) << size;
  EXPECT_TRUE(ReadWaveShape(std::span(whole.data(), 44)).has_value());
}

}  // namespace
