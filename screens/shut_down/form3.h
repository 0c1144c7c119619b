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

// Each control's layout row, bound as a constant: every compiler finds it while compiling,
// and a wrong name or kind does not compile.
namespace rows {
inline constexpr frame::LayoutRow<frame::ControlKind::kCommandButton> Yes{kLayout, L"Yes"};
inline constexpr frame::LayoutRow<frame::ControlKind::kPictureBox> Shutdownicon{kLayout,
                                                                                L"Shutdownicon"};
inline constexpr frame::LayoutRow<frame::ControlKind::kOptionButton> Shutdown{kLayout, L"Shutdown"};
inline constexpr frame::LayoutRow<frame::ControlKind::kOptionButton> Restart{kLayout, L"Restart"};
inline constexpr frame::LayoutRow<frame::ControlKind::kLabel> Areyousurelabel{kLayout,
                                                                              L"Areyousurelabel"};
inline constexpr frame::LayoutRow<frame::ControlKind::kCommandButton> No{kLayout, L"No"};
inline constexpr frame::LayoutRow<frame::ControlKind::kOptionButton> MSDOS{kLayout, L"MSDOS"};
inline constexpr frame::LayoutRow<frame::ControlKind::kOptionButton> Logoff{kLayout, L"Logoff"};
inline constexpr frame::LayoutRow<frame::ControlKind::kCommandButton> Help{kLayout, L"Help"};
}  // namespace rows

class ShutDownForm : public frame::Screen {
 public:
  ShutDownForm();

  frame::CommandButton Yes{*this, rows::Yes};
  frame::PictureBox Shutdownicon{*this, rows::Shutdownicon};
  frame::OptionButton Shutdown{*this, rows::Shutdown};
  frame::OptionButton Restart{*this, rows::Restart};
  frame::Label Areyousurelabel{*this, rows::Areyousurelabel};
  frame::CommandButton No{*this, rows::No};
  frame::OptionButton MSDOS{*this, rows::MSDOS};
  frame::OptionButton Logoff{*this, rows::Logoff};
  frame::CommandButton Help{*this, rows::Help};

 protected:
  void Form_Load() override;

 private:
  void Yes_Click();
  void No_Click();
  void Help_Click();
};

}  // namespace shut_down

extern frame::GlobalScreen<shut_down::ShutDownForm> Form3;
