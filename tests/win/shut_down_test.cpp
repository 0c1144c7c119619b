// The Shut Down Windows screen: its dialog, its keys, what each answer really does (with the
// external functions recorded), and how it tells that a file is there.
#include <windows.h>
// The reasons for a shut-down, after windows.h.
#include <reason.h>

#include <filesystem>
#include <fstream>

#include "base/arith.h"
#include "screens_fixture.h"
#include "services/privilege.h"
#include "services/runtime.h"
#include "tests/error_number.h"

namespace {

using testing_support::ErrorNumberOf;
using testing_support::WaitUntil;

class ShutDown : public ScreensTest {
 protected:
  void SetUp() override {
    ScreensTest::SetUp();
    Open();
  }
  static void Open() {
    // Keys here come as fast as messages can be posted: the screen counts as seen a minute
    // before each time it becomes active, so that Yes answers them.
    SeenFor(60000);
    testing_support::MessageBoxWatcher watcher;
    Form1->Command1.Press();
    ASSERT_TRUE(Form3->Visible());
    ASSERT_TRUE(WaitUntil([] { return GetFocus() == Form3->Yes.hwnd(); }));
  }
  // From now on the screen counts as active `milliseconds` before each time it becomes so
  // (a negative time: that much after).
  static void SeenFor(int milliseconds) {
    Form3->pressGuard().SetClock([milliseconds] { return GetTickCount() - milliseconds; });
  }
  // The flags of each call. A shut-down asks for the power off too, and a
  // shut-down or restart gives its reason: planned, by the user. A log-off gives none.
  std::vector<long long> ExitFlags() const {
    std::vector<long long> flags;
    for (const auto& call : recorders_.CallsOf("ExitWindowsEx")) {
      EXPECT_EQ(call.numbers[1], call.numbers[0] == 0 ? 0 : SHTDN_REASON_FLAG_PLANNED);
      flags.push_back(call.numbers[0]);
    }
    return flags;
  }
  static constexpr long long kShutDownWithPowerOff = EWX_SHUTDOWN | EWX_POWEROFF;
};

TEST_F(ShutDown, IsAFixedDialogWithCaptionAndCloseBoxOnly) {
  HWND window = Form3->hwnd();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
  EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(testing_support::TextOf(window), L"Shut Down Windows");
  EXPECT_EQ(GetWindow(window, GW_OWNER), frame::ApplicationWindow());
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 335);
  EXPECT_EQ(client.bottom, 191);
}

TEST_F(ShutDown, IsCentredOnTheDisplayByIntegerHalving) {
  RECT outer{};
  GetWindowRect(Form3->hwnd(), &outer);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  EXPECT_EQ(outer.left,
            base::IntegerDivide(GetSystemMetrics(SM_CXSCREEN) * 15.0 - width * 15, 2) / 15);
  EXPECT_EQ(outer.top,
            base::IntegerDivide(GetSystemMetrics(SM_CYSCREEN) * 15.0 - height * 15, 2) / 15);
}

TEST_F(ShutDown, StartsWithShutDownSelectedAndTheFocusOnTheDefaultYes) {
  EXPECT_TRUE(Form3->Shutdown.Value());
  EXPECT_FALSE(Form3->Restart.Value() || Form3->MSDOS.Value() || Form3->Logoff.Value());
  EXPECT_EQ((GetWindowLongPtrW(Form3->Yes.hwnd(), GWL_STYLE) & BS_TYPEMASK), BS_DEFPUSHBUTTON);
  EXPECT_EQ(testing_support::TextOf(Form3->Logoff.hwnd()),
            L"&Close all programs and log on as a differnet user?");
  EXPECT_EQ(testing_support::TextOf(Form3->Areyousurelabel.hwnd()), L"Are you sure you want to:");
  const RECT icon = RectInClient(Form3->Shutdownicon.hwnd());
  EXPECT_EQ(icon.left, 8);
  EXPECT_EQ(icon.top, 16);
  EXPECT_EQ(icon.right - icon.left, 32);
  EXPECT_NE(Form3->Shutdownicon.Picture(), nullptr);
  const RECT yes = RectInClient(Form3->Yes.hwnd());
  const RECT help = RectInClient(Form3->Help.hwnd());
  EXPECT_EQ(yes.left, 96);
  EXPECT_EQ(yes.top, 152);
  EXPECT_EQ(help.left, 256);
  const RECT logoff = RectInClient(Form3->Logoff.hwnd());
  EXPECT_EQ(logoff.left, 56);
  EXPECT_EQ(logoff.top, 112);
}

