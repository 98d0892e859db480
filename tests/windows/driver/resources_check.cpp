#include "resources_check.h"

#include <windows.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "expect.h"
#include "ui/win32/unique_handle.h"

namespace e2e {
namespace {

#pragma pack(push, 2)
// An icon group as the resource holds it.
struct GroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colors;
  BYTE reserved;
  WORD planes;
  WORD bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

struct LoadedModuleTraits {
  using Handle = HMODULE;
  static void Close(HMODULE module) { FreeLibrary(module); }
};

struct ResourceBytes {
  const BYTE* data = nullptr;
  DWORD size = 0;
};

ResourceBytes FindBytes(HMODULE module, const wchar_t* name, const wchar_t* type) {
  const HRSRC found = FindResourceW(module, name, type);
  if (found == nullptr) return {};
  return {static_cast<const BYTE*>(LockResource(LoadResource(module, found))), SizeofResource(module, found)};
}

std::wstring VersionString(const std::vector<BYTE>& record, const wchar_t* path) {
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(record.data(), path, &value, &length) || length == 0) return {};
  return std::wstring(static_cast<const wchar_t*>(value));
}

}  // namespace

void CheckVersionRecord(const std::wstring& program) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
  Require(size != 0, "circlecalc.exe has a version record");
  std::vector<BYTE> record(size);
  Require(GetFileVersionInfoW(program.c_str(), 0, size, record.data()), "the version record reads");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  Require(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
              length >= sizeof(*fixed),
          "the version record has its fixed part");
  Expect(fixed->dwFileVersionMS == MAKELONG(0, 1) && fixed->dwFileVersionLS == 0, "file version 1.0.0.0");
  Expect(fixed->dwProductVersionMS == MAKELONG(0, 1) && fixed->dwProductVersionLS == 0,
         "product version 1.0.0.0");

  void* translation_value = nullptr;
  Require(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &translation_value, &length) &&
              length >= 2 * sizeof(WORD),
          "the version record names its translation");
  const auto* translation = static_cast<const WORD*>(translation_value);
  Expect(translation[0] == 0x0419 && translation[1] == 1200, "the translation is Russian, Unicode");

  ExpectText(VersionString(record, L"\\StringFileInfo\\041904B0\\FileVersion"), L"1.00",
             "FileVersion string");
  ExpectText(VersionString(record, L"\\StringFileInfo\\041904B0\\ProductVersion"), L"1.00",
             "ProductVersion string");
}

void CheckIconImages(const std::wstring& program) {
  const win32::UniqueHandle<LoadedModuleTraits> module(
      LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  Require(static_cast<bool>(module), "circlecalc.exe loads as a resource file");

  std::vector<std::wstring> groups;
  EnumResourceNamesW(
      module.get(), RT_GROUP_ICON,
      [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
        auto* names = reinterpret_cast<std::vector<std::wstring>*>(found);
        names->push_back(IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                                              : name);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&groups));
  Require(groups.size() == 1, "circlecalc.exe holds one icon");

  const ResourceBytes group = FindBytes(module.get(), groups.front().c_str(), RT_GROUP_ICON);
  Require(group.size >= sizeof(GroupIconHeader), "the icon group reads");
  const auto* header = reinterpret_cast<const GroupIconHeader*>(group.data);
  Require(group.size >= sizeof(GroupIconHeader) + header->count * sizeof(GroupIconEntry),
          "the icon group is whole");
  const auto* entries = reinterpret_cast<const GroupIconEntry*>(group.data + sizeof(GroupIconHeader));

  using Image = std::tuple<int, int, int, int>;  // width, height, colours, bits per pixel
  std::vector<Image> images;
  for (int i = 0; i < header->count; ++i) {
    const GroupIconEntry& entry = entries[i];
    images.emplace_back(entry.width, entry.height, entry.colors, entry.bit_count);

    const ResourceBytes image = FindBytes(module.get(), MAKEINTRESOURCEW(entry.id), RT_ICON);
    Require(image.size >= sizeof(BITMAPINFOHEADER), "each icon image reads");
    const auto* bitmap = reinterpret_cast<const BITMAPINFOHEADER*>(image.data);
    Expect(bitmap->biWidth == entry.width && bitmap->biHeight == 2 * entry.height &&
               bitmap->biBitCount == entry.bit_count,
           "each icon image is the size and depth its group says");
    const HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data), image.size, TRUE, 0x00030000,
                                                entry.width, entry.height, LR_DEFAULTCOLOR);
    Expect(icon != nullptr, "the system makes an icon of each image");
    if (icon != nullptr) DestroyIcon(icon);
  }
  std::sort(images.begin(), images.end());
  const std::vector<Image> expected{{16, 16, 16, 4}, {32, 32, 2, 1}, {32, 32, 16, 4}};
  Expect(images == expected, "three icon images: 32x32 in 2 colours, 32x32 and 16x16 in 16 colours");
}

}  // namespace e2e
