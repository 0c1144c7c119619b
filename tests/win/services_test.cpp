// The external function table, the text conversions and the runtime services, on the system.
#include <windows.h>

#include <gtest/gtest.h>

#include "base/errors.h"
#include "services/module1.h"
#include "services/runtime.h"
#include "services/system_library.h"
#include "support.h"
#include "tests/error_number.h"

namespace {

using testing_support::Recorders;

using testing_support::ErrorNumberOf;

TEST(FunctionTable, LooksEachEntryUpOnceByItsLibraryAndName) {
  Recorders recorders;
  std::wstring buffer(10, L'\0');
  int32_t size = 9;
  Module1::ShowCursor(0);
  Module1::ShowCursor(-1);
  Module1::GetUserNameA(buffer, size);
  Module1::ExitWindowsEx(1, 0);
  Module1::WinHelpA(0, L"a", 1, L"b");
  Module1::ExitWindowsEx(2, 0);
  EXPECT_EQ(Recorders::Lookups(),
            (std::vector<std::string>{"user32!ShowCursor", "advapi32.dll!GetUserNameA",
                                      "user32!ExitWindowsEx", "user32!WinHelpA"}));
  EXPECT_EQ(recorders.CallsOf("ShowCursor").size(), 2u);
  EXPECT_EQ(recorders.CallsOf("ExitWindowsEx").size(), 2u);
}

services::ExternalAddress FindNothing(const char*, const char*) {
  return nullptr;
}

TEST(FunctionTable, AnEntryThatCannotBeFoundRaisesAtItsFirstCall) {
  services::SetFunctionResolver(FindNothing);
  EXPECT_EQ(ErrorNumberOf([] { Module1::ShowCursor(0); }), 453);
  try {
    Module1::ExitWindowsEx(0, 0);
  } catch (const base::RuntimeError& e) {
    EXPECT_EQ(e.description, L"Can't find DLL entry point ExitWindowsEx in user32");
  }
  testing_support::InstallRecorders();
}

TEST(FunctionTable, TheSystemLookUpFindsRealEntriesAndReportsMissingOnes) {
  EXPECT_NE(services::ResolveFromSystem("user32", "ShowCursor"), nullptr);
  EXPECT_NE(services::ResolveFromSystem("advapi32.dll", "GetUserNameA"), nullptr);
  EXPECT_EQ(services::ResolveFromSystem("user32", "NoSuchFunctionAnywhere"), nullptr);
  EXPECT_EQ(ErrorNumberOf([] { services::ResolveFromSystem("nosuchlibrary_quorm", "X"); }), 53);
}

TEST(FunctionTable, LibrariesComeFromTheSystemFolderAndNeverFromTheSearchPath) {
  wchar_t folder[MAX_PATH] = {};
  GetSystemDirectoryW(folder, MAX_PATH);
  const std::wstring system = folder;
  EXPECT_EQ(services::SystemLibraryPath(L"user32"), system + L"\\user32.dll");
  EXPECT_EQ(services::SystemLibraryPath(L"advapi32.dll"), system + L"\\advapi32.dll");
  // The address found is the one in the system's own library.
  EXPECT_EQ(reinterpret_cast<FARPROC>(services::ResolveFromSystem("user32", "ShowCursor")),
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "ShowCursor"));
  // A library that lies beside the program is found by the search path, but not by the table.
  HMODULE planted = LoadLibraryW(L"quorm_planted.dll");
  ASSERT_NE(planted, nullptr);
  FreeLibrary(planted);
  EXPECT_EQ(ErrorNumberOf([] { services::ResolveFromSystem("quorm_planted.dll", "QuormPlanted"); }),
            53);
  EXPECT_EQ(ErrorNumberOf([] { services::ResolveFromSystem("quorm_planted", "QuormPlanted"); }),
            53);
}

TEST(FunctionTable, GetUserNameGetsTheWholeBufferBackAndItsSize) {
  Recorders recorders;
  Recorders::UserName() = "alice";
  std::wstring buffer(200, L'\0');
  int32_t size = 199;
  EXPECT_NE(Module1::GetUserNameA(buffer, size), 0);
  const auto calls = recorders.CallsOf("GetUserNameA");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].numbers[0], 199);
  EXPECT_EQ(calls[0].texts[0], std::string(199, '\0'));
  ASSERT_EQ(buffer.size(), 200u);
  EXPECT_EQ(buffer.substr(0, 5), L"alice");
  EXPECT_EQ(buffer.find_first_not_of(L'\0', 5), std::wstring::npos);
  EXPECT_EQ(size, 6);
}

TEST(FunctionTable, GetUserNameNeverWritesPastTheBuffer) {
  Recorders recorders;
  std::wstring buffer(8, L'\0');
  int32_t size = 1000;
  Module1::GetUserNameA(buffer, size);
  EXPECT_EQ(recorders.CallsOf("GetUserNameA")[0].numbers[0], 8);
  EXPECT_EQ(buffer.size(), 8u);
}

TEST(FunctionTable, TextArgumentsGoOverAsAnsiCopies) {
  Recorders recorders;
  Module1::WinHelpA(0x1234, L"C:\\windows\\help\\windows.hlp", 0x105, L"ShutDown");
  const auto calls = recorders.CallsOf("WinHelpA");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].numbers, (std::vector<long long>{0x1234, 0x105}));
  EXPECT_EQ(calls[0].texts,
            (std::vector<std::string>{"C:\\windows\\help\\windows.hlp", "ShutDown"}));
  EXPECT_EQ(services::ToAnsi(std::wstring(L"a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(services::FromAnsi(std::string("x\0\0", 3)), std::wstring(L"x\0\0", 3));
}

TEST(WindowsDirectory, IsTheSystemsWithoutATrailingBackslash) {
  wchar_t expected[MAX_PATH] = {};
  GetWindowsDirectoryW(expected, MAX_PATH);
  EXPECT_EQ(services::WindowsDirectory(), expected);
  EXPECT_NE(services::WindowsDirectory().back(), L'\\');
}

}  // namespace