TEST_F(ShutDown, YesCarriesOutTheSelectedOptionAndTheScreenStays) {
  Form3->Yes.Press();
  Form3->Restart.SetValue(true);
  Form3->Yes.Press();
  Form3->Logoff.SetValue(true);
  Form3->Yes.Press();
  Form3->Logoff.SetValue(false);  // no option at all: the last branch logs off
  Form3->Yes.Press();
  EXPECT_EQ(ExitFlags(), (std::vector<long long>{kShutDownWithPowerOff, 2, 0, 0}));
  EXPECT_TRUE(Form3->Visible());
  EXPECT_FALSE(Form1->Visible());
}

// The token's shut-down privilege, switched off again as a new process has it.
void DisableShutdownPrivilege() {
  HANDLE token = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token));
  TOKEN_PRIVILEGES off{};
  off.PrivilegeCount = 1;
  ASSERT_TRUE(LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &off.Privileges[0].Luid));
  AdjustTokenPrivileges(token, FALSE, &off, 0, nullptr, nullptr);
  CloseHandle(token);
  ASSERT_FALSE(services::ShutdownPrivilegeEnabled());
}

TEST_F(ShutDown, ShutDownAndRestartHaveTheShutDownPrivilegeEnabledAtTheCall) {
  Form3->Logoff.SetValue(true);
  DisableShutdownPrivilege();
  Form3->Yes.Press();  // a log-off needs none, and none is asked for
  Form3->Shutdown.SetValue(true);
  Form3->Yes.Press();
  DisableShutdownPrivilege();
  Form3->Restart.SetValue(true);
  Form3->Yes.Press();
  EXPECT_EQ(ExitFlags(), (std::vector<long long>{0, kShutDownWithPowerOff, 2}));
  EXPECT_EQ(testing_support::Recorders::PrivilegeAtExitWindows(),
            (std::vector<bool>{false, true, true}));
}

TEST_F(ShutDown, KeysWorkAsInTheSystemDialog) {
  testing_support::PressAccessKey(L'r');
  Deliver();
  EXPECT_TRUE(Form3->Restart.Value());
  EXPECT_FALSE(Form3->Shutdown.Value());
  EXPECT_EQ(GetFocus(), Form3->Restart.hwnd());
  testing_support::PressKey(VK_RETURN);  // Enter on an option presses Yes
  Deliver();
  EXPECT_EQ(ExitFlags(), (std::vector<long long>{2}));
  testing_support::PressKey(VK_ESCAPE);
  Deliver();
  EXPECT_TRUE(Form3->Visible());
  testing_support::PressKey(VK_DOWN);
  Deliver();
  EXPECT_TRUE(Form3->MSDOS.Value());
  testing_support::PressAccessKey(L'c');
  testing_support::PressAccessKey(L'y');
  Deliver();
  EXPECT_EQ(ExitFlags(), (std::vector<long long>{2, 0}));
  testing_support::PressAccessKey(L'h');
  Deliver();
  EXPECT_EQ(recorders_.CallsOf("WinHelpA").size(), 1u);
}

TEST_F(ShutDown, YesTakesNoPressBeforeTheScreenHasBeenSeenForAMoment) {
  SeenFor(-60000);  // just seen, however slowly the messages below go
  Form3->pressGuard().Arm();
  testing_support::PressKey(VK_RETURN);
  testing_support::PressKey(VK_SPACE);
  testing_support::PressAccessKey(L'y');
  testing_support::TypeCharacter(L'y');
  Deliver();
  testing_support::ClickWith(Form3->Yes.hwnd());  // as another program would click it
  SendMessageW(Form3->Yes.hwnd(), BM_CLICK, 0, 0);
  EXPECT_TRUE(ExitFlags().empty());
  // The other buttons and the options answer at once.
  testing_support::PressAccessKey(L'r');
  Deliver();
  EXPECT_TRUE(Form3->Restart.Value());
  SeenFor(60000);
  Form3->pressGuard().Arm();
  testing_support::PressKey(VK_RETURN);  // Enter on an option presses Yes
  Deliver();
  EXPECT_EQ(ExitFlags(), (std::vector<long long>{2}));
}

