#pragma once
// The system's default beep: a short 800 Hz square wave through SDL audio.
// Where no audio device opens (a virtual display without sound) the beep is
// silent; the window system counts it all the same.

#include <SDL2/SDL_audio.h>

namespace kelvo::win::sdl {

class BeepSound {
 public:
  BeepSound() = default;
  ~BeepSound();
  BeepSound(const BeepSound&) = delete;
  BeepSound& operator=(const BeepSound&) = delete;

  // Starts the beep, cutting short one still playing; false when silent.
  bool Sound();

 private:
  bool Open();

  SDL_AudioDeviceID device_ = 0;
  bool unavailable_ = false;  // opening failed once; not tried again
  bool subsystemStarted_ = false;
};

}  // namespace kelvo::win::sdl
