// The design windows: toolbox beside the form, property sheet on request.

#include "platform/forms/design_window.h"

#include "platform/com/error.h"
#include "platform/forms/form_designer.h"
#include "platform/win/window_system.h"

namespace kelvo::forms {
namespace {

win::WindowSystem& Ws() { return win::WindowSystem::Get(); }

// Pixels.
constexpr int kRowHeight = 22;
constexpr int kToolboxWidth = 170;
constexpr int kGap = 8;
constexpr int kSheetGap = 40;  // room for the form's frame and the sheet's title bar
constexpr int kBitmapLeft = 4;
constexpr int kTextLeft = 26;
constexpr gfx::Rgb kFace{192, 192, 192};
constexpr gfx::Rgb kArmed{255, 255, 255};
constexpr gfx::Rgb kText{0, 0, 0};

std::u16string ClassName(const std::u16string& progid) {
  const std::size_t dot = progid.rfind(u'.');
  return dot == std::u16string::npos ? progid : progid.substr(dot + 1);
}

FormDesigner& DesignerOf(const Form& form) {
  FormDesigner* designer = form.Designer();
  if (designer == nullptr) throw com::Error(com::err::kInvalidCall, u"The form is not open for design");
  return *designer;
}

}  // namespace

DesignWindow::DesignWindow(Form& form) : app_(form.App()), form_(form), formName_(form.Name()) {
  DesignerOf(form).SetPropertiesHandler([this] { OpenSheet(); });
  CreateToolbox();
}

DesignWindow::~DesignWindow() {
  sheet_.reset();
  if (app_.FindForm(formName_) == &form_) form_.Designer()->SetPropertiesHandler(nullptr);
  if (Ws().IsWindow(toolbox_)) Ws().Destroy(toolbox_);
}

void DesignWindow::OpenSheet() {
  if (form_.SelectedControls().empty()) return;
  // A sheet closed by its own button is gone by now: its Click has returned.
  sheet_.reset();
  try {
    // Below the form, clear of it and of the toolbox.
    const win::RECT formRect = Ws().ScreenRect(form_.Hwnd());
    sheet_ = std::make_unique<PropertySheet>(form_, win::POINT{formRect.left, formRect.bottom + kSheetGap});
  } catch (const com::Error& e) {
    Ws().MessageBox(form_.Hwnd(), e.description(), form_.Caption(), win::MsgBoxButtons::OK, win::MsgBoxIcon::Stop);
    return;
  }
  sheet_->Window().Activate();
}

void DesignWindow::CreateToolbox() {
  tools_ = RegisteredTools();
  const win::RECT formRect = Ws().ScreenRect(form_.Hwnd());
  win::WindowCreate params;
  params.kind = win::WindowKind::TopLevel;
  const int left = formRect.right + kGap;
  const int height = kRowHeight * std::max<int>(1, static_cast<int>(tools_.size()));
  params.rect = {left, formRect.top, left + kToolboxWidth, formRect.top + height};
  params.caption = u"Toolbox";
  params.proc = [this](win::HWND, const win::Message& m) { OnToolboxMessage(m); };
  toolbox_ = Ws().Create(params);
  PaintToolbox();
}

void DesignWindow::PaintToolbox() {
  gfx::Surface& surface = Ws().SurfaceOf(toolbox_);
  surface.FillRectPx({0, 0, surface.widthPx(), surface.heightPx()}, kFace);
  const std::u16string& armed = DesignerOf(form_).ArmedTool();
  for (std::size_t i = 0; i < tools_.size(); ++i) {
    const int top = static_cast<int>(i) * kRowHeight;
    if (tools_[i].progid == armed) surface.FillRectPx({0, top, kToolboxWidth, top + kRowHeight}, kArmed);
    const gfx::Image& bitmap = tools_[i].bitmap;
    for (int y = 0; y < bitmap.height(); ++y) {
      for (int x = 0; x < bitmap.width(); ++x) surface.SetPixelPx(kBitmapLeft + x, top + 3 + y, bitmap.RgbAt(x, y));
    }
    surface.DrawTextPx(kTextLeft, top + 4, ClassName(tools_[i].progid), kText);
  }
}

void DesignWindow::OnToolboxMessage(const win::Message& m) {
  switch (m.type) {
    case win::Msg::MouseDown: {
      const int row = m.d / kRowHeight;
      if (row < 0 || row >= static_cast<int>(tools_.size())) return;
      DesignerOf(form_).ArmTool(tools_[static_cast<std::size_t>(row)].progid);
      PaintToolbox();
      Ws().Activate(form_.Hwnd());
      break;
    }
    case win::Msg::Paint:
      PaintToolbox();
      break;
    default:
      break;
  }
}

}  // namespace kelvo::forms
