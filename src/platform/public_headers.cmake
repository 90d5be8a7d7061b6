# The platform's public interface: the headers the control library and the
# setup program may include (cmake/CheckLayerRule.cmake enforces it). Every
# other platform header is the platform's own.

# What a control library sees: the component runtime, the control-site and
# property-page contracts, the window-system calls, colours, fonts, pictures.
set(KELVO_LIBRARY_HEADERS
  platform/base/text.h
  platform/com/classfactory.h
  platform/com/dispatch.h
  platform/com/dispatch_map.h
  platform/com/error.h
  platform/com/guid.h
  platform/com/hresult.h
  platform/com/object.h
  platform/com/registry.h
  platform/com/typeinfo.h
  platform/com/unknown.h
  platform/com/variant.h
  platform/forms/control.h
  platform/forms/interface_ids.h
  platform/forms/page_base.h
  platform/forms/property_page.h
  platform/forms/stdobjects.h
  platform/forms/stdpages.h
  platform/gfx/bitmap_resources.h
  platform/gfx/color.h
  platform/gfx/font.h
  platform/gfx/image.h
  platform/gfx/picture.h
  platform/gfx/surface.h
  platform/win/clipboard.h
  platform/win/messages.h
  platform/win/owned_caret.h
  platform/win/repeating_timer.h
  platform/win/tool_window.h
  platform/win/types.h
  platform/win/user32.h
  platform/win/window_system.h)

# What a program built on the forms sees besides: the application and its
# forms, the application API, the automation console, the program launcher,
# the SDL backend.
set(KELVO_PROGRAM_HEADERS
  ${KELVO_LIBRARY_HEADERS}
  platform/app/app.h
  platform/app/events.h
  platform/app/values.h
  platform/base/environment.h
  platform/base/file_write.h
  platform/console/console.h
  platform/forms/application.h
  platform/forms/form_designer.h
  platform/forms/formfile.h
  platform/forms/property_sheet.h
  platform/forms/designer.h
  platform/forms/toolbox.h
  platform/forms/design_window.h
  platform/forms/property_bag.h
  platform/win/launcher.h
  platform/win/sdl/sdl_backend.h)
