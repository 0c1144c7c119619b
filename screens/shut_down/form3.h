// The Shut Down Windows screen: a look-alike of the system's dialog, and the one screen whose
// answer is real.
#pragma once

#include <cstdint>
#include <string>

#include "frame/screen.h"
#include "screens/shut_down/layout.h"

namespace shut_down {

// True when a file, not a directory, exists at `path`; any failure of the query means false.
bool FileExists(const std::wstring& path);
// Whether attribute bits describe a file rather than a directory; the whole word counts.
bool IsFileAttributes(uint32_t attributes);

class ShutDownForm : public frame::Screen {
 public:
  ShutDownForm();

  frame::CommandButton Yes{*this, {kLayout, L"Yes"}};
  frame::PictureBox Shutdownicon{*this, {kLayout, L"Shutdownicon"}};
  frame::OptionButton Shutdown{*this, {kLayout, L"Shutdown"}};
  frame::OptionButton Restart{*this, {kLayout, L"Restart"}};
  frame::Label Areyousurelabel{*this, {kLayout, L"Areyousurelabel"}};
  frame::CommandButton No{*this, {kLayout, L"No"}};
  frame::OptionButton MSDOS{*this, {kLayout, L"MSDOS"}};
  frame::OptionButton Logoff{*this, {kLayout, L"Logoff"}};
  frame::CommandButton Help{*this, {kLayout, L"Help"}};

 protected:
  void Form_Load() override;

 private:
  void Yes_Click();
  void No_Click();
  void Help_Click();
};

}  // namespace shut_down

extern frame::GlobalScreen<shut_down::ShutDownForm> Form3;
