// Spoken lines: the opening and ending narrations, Wren reading the first
// five tutorial scrolls, and every line of the 22 conversations, each
// speaker with their own espeak-ng voice, in English and in every language
// with a wording catalogue.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "Audio.h"
#include "AudioOgg.h"
#include "Sample.h"
#include "TextContent.h"
#include "Wording.h"
#include "audio/AudioNames.h"
#include "text/GameTextIds.h"

extern char** environ;

namespace contentgen::audio {

namespace {

constexpr float kVoiceQuality = 0.2f;
// The last ending strip has no narration, yet its voice is asked for.
constexpr std::string_view kEndingFarewell = "Thank you for playing Quillmere.";

struct TSpeaker {
  const char* Accent;   // the espeak-ng English voice
  const char* Variant;  // the espeak-ng variant, kept in every language
  int Pitch;            // 0..99
  int Speed;            // words per minute
};

constexpr TSpeaker kNarrator = {"en-gb-x-rp", "m3", 40, 150};
constexpr TSpeaker kWren = {"en-us", "f5", 85, 165};

TSpeaker SpeakerOf(char code) {
  switch (code) {
    case 'J': return {"en-gb", "m1", 45, 160};            // Bram
    case 'C': return {"en-gb-scotland", "f2", 60, 165};   // Clementine
    case 'A': return {"en-us", "f3", 55, 160};            // Ada
    case 'P': return {"en-gb-x-gbclan", "m4", 65, 175};   // Pim
    case 'R': return {"en-gb-x-rp", "f4", 70, 155};       // Rosalind
    case 'B': return {"en-gb-scotland", "m7", 30, 150};   // Barnaby
    case 'H': return {"en-gb", "f1", 50, 150};            // Hazel
    default: throw std::runtime_error(std::string("no voice for speaker ") + code);
  }
}

struct TVoiceJob {
  std::filesystem::path File;
  TSpeaker Speaker;
  std::string Text;
  std::string Voice;  // espeak-ng voice and variant
};

// Runs espeak-ng and returns what it writes to its standard output.
std::string Speak(const TSpeaker& speaker, const std::string& voice, const std::string& text) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  std::vector<std::string> args = {"espeak-ng", "-v", voice, "-p", std::to_string(speaker.Pitch),
                                   "-s", std::to_string(speaker.Speed), "--stdout", text};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, "espeak-ng", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string bytes;
  if (spawned == 0) {
    char buffer[65536];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) bytes.append(buffer, std::size_t(n));
  }
  close(fds[0]);
  if (spawned != 0) throw std::runtime_error("cannot run espeak-ng (install the espeak-ng package)");
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("espeak-ng failed on: " + text);
  return bytes;
}

std::uint32_t Le32(const std::string& b, std::size_t at) {
  return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
         std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

// espeak-ng streams a 16-bit mono WAV whose sizes are left open, so the
// samples run from the data chunk to the end of the output.
TWave DecodeWav(const std::string& b) {
  if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
    throw std::runtime_error("espeak-ng wrote no WAV");
  TWave wave;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string id = b.substr(at, 4);
    const std::uint32_t size = Le32(b, at + 4);
    if (id == "fmt ") {
      wave.Rate = int(Le32(b, at + 12));
    } else if (id == "data") {
      for (std::size_t i = at + 8; i + 1 < b.size(); i += 2)
        wave.Samples.push_back(float(std::int16_t(std::uint8_t(b[i]) | std::uint8_t(b[i + 1]) << 8)) / 32768.0f);
      return wave;
    }
    at += 8 + size;
  }
  throw std::runtime_error("espeak-ng wrote no samples");
}

void MakeVoice(const TVoiceJob& job) {
  TWave wave = DecodeWav(Speak(job.Speaker, job.Voice, job.Text));
  TrimSilence(wave, 0.01f, 0.06);
  HighPass(wave, 70);
  FadeEdges(wave, 0.005, 0.03);
  Normalise(wave, 0.2f, 0.8f);
  WriteOggVorbis(job.File, wave, kVoiceQuality);
}

