// The Shut Down Windows screen: a look-alike of the system's dialog, and the one screen whose
// answer is real.
#pragma once

#include <cstdint>
#include <string>

#include "frame/screen.h"

namespace shut_down {

extern const frame::ScreenLayout kLayout;

// True when a file, not a directory, exists at `path`; any failure of the query means false.
bool FileExists(const std::wstring& path);
// Whether attribute bits describe a file rather than a directory; the whole word counts.
bool IsFileAttributes(uint32_t attributes);

class ShutDownForm : public frame::Screen {
 public:
  ShutDownForm();

  frame::CommandButton Yes{*this, L"Yes"};
  frame::PictureBox Shutdownicon{*this, L"Shutdownicon"};
  frame::OptionButton Shutdown{*this, L"Shutdown"};
  frame::OptionButton Restart{*this, L"Restart"};
  frame::Label Areyousurelabel{*this, L"Areyousurelabel"};
  frame::CommandButton No{*this, L"No"};
  frame::OptionButton MSDOS{*this, L"MSDOS"};
  frame::OptionButton Logoff{*this, L"Logoff"};
  frame::CommandButton Help{*this, L"Help"};

 protected:
  void Form_Load() override;

 private:
  void Yes_Click();
  void No_Click();
  void Help_Click();
};

}  // namespace shut_down

extern frame::GlobalScreen<shut_down::ShutDownForm> Form3;
