// Scenarios that end the program, run in a helper process and watched from outside: the error
// report, End while a box is open, and the launch of a program by its exact path.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/errors.h"
#include "services/runtime.h"
#include "support.h"

namespace {

using testing_support::WaitUntil;

std::filesystem::path HereDirectory() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return std::filesystem::path(self).parent_path();
}

struct BoxSearch {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM lParam) {
  auto* s = reinterpret_cast<BoxSearch*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (pid == s->pid && IsWindowVisible(window) && std::wstring_view(className) == L"#32770")
    s->found.push_back(window);
  return TRUE;
}

class Helper {
 public:
  Helper(const wchar_t* scenario, const std::filesystem::path& log) {
    std::wstring command = L"\"" + (HereDirectory() / L"win_helper.exe").wstring() + L"\" " +
                           scenario + L" \"" + log.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process_) != FALSE;
  }
  ~Helper() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  bool started() const { return started_; }
  // Waits for the process to end and gives its exit code, or -1 if it did not end in time.
  long ExitCode(DWORD milliseconds = 30000) const {
    if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
  }
  // The helper's visible message boxes.
  std::vector<HWND> Boxes() const {
    BoxSearch search{process_.dwProcessId, {}};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

class Processes : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    dir_ = std::filesystem::path(temp) /
           ("quorm3-process-" + std::to_string(GetCurrentProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  std::string LogText() const {
    std::ifstream in(dir_ / L"log.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Runs a scenario that ends the program by itself, with exit code 0; gives what it logged.
  std::string LogOfScenarioToItsEnd(const wchar_t* scenario) {
    Helper helper(scenario, dir_ / L"log.txt");
    if (!helper.started()) {
      ADD_FAILURE() << "the helper did not start";
      return {};
    }
    EXPECT_EQ(helper.ExitCode(), 0);
    return LogText();
  }
  std::filesystem::path dir_;
};

TEST_F(Processes, AnUnhandledErrorIsReportedThenTheProgramEnds) {
  Helper helper(L"error-report", dir_ / L"log.txt");
  ASSERT_TRUE(helper.started());
  std::vector<HWND> boxes;
  ASSERT_TRUE(WaitUntil([&] { return !(boxes = helper.Boxes()).empty(); }, 30000));
  EXPECT_EQ(testing_support::TextOf(boxes[0]), L"quorm3");
  EXPECT_EQ(testing_support::TextOf(GetDlgItem(boxes[0], 0xFFFF)),
            L"Run-time error '5':\n\nInvalid procedure call or argument");
  EXPECT_EQ(helper.ExitCode(300), -1);  // it waits for the user
  PostMessageW(boxes[0], WM_COMMAND, IDOK, 0);
  EXPECT_EQ(helper.ExitCode(), 0);
  EXPECT_EQ(LogText().find("continued"), std::string::npos);
}

TEST_F(Processes, AFailingTimerIsReportedOnceWithThePointerShownAndTheEndStillComesOnTime) {
  // Timer1 ticked without a second report; Timer2's tick ended the program with the report
  // still open, and its handler, which would have failed too, never ran. (The helper reads the
  // report itself: it is up only for a moment.)
  EXPECT_EQ(LogOfScenarioToItsEnd(L"failing-timer"),
            "report open: Run-time error '53':||File not found: user32\n"
            "pointer shown\n");
}

TEST_F(Processes, AFailureOfTheCppLibraryIsReportedAsTheProgramsOwnError) {
  EXPECT_EQ(LogOfScenarioToItsEnd(L"library-failure"),
            "report open: Run-time error '51':||Internal error\n");
}

TEST_F(Processes, AfterStartLibrariesAreNoLongerLookedForBesideTheProgram) {
  EXPECT_EQ(LogOfScenarioToItsEnd(L"narrow-search"), "before: found\nafter: not found\n");
}

TEST_F(Processes, EndWhileABoxIsOpenEndsEverythingAndTheHandlerDoesNotContinue) {
  EXPECT_EQ(LogOfScenarioToItsEnd(L"end-during-box"), "box open\nShowCursor -1\n");
}

TEST_F(Processes, ALaunchStartsExactlyTheNamedFile) {
  // With the name handed over as a command line, "Exit.exe" would be tried first.
  std::filesystem::copy_file(HereDirectory() / L"win_helper.exe", dir_ / L"Exit To Dos.exe");
  std::filesystem::copy_file(HereDirectory() / L"win_helper.exe", dir_ / L"Exit.exe");
  const double task =
      services::Shell((dir_ / L"Exit To Dos.exe").wstring(), services::kNormalFocus);
  EXPECT_GT(task, 0);
  EXPECT_TRUE(
      WaitUntil([&] { return std::filesystem::exists(dir_ / L"Exit To Dos.exe.ran"); }, 30000));
  EXPECT_FALSE(std::filesystem::exists(dir_ / L"Exit.exe.ran"));
}

TEST_F(Processes, ALaunchOfAMissingFileRaisesAnError) {
  try {
    services::Shell((dir_ / L"Exit To Dos.pif").wstring(), services::kNormalFocus);
    ADD_FAILURE() << "no error";
  } catch (const base::RuntimeError& e) {
    EXPECT_EQ(e.number, 53);
  }
}

}  // namespace
