#include "AudioOgg.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

namespace contentgen::audio {

namespace {

// FNV-1a of the file name: a fixed serial per file.
int SerialOf(const std::filesystem::path& file) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : file.filename().string()) h = (h ^ c) * 16777619u;
  return int(h & 0x7FFFFFFF);
}

class TOggWriter {
 public:
  TOggWriter(const std::filesystem::path& file, int rate, float quality) : FOut(file, std::ios::binary | std::ios::trunc), FFile(file) {
    if (!FOut) throw std::runtime_error("cannot write " + file.string());
    vorbis_info_init(&FInfo);
    if (vorbis_encode_init_vbr(&FInfo, 1, rate, quality) != 0) throw std::runtime_error("vorbis encoder refused " + file.string());
    vorbis_comment_init(&FComment);
    vorbis_analysis_init(&FDsp, &FInfo);
    vorbis_block_init(&FDsp, &FBlock);
    ogg_stream_init(&FStream, SerialOf(file));

    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&FDsp, &FComment, &header, &comments, &codebooks);
    ogg_stream_packetin(&FStream, &header);
    ogg_stream_packetin(&FStream, &comments);
    ogg_stream_packetin(&FStream, &codebooks);
    // Audio starts on a fresh page, as the format asks.
    ogg_page page;
    while (ogg_stream_flush(&FStream, &page) != 0) WritePage(page);
  }

  ~TOggWriter() {
    ogg_stream_clear(&FStream);
    vorbis_block_clear(&FBlock);
    vorbis_dsp_clear(&FDsp);
    vorbis_comment_clear(&FComment);
    vorbis_info_clear(&FInfo);
  }

  void Write(const std::vector<float>& samples) {
    constexpr std::size_t kChunk = 1024;
    for (std::size_t at = 0; at < samples.size(); at += kChunk) {
      const std::size_t n = std::min(kChunk, samples.size() - at);
      float** buffer = vorbis_analysis_buffer(&FDsp, int(n));
      for (std::size_t i = 0; i < n; ++i) buffer[0][i] = std::clamp(samples[at + i], -1.0f, 1.0f);
      vorbis_analysis_wrote(&FDsp, int(n));
      Drain();
    }
    vorbis_analysis_wrote(&FDsp, 0);
    Drain();
    FOut.flush();
    if (!FOut) throw std::runtime_error("cannot write " + FFile.string());
  }

 private:
  void Drain() {
    while (vorbis_analysis_blockout(&FDsp, &FBlock) == 1) {
      vorbis_analysis(&FBlock, nullptr);
      vorbis_bitrate_addblock(&FBlock);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&FDsp, &packet) == 1) {
        ogg_stream_packetin(&FStream, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&FStream, &page) != 0) {
          WritePage(page);
          if (ogg_page_eos(&page)) break;
        }
      }
    }
  }

  void WritePage(const ogg_page& page) {
    FOut.write(reinterpret_cast<const char*>(page.header), page.header_len);
    FOut.write(reinterpret_cast<const char*>(page.body), page.body_len);
  }

  std::ofstream FOut;
  std::filesystem::path FFile;
  vorbis_info FInfo;
  vorbis_comment FComment;
  vorbis_dsp_state FDsp;
  vorbis_block FBlock;
  ogg_stream_state FStream;
};

}  // namespace

void WriteOggVorbis(const std::filesystem::path& file, const TWave& wave, float quality) {
  TOggWriter writer(file, wave.Rate, quality);
  writer.Write(wave.Samples);
}

}  // namespace contentgen::audio