TEST_F(ShutDown, EveryRefusedPressOfYesStartsTheWaitAgainAndNothingElseDoes) {
  DWORD now = GetTickCount();
  Form3->pressGuard().SetClock([&now] { return now; });
  Form3->pressGuard().Arm();
  const DWORD wait = frame::PressGuard::Wait();
  HWND yes = Form3->Yes.hwnd();
  now += wait - 1;
  SendMessageW(yes, BM_CLICK, 0, 0);  // refused: the wait starts again from here
  now += wait - 1;
  SendMessageW(yes, BM_CLICK, 0, 0);  // seen long enough, but pressed again too soon
  EXPECT_TRUE(ExitFlags().empty());
  // Keys that press no Yes, and clicks elsewhere, neither count nor start it again.
  now += wait - 1;
  testing_support::PressKey(VK_TAB);
  testing_support::PressKey(VK_DOWN);
  testing_support::PressAccessKey(L'r');
  Deliver();
  testing_support::ClickWith(Form3->Restart.hwnd());
  ASSERT_TRUE(Form3->Restart.Value());
  now += 1;
  SendMessageW(yes, BM_CLICK, 0, 0);
  EXPECT_EQ(ExitFlags(), (std::vector<long long>{2}));
}

TEST_F(ShutDown, AKeyHeldSinceBeforeTheScreenShowedPressesYesOnlyOnceReleased) {
  HWND yes = Form3->Yes.hwnd();
  const auto repeat = static_cast<LPARAM>(1 | (1 << 30));
  PostMessageW(yes, WM_KEYDOWN, VK_RETURN, repeat);  // auto-repeats of the held Enter
  PostMessageW(yes, WM_KEYDOWN, VK_RETURN, repeat);
  PostMessageW(yes, WM_CHAR, L'\r', repeat);
  Deliver();
  EXPECT_TRUE(ExitFlags().empty());
  PostMessageW(yes, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC0000001u));
  PostMessageW(yes, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(yes, WM_KEYDOWN, VK_RETURN, repeat);
  Deliver();
  EXPECT_EQ(ExitFlags(), (std::vector<long long>{kShutDownWithPowerOff}));
}

TEST_F(ShutDown, AMinimisedScreenTakesNoKeysUntilItIsRestored) {
  HWND yes = Form3->Yes.hwnd();
  ShowWindow(Form3->hwnd(), SW_MINIMIZE);
  ASSERT_FALSE(Form3->OnDisplay());
  PostMessageW(yes, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(yes, WM_SYSKEYDOWN, VK_RETURN, 1 | (1 << 29));
  PostMessageW(yes, WM_SYSCHAR, L'y', 1 | (1 << 29));
  PostMessageW(yes, WM_KEYDOWN, VK_SPACE, 1);
  PostMessageW(yes, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001u));
  Deliver();
  EXPECT_TRUE(ExitFlags().empty());
  ShowWindow(Form3->hwnd(), SW_RESTORE);
  ASSERT_TRUE(WaitUntil([] { return GetActiveWindow() == Form3->hwnd(); }));
  EXPECT_EQ(GetFocus(), yes);
  testing_support::PressKey(VK_RETURN);
  Deliver();
  EXPECT_EQ(ExitFlags(), (std::vector<long long>{kShutDownWithPowerOff}));
}

TEST_F(ShutDown, TabGoesFromYesToTheSelectedOption) {
  testing_support::PressKey(VK_TAB);
  Deliver();
  EXPECT_EQ(GetFocus(), Form3->Shutdown.hwnd());
  testing_support::PressKey(VK_TAB);
  Deliver();
  EXPECT_EQ(GetFocus(), Form3->No.hwnd());
}

TEST_F(ShutDown, HelpOpensTheHelpFileAtShutDownForThisWindow) {
  Form3->Restart.SetValue(true);
  Form3->Help.Press();
  const auto calls = recorders_.CallsOf("WinHelpA");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].numbers,
            (std::vector<long long>{static_cast<int32_t>(reinterpret_cast<intptr_t>(Form3->hwnd())),
                                    0x105}));
  EXPECT_EQ(calls[0].texts,
            (std::vector<std::string>{"C:\\windows\\help\\windows.hlp", "ShutDown"}));
  EXPECT_TRUE(Form3->Visible());
  EXPECT_TRUE(Form3->Restart.Value());
}