// English voices lie in the voice folders themselves, a language's in
// "Voices/<code>/" below them, each speaker with the English variant in
// that language's espeak-ng voice.
std::vector<TVoiceJob> Jobs(const std::filesystem::path& programFolder, const std::string& code,
                            const TWording& words) {
  namespace folder = qm::AudioFolder;
  namespace voice = qm::VoiceName;
  const std::filesystem::path voices(folder::Voices);
  const auto ogg = [&](std::string_view sub, const std::string& name) {
    const std::filesystem::path english(sub);
    const std::filesystem::path dir =
        programFolder / (code.empty() ? english : voices / code / english.lexically_relative(voices));
    std::filesystem::create_directories(dir);
    return dir / (name + std::string(qm::OggExtension));
  };
  std::vector<TVoiceJob> jobs;
  const auto job = [&](std::filesystem::path file, const TSpeaker& speaker, std::string said) {
    const std::string accent = code.empty() ? speaker.Accent : code;
    jobs.push_back({std::move(file), speaker, std::move(said), accent + "+" + speaker.Variant});
  };
  const auto say = [&](std::string_view english) { return std::string(words(english)); };

  const auto narrations = NarrationTexts();
  const auto narration = [&](int line) {
    for (const auto& e : narrations)
      if (e.Line == line) return e.Text;
    throw std::runtime_error("no narration on line " + std::to_string(line));
  };
  for (int n = 1; n <= voice::StoryOpeningCount; ++n)
    job(ogg(folder::StoryVoices, voice::StoryOpening(n)), kNarrator, say(narration(qm::NarrationId::Opening(n))));
  for (int n = 1; n <= voice::StoryEndingCount; ++n)
    job(ogg(folder::EndingVoices, voice::StoryEnding(n)), kNarrator,
        say(n <= qm::NarrationId::EndingCount ? narration(qm::NarrationId::Ending(n)) : kEndingFarewell));

  // Wren reads the scroll's title, then its body.
  const auto tutorials = TutorialTexts();
  for (int step = 1; step <= voice::TutorialCount; ++step) {
    const auto& t = tutorials.at(std::size_t(step - 1));
    job(ogg(folder::TutorialVoices, voice::Tutorial(step)), kWren, say(t.Title) + ". " + say(t.Body));
  }

  const auto conversations = Conversations();
  for (std::size_t c = 0; c < conversations.size(); ++c)
    for (std::size_t k = 0; k < conversations[c].Lines.size(); ++k) {
      const TChatLine& line = conversations[c].Lines[k];
      job(ogg(folder::ChatVoicesOf(int(c + 1)), voice::Chat(int(k + 1))), SpeakerOf(line.Speaker), say(line.Text));
    }
  return jobs;
}

}  // namespace

void GenerateVoices(const std::filesystem::path& programFolder, const std::filesystem::path& translations) {
  std::vector<TVoiceJob> jobs = Jobs(programFolder, {}, TWording());
  ForEachWording(translations, [&](const std::string& code, const TWording& words) {
    std::vector<TVoiceJob> spoken = Jobs(programFolder, code, words);
    jobs.insert(jobs.end(), spoken.begin(), spoken.end());
  });
  std::erase_if(jobs, [index = std::size_t(0)](const TVoiceJob& job) mutable {
    return !InSample(job.File.generic_string(), index++);
  });
  // Every file is made on its own, so the order of the workers never shows in
  // the bytes.
  const unsigned workers = std::max(2u, std::thread::hardware_concurrency());
  std::vector<std::exception_ptr> failures(workers);
  std::vector<std::thread> threads;
  for (unsigned w = 0; w < workers; ++w)
    threads.emplace_back([&, w] {
      try {
        for (std::size_t i = w; i < jobs.size(); i += workers) MakeVoice(jobs[i]);
      } catch (...) {
        failures[w] = std::current_exception();
      }
    });
  for (auto& t : threads) t.join();
  for (auto& f : failures)
    if (f) std::rethrow_exception(f);
}

}  // namespace contentgen::audio
