#pragma once
// KelvoEnginer: the invisible control that keeps the self-drawn controls of
// its form in step with the form's activation. At run time its timer visits
// the form's controls every 175 ms, calls each enabled control's
// ToKelvoEnginer by name and raises CheckKelvoControls with it. At design time
// it shows its picture (Image1) and sizes itself around it.

#include "klvctl32/host/control_base.h"
#include "platform/gfx/image.h"
#include "platform/win/repeating_timer.h"

namespace kelvo::klvctl32 {

class KelvoEnginer final : public ControlOf<KelvoEnginer> {
 public:
  static constexpr std::uint32_t kTickMs = 175;
  // Image1's picture, in pixels.
  static constexpr int kPictureWidth = 47;
  static constexpr int kPictureHeight = 37;

  KelvoEnginer() = default;
  KelvoEnginer(const KelvoEnginer&) = delete;
  KelvoEnginer& operator=(const KelvoEnginer&) = delete;

  static const com::CoClassInfo& Info();
  static const ControlTable<KelvoEnginer>& Table();
  // The design-time picture, drawn in code.
  static const gfx::Image& Picture();

  void Initialize() override;
  void Show() override;
  void Resize() override;
  void Paint() override;
  void Terminate() override;

  bool TimerEnabled() const { return timer_.Running(); }
  // One tick of Timer1: the sweep over the parent form's controls.
  void FocusSweep();

 private:
  void DrawImage1();

  win::RepeatingTimer timer_;
};

}  // namespace kelvo::klvctl32