TEST_F(ShutDown, MsDosModeWithoutTheFileSaysWhereItLookedAndChangesNothing) {
  const std::wstring directory = services::WindowsDirectory();
  std::filesystem::remove(directory + L"\\Exit to dos.pif");
  Form3->MSDOS.SetValue(true);
  for (bool asDirectory : {false, true}) {
    if (asDirectory) std::filesystem::create_directory(directory + L"\\Exit to dos.pif");
    testing_support::MessageBoxWatcher watcher;
    Form3->Yes.Press();
    ASSERT_EQ(watcher.seen().size(), 1u);
    EXPECT_EQ(watcher.seen()[0].title, L"quorm3");
    EXPECT_EQ(watcher.seen()[0].text,
              L"Cannot find " + directory +
                  L"\\Exit To Dos.pif\n\nPlease make sure this file is in your Windows directory");
    EXPECT_NE(watcher.seen()[0].icon, 0u);
    EXPECT_TRUE(Form3->Visible());
    EXPECT_TRUE(Form3->MSDOS.Value());
  }
  std::filesystem::remove(directory + L"\\Exit to dos.pif");
  EXPECT_TRUE(ExitFlags().empty());
}

TEST_F(ShutDown, NoReturnsToTheTaskListAsItWasAndTheNextShowingStartsAfresh) {
  Form3->Restart.SetValue(true);
  Form3->No.Press();
  EXPECT_FALSE(Form3->Loaded());
  EXPECT_TRUE(Form1->Visible());
  EXPECT_EQ(Form1->List1.ListCount(), 2);
  EXPECT_TRUE(Form1->Timer2.Enabled());
  Open();
  EXPECT_TRUE(Form3->Shutdown.Value());
  EXPECT_FALSE(Form3->Restart.Value());
}

TEST_F(ShutDown, TheCloseBoxUnloadsItAndLeavesNothingVisibleWhileTheProgramRuns) {
  SendMessageW(Form3->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(Form3->Loaded());
  EXPECT_FALSE(Form1->Visible());
  EXPECT_TRUE(Form1->Loaded());
  EXPECT_TRUE(frame::DeliverPendingMessages());  // the program has not been asked to end
  EXPECT_TRUE(ExitFlags().empty());
}

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    dir_ = std::filesystem::path(temp) / ("quorm3-files-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(dir_);
  }
  std::wstring MakeFile(const wchar_t* name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    const std::filesystem::path path = dir_ / name;
    std::ofstream(path) << "x";
    SetFileAttributesW(path.c_str(), attributes);
    return path.wstring();
  }
  std::filesystem::path dir_;
};

TEST_F(Files, FileExistsForPlainReadOnlyHiddenAndSystemFilesButNotDirectories) {
  EXPECT_TRUE(shut_down::FileExists(MakeFile(L"plain.pif")));
  EXPECT_TRUE(shut_down::FileExists(MakeFile(L"ro.pif", FILE_ATTRIBUTE_READONLY)));
  EXPECT_TRUE(shut_down::FileExists(MakeFile(L"hidden.pif", FILE_ATTRIBUTE_HIDDEN)));
  EXPECT_TRUE(shut_down::FileExists(MakeFile(L"system.pif", FILE_ATTRIBUTE_SYSTEM)));
  std::filesystem::create_directory(dir_ / L"Exit to dos.pif");
  EXPECT_FALSE(shut_down::FileExists((dir_ / L"Exit to dos.pif").wstring()));
  EXPECT_NE(services::GetAttr((dir_ / L"Exit to dos.pif").wstring()) & 16, 0u);
}

TEST_F(Files, FileExistsIsFalseWhereTheQueryFails) {
  EXPECT_FALSE(shut_down::FileExists((dir_ / L"missing.pif").wstring()));
  EXPECT_EQ(ErrorNumberOf([&] { services::GetAttr((dir_ / L"missing.pif").wstring()); }), 53);
  EXPECT_FALSE(shut_down::FileExists(L"Q:\\no drive here\\Exit to dos.pif"));
  EXPECT_FALSE(shut_down::FileExists(L""));
  EXPECT_FALSE(shut_down::FileExists(L"C:\\bad\x01name?.pif"));
}

TEST_F(Files, FileExistsTestsTheWholeAttributeWord) {
  // Bits above the sixteenth do not make a file look missing.
  EXPECT_TRUE(shut_down::IsFileAttributes(FILE_ATTRIBUTE_ARCHIVE | 0x8000));
  EXPECT_TRUE(shut_down::IsFileAttributes(FILE_ATTRIBUTE_ARCHIVE | 0x400000));
  EXPECT_FALSE(shut_down::IsFileAttributes(FILE_ATTRIBUTE_DIRECTORY | 0x400000));
  const std::wstring file = MakeFile(L"integrity.pif", FILE_ATTRIBUTE_ARCHIVE | 0x8000);
  if ((GetFileAttributesW(file.c_str()) & 0x8000) == 0)
    GTEST_SKIP() << "this system does not keep attribute bit 15 on a file";
  EXPECT_TRUE(shut_down::FileExists(file));
}

}  // namespace
