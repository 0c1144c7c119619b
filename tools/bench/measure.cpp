// Starts a program and measures it: milliseconds from the start until it first waits for input
// (WaitForInputIdle), CPU seconds over its first `seconds`, and its peak working set in KiB.
//   measure <program.exe> <seconds>
// Prints one line: "<start ms> <cpu s> <peak KiB>". The program is ended afterwards.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

double Seconds(const FILETIME& time) {
  ULARGE_INTEGER value{};
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;
}

double Now() {
  LARGE_INTEGER count{}, frequency{};
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: measure <program.exe> <seconds>\n");
    return 2;
  }
  std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
  const double seconds = _wtof(argv[2]);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  const double started = Now();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "measure: cannot start the program (%lu)\n", GetLastError());
    return 1;
  }
  WaitForInputIdle(process.hProcess, 60000);
  const double idle = Now();
  const double rest = seconds - (Now() - started);
  if (rest > 0) WaitForSingleObject(process.hProcess, static_cast<DWORD>(rest * 1000));
  FILETIME creation{}, exit{}, kernel{}, user{};
  GetProcessTimes(process.hProcess, &creation, &exit, &kernel, &user);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
  std::printf("%.1f %.3f %zu\n", (idle - started) * 1000, Seconds(kernel) + Seconds(user),
              static_cast<size_t>(memory.PeakWorkingSetSize / 1024));
  TerminateProcess(process.hProcess, 0);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}
