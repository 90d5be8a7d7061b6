#include "platform/win/sdl/beep_sound.h"

#include <SDL2/SDL.h>

#include <cstdint>
#include <vector>

namespace kelvo::win::sdl {
namespace {

constexpr int kSampleRate = 22050;
constexpr int kFrequency = 800;
constexpr int kDurationMs = 120;
constexpr std::int16_t kAmplitude = 6000;

std::vector<std::int16_t> SquareWave() {
  const int samples = kSampleRate * kDurationMs / 1000;
  const int halfPeriod = kSampleRate / (2 * kFrequency);
  std::vector<std::int16_t> wave(static_cast<std::size_t>(samples));
  for (int i = 0; i < samples; ++i) {
    wave[static_cast<std::size_t>(i)] = (i / halfPeriod) % 2 == 0 ? kAmplitude : static_cast<std::int16_t>(-kAmplitude);
  }
  return wave;
}

}  // namespace

BeepSound::~BeepSound() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (subsystemStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool BeepSound::Open() {
  if (device_ != 0) return true;
  if (unavailable_) return false;
  unavailable_ = true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  subsystemStarted_ = true;
  // Without any output device listed, opening the default one only fails
  // noisily (the sound library reports its missing card on standard error).
  if (SDL_GetNumAudioDevices(0) <= 0) return false;
  SDL_AudioSpec wanted{};
  wanted.freq = kSampleRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 512;
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device_ == 0) return false;
  unavailable_ = false;
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

bool BeepSound::Sound() {
  if (!Open()) return false;
  static const std::vector<std::int16_t> wave = SquareWave();
  SDL_ClearQueuedAudio(device_);
  return SDL_QueueAudio(device_, wave.data(), static_cast<Uint32>(wave.size() * sizeof(std::int16_t))) == 0;
}

}  // namespace kelvo::win::sdl
