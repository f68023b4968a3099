// The program files as they are shipped, read the way Windows reads them: the
// version resource through the version API (what Explorer's Details page
// shows), and the manifest through the system's activation-context parser
// (what the loader applies). Needs the real system (Wine).
#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/windows_api.h"
#include <winver.h>

#include "tests/dialog_harness.h"
#include "version.h"  // written by CMake into the build folder

namespace {

// Every program of the release, as its build leaves it.
struct ProgramFile {
    const wchar_t* path;         // from the top of the build folder
    const wchar_t* description;  // FileDescription
};
const ProgramFile programFiles[] = {
    {L"IdNumberTool.exe", L"身份证号码校验生成器"},
    {L"idtool.exe", L"身份证号码校验生成命令行工具"},
};

std::wstring fromBuildTop(const wchar_t* relative) {
    wchar_t self[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + L"" BUILD_TOP_FROM_TEST_PROGRAM + relative;
}

std::string ascii(const std::wstring& text) {  // for messages; paths and names here are ASCII
    std::string narrow;
    for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

std::wstring fileNameOf(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

std::wstring versionText(DWORD high, DWORD low) {
    return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." + std::to_wstring(HIWORD(low)) +
           L"." + std::to_wstring(LOWORD(low));
}

// Value of one entry of the version resource, or null.
const void* versionValue(const std::vector<BYTE>& info, const std::wstring& query, UINT& length) {
    void* value = nullptr;
    length = 0;
    return VerQueryValueW(info.data(), query.c_str(), &value, &length) ? value : nullptr;
}

std::wstring versionString(const std::vector<BYTE>& info, const wchar_t* name) {
    UINT length = 0;
    const void* value = versionValue(info, std::wstring(L"\\StringFileInfo\\080404b0\\") + name, length);
    return value == nullptr ? L"(none)" : std::wstring(static_cast<const wchar_t*>(value));
}

BOOL CALLBACK collectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

// --- Version resources ----------------------------------------------------------

TEST(ProgramFile, VersionResourceNamesTheFileAndCarriesTheProjectVersion) {
    const DWORD versionHigh = MAKELONG(PROJECT_VERSION_MINOR, PROJECT_VERSION_MAJOR);
    const DWORD versionLow = MAKELONG(PROJECT_VERSION_TWEAK, PROJECT_VERSION_PATCH);
    for (const ProgramFile& program : programFiles) {
        const std::wstring file = fromBuildTop(program.path);
        SCOPED_TRACE(ascii(file));
        DWORD ignored = 0;
        std::vector<BYTE> info(GetFileVersionInfoSizeW(file.c_str(), &ignored));
        ASSERT_FALSE(info.empty()) << "no version resource, error " << GetLastError();
        ASSERT_TRUE(GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

        UINT length = 0;
        const void* fixedValue = versionValue(info, L"\\", length);
        ASSERT_NE(fixedValue, nullptr);
        ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
        VS_FIXEDFILEINFO fixed;
        std::memcpy(&fixed, fixedValue, sizeof fixed);
        EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
        EXPECT_EQ(fixed.dwFileVersionMS, versionHigh);
        EXPECT_EQ(fixed.dwFileVersionLS, versionLow);
        EXPECT_EQ(fixed.dwProductVersionMS, versionHigh);
        EXPECT_EQ(fixed.dwProductVersionLS, versionLow);
        EXPECT_EQ(fixed.dwFileFlags & fixed.dwFileFlagsMask, 0u) << "no debug, pre-release or patched flag";
        EXPECT_EQ(fixed.dwFileOS, static_cast<DWORD>(VOS_NT_WINDOWS32));
        EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_APP));

        // One translation: Simplified Chinese, texts in UTF-16.
        const void* translations = versionValue(info, L"\\VarFileInfo\\Translation", length);
        ASSERT_NE(translations, nullptr);
        ASSERT_EQ(length, 2 * sizeof(WORD));
        WORD translation[2];
        std::memcpy(translation, translations, sizeof translation);
        EXPECT_EQ(translation[0], 0x0804);
        EXPECT_EQ(translation[1], 1200);

        // The texts say what the numbers say.
        const std::wstring fileName = fileNameOf(file);
        const struct {
            const wchar_t* name;
            std::wstring value;
        } expectedTexts[] = {
            {L"FileDescription", program.description},
            {L"FileVersion", versionText(fixed.dwFileVersionMS, fixed.dwFileVersionLS)},
            {L"ProductVersion", versionText(fixed.dwProductVersionMS, fixed.dwProductVersionLS)},
            {L"ProductName", L"" PROJECT_NAME_TEXT},
            {L"OriginalFilename", fileName},
            {L"InternalName", fileName.substr(0, fileName.rfind(L".exe"))},
        };
        for (const auto& want : expectedTexts) EXPECT_EQ(versionString(info, want.name), want.value) << want.name;
        EXPECT_EQ(versionString(info, L"FileVersion"), L"" PROJECT_VERSION_TEXT);
        EXPECT_NE(versionString(info, L"LegalCopyright").find(L"IdNumberTool developers"), std::wstring::npos);

        // Stored once, in the language of every other resource.
        HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr);
        std::vector<WORD> languages;
        EnumResourceLanguagesW(module, MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(VS_VERSION_INFO), collectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::vector<WORD>{2052});
        FreeLibrary(module);
    }
}

// The dialog's caption is the program's description and "v1.0": the dialog's
// own text, as its help message "V1.0版本" is, whatever the release's version.
using LiveDialogCaption = DialogTest;

TEST_F(LiveDialogCaption, IsTheProgramsDescriptionAndVersion) {
    wchar_t caption[64] = L"";
    GetWindowTextW(dialog, caption, 64);
    EXPECT_EQ(caption, std::wstring(programFiles[0].description) + L"v1.0");
}

// --- The manifest as the system reads it ----------------------------------------

std::string guidText(const GUID& id) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}",
                  static_cast<unsigned long>(id.Data1), id.Data2, id.Data3, id.Data4[0], id.Data4[1], id.Data4[2],
                  id.Data4[3], id.Data4[4], id.Data4[5], id.Data4[6], id.Data4[7]);
    return text;
}

