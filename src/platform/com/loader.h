#pragma once
// The component loader: ProgID or class id -> registry -> dlopen of the server
// path -> DllGetClassObject -> class factory. Loaded servers stay loaded until
// FreeUnusedLibraries finds that their DllCanUnloadNow answers S_OK.

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/com/classfactory.h"
#include "platform/com/dispatch.h"

namespace kelvo::com {

// HKEY_CLASSES_ROOT\<progid>\CLSID of the system registry; nothing when the
// ProgID is not registered. A registry file that cannot be read throws
// RegistryError.
std::optional<CLSID> CLSIDFromProgID(std::u16string_view progid);

// The class factory of a registered class. Throws com::Error 429 with a
// description that names the class and the reason (not registered, server file
// missing, library not loadable, entry point missing, class not available).
ComPtr<IClassFactory> GetClassObject(const CLSID& clsid);

// A new instance of a registered class, asked for IDispatch.
ComPtr<IDispatch> CreateObject(const CLSID& clsid);
ComPtr<IDispatch> CreateObject(std::u16string_view progid);

// Loads a server library (for its resources) the way its classes would load
// it; com::Error 429 when it cannot be loaded.
void LoadServerFile(const std::filesystem::path& path);

// Unloads every loaded server whose DllCanUnloadNow answers S_OK; returns how
// many were unloaded.
int FreeUnusedLibraries();
// Number of server libraries currently loaded.
int LoadedLibraryCount();

}  // namespace kelvo::com