TEST(ProgramFile, ManifestNamesTheSupportedSystemsAndPerMonitorDpiAwareness) {
    const std::wstring file = fromBuildTop(programFiles[0].path);
    ACTCTXW request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = file.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "the manifest does not parse, error " << GetLastError();

    // Each setting is found only in its own namespace.
    const struct {
        const wchar_t* space;
        const wchar_t* name;
        const wchar_t* value;
    } settings[] = {
        {L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware", L"true"},
        {L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness", L"PerMonitorV2"},
    };
    for (const auto& setting : settings) {
        wchar_t value[64] = L"";
        SIZE_T written = 0;
        EXPECT_TRUE(QueryActCtxSettingsW(0, context, setting.space, setting.name, value, 64, &written))
            << ascii(setting.name) << ", error " << GetLastError();
        EXPECT_EQ(std::wstring(value), setting.value);
    }

    // Vista, 7, 8, 8.1 and 10/11, in that order.
    SIZE_T size = 0;
    QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, nullptr, 0, &size);
    ASSERT_GE(size, sizeof(DWORD));
    std::vector<BYTE> buffer(size);
    ASSERT_TRUE(QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, buffer.data(), size,
                             &size));
    DWORD count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    // Windows 10 1903 and later, and Wine, give each element a 64-bit
    // MaxVersionTested after its type, which aligns everything to 8 bytes:
    // 32 bytes an element after an 8-byte count. Older systems give 20 bytes
    // an element after a 4-byte count.
    const bool withMaxVersion = size == 8 + count * 32;
    ASSERT_TRUE(withMaxVersion || size == 4 + count * 20) << size << " bytes for " << count << " elements";
    const size_t first = withMaxVersion ? 8 : 4, stride = withMaxVersion ? 32 : 20;
    std::vector<std::string> systems;
    for (DWORD i = 0; i < count; ++i) {
        GUID id;
        DWORD type;
        std::memcpy(&id, buffer.data() + first + i * stride, sizeof id);
        std::memcpy(&type, buffer.data() + first + i * stride + sizeof id, sizeof type);
        if (type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) systems.push_back(guidText(id));
    }
    EXPECT_EQ(systems, (std::vector<std::string>{
                           "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
                           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
                           "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
                           "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
                           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
                       }));
    ReleaseActCtx(context);
}

}  // namespace

#endif  // _WIN32
